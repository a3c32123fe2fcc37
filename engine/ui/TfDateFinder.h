#pragma once
// Date Finder: the user picks the month by which every debt should be paid
// off; the choice goes to TAppinfo::DateFinderMonths for the search.

#include <QDate>
#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class TfPaymentRec;

class TfDateFinder : public QDialog {
    Q_OBJECT
public:
    static constexpr const char *HelpPage = "quick-start-guide.php?goto=drt-debtfreedate";
    static constexpr const char *HelpTrackingKey = "menu_date_finder_learn_about";

    // Reads the plan's no-pledge payoff and start month from the working
    // tables and fills the list.
    explicit TfDateFinder(TfPaymentRec &engine, QWidget *parent = nullptr);

    QLabel *lblHeading = nullptr;
    QLabel *lblChoose = nullptr;
    QLabel *lblCalculate = nullptr;
    QLabel *lblReminder = nullptr;
    QLabel *lblDebtFreeDate = nullptr;
    // Shown instead of a choice when the plan offers no earlier month.
    QLabel *lblNoDates = nullptr;
    QComboBox *cbDebtFreeDate = nullptr;
    QPushButton *Button1 = nullptr; // OK
    QPushButton *Button2 = nullptr; // Cancel
    QPushButton *Button3 = nullptr; // Help

    // Opens a page of the help site; the main window fills it with its link
    // builder.
    std::function<void(const QString &page, const QString &trackingKey)> OnHelp;

    int FDateFinderMaxMonths = 0;
    QDate FDateFinderStartMonth;

    void FillDateList();
    void Button1Click();
    void Button3Click();
};

#pragma once
// The plan settings panel: name, start month, strategy, pledge money and plan
// type of the working Plan row.

#include <QDate>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QString>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;
class TdmSQLite;
class TMainHost;

class TfPlan : public QObject {
    Q_OBJECT
public:
    // The largest pledge money accepted. Twelve digits keep every amount and
    // its cents exact in a double, with room for the sums the engine forms.
    static constexpr long long MaxPledgeMoney = 999'999'999'999LL;

    // FormCreate. The host may be null until the main window sets it.
    TfPlan(TdmSQLite &db, TMainHost *host, QObject *parent = nullptr);
    ~TfPlan() override;

    // The panel's content; the main window moves it into its left column.
    QWidget *lytPlan = nullptr;
    QLabel *lblPlanName = nullptr;
    QLineEdit *edPlanName = nullptr;
    QLabel *lblStartMonth = nullptr;
    QDateEdit *dtStartMonth = nullptr;
    QLabel *lblStrategy = nullptr;
    QComboBox *cbPayoffStrategy = nullptr;
    QLabel *lblPledgeMoney = nullptr;
    QLineEdit *edPledgeMoney = nullptr;
    QWidget *grpPledgeMoney = nullptr;
    QRadioButton *rbImmediate = nullptr;
    QRadioButton *rbDeferred = nullptr;

    void SQLDataToControls();
    void SQLControlsToDatabase();
    void DisableOnChangeEvents();
    void EnableOnChangeEvents();
    bool OnChangeEventsEnabled() const { return !m_handlers.isEmpty(); }
    QString GetPlanName() const;
    void SetPlanName(const QString &Value);
    void SetStrategyToCustom();
    // The Date Finder's write: stored like a typed amount when it differs.
    void SetPledgeMoney(const QString &Value);
    void MakeThemeAdjustments();

    int RowID() const { return FRowID; }
    QDate StartMonth() const;
    QString StartMonthText() const;
    QString Strategy() const;
    QString PledgeMoney() const;
    QString PlanType() const;

private:
    void SetStartMonth(const QDate &d);
    void SetStrategy(const QString &s);
    void SetPlanType(const QString &s);

    // The five change handlers; each runs only when its value differs from
    // what was last loaded or stored.
    void PlanNameChange();
    void StartMonthClosePicker();
    void PayoffStrategyChange();
    void PledgeMoneyChange();
    void PlanTypeChange();

    void SetModifiedToTrue(const QString &senderName);
    void RefreshDebtReduction();
    void AddLogLine(const QString &line);
    bool eventFilter(QObject *watched, QEvent *event) override;

    TdmSQLite &m_db;
    TMainHost *m_host;
    int FRowID = 0;
    QList<QMetaObject::Connection> m_handlers;
    // The values last loaded or stored, so that leaving a control unchanged
    // neither writes nor marks the plan modified.
    QString m_nameShown;
    QString m_pledgeStored;
    QDate m_startStored;
    QWidget *m_calendarPopup = nullptr;
};

#pragma once
// The Reports tab: the catalogue of printable reports with a preview picture
// of the report under the mouse pointer.

#include "reports/TReportCatalog.h"
#include "reports/TReportTitle.h"
#include "reports/TSavingsReport.h"

#include <QObject>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;
class TdmSQLite;
class TMainHost;

class TfReports : public QObject {
    Q_OBJECT
public:
    TfReports(TdmSQLite &db, TMainHost *host, QObject *parent = nullptr);
    ~TfReports() override;

    // The panel's content; the main window moves it into its Reports tab.
    QWidget *lytReports = nullptr;

    QPushButton *btnPayoffSavingsReport = nullptr;
    QPushButton *btnPayoffSummaryReport = nullptr;
    QPushButton *btnMonthlyPaymentReport = nullptr;
    QPushButton *btnMonthlyBalanceReport = nullptr;
    QPushButton *btnMonthlyInterestReport = nullptr;
    QPushButton *btnDataEntryWorksheet = nullptr;
    QWidget *PreviewArea = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *txtInstructions = nullptr;
    QFrame *FImageBorder = nullptr;  // created on the first hover

    // Set by the main window: the debt-reduction page's label texts and the
    // plan panel's texts. Unset, the same texts are computed from the database.
    std::function<TSavingsReportValues()> OnSavingsValues;
    // Shows the produced report modally; unset, the print preview window.
    // Tests put a recorder here.
    std::function<void(const TReportDocument &doc, const QString &title)> OnShowPreview;

    void UpdateInstructionTextAppearance();

    void btnPayoffSavingsReportClick();
    void btnPayoffSummaryReportClick();
    void btnMonthlyPaymentReportClick();
    void btnMonthlyBalanceReportClick();
    void btnMonthlyInterestReportClick();
    // Also the main window's File > "Print Data Entry Worksheet...".
    void btnDataEntryWorksheetClick();

    void SetReportName(const QString &caption);
    QString ReportName() const { return FReportName; }
    TReportTitleData ReadReportTitleData();
    // Gives the header objects of a produced report their texts from the
    // working plan and, when asked, the month cells their font size.
    void FillReportHeader(TReportDocument &doc, bool applyMonthFontSize);

    void ShowPreviewImage(int tag);
    void FitPreviewImage();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void produce(TReportKind kind, QPushButton *button);
    void btnReportMouseEnter(QObject *sender);
    void btnReportMouseLeave();

    TdmSQLite &m_db;
    TMainHost *m_host;
    QString FReportName;
};

#pragma once
// The main window: the frame that hosts every panel, owns the menus, decides
// which tabs are usable and switches the theme and the payment floor.

#include "app/TAppinfo.h"
#include "app/TMainHost.h"

#include <QMainWindow>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QVBoxLayout;
class TdmSQLite;
class TfDebtReduction;
class TfDebts;
class TfOneoffs;
class TfPaymentRec;
class TfPlan;
class TSGToolTip;
class TfReports;

class TfMain : public QMainWindow, public TConfigTarget, public TMainHost {
    Q_OBJECT
public:
    enum TabIndex { tabIdxDebts, tabIdxDebtReduction, tabIdxReports, tabIdxPaymentRec, tabIdxLog };

    // FormCreate: builds the window and its panels and starts a new, empty
    // working plan.
    explicit TfMain(TdmSQLite &db, QWidget *parent = nullptr);
    ~TfMain() override;

    void InitializeForm();
    void ReloadWorkingPlan();
    void SaveWorkingPlan();
    void MakeThemeAdjustments();
    // Opens a saved plan as the history would. A plan that is not saved
    // leaves the working plan as it is and returns false.
    bool OpenSavedPlan(int PlanID);
    // Opens a saved plan named by id or exact name, after the save prompt
    // when the open plan has changes. An unknown plan is reported and the
    // open plan stays.
    void OpenPlanByName(const QString &plan);

    // TMainHost
    void Log(const QString &AValue, bool IncludeModified) override;
    void UpdateTabs() override;
    void SetDebtsTabActive() override;
    bool DebtReductionTabEnabled() const override;
    void RefreshDebtGridWithData() override;
    void UpdateDataLabels() override;
    void SetStrategyToCustom() override;

    // TConfigTarget
    void SetFormLeft(int v) override;
    void SetFormTop(int v) override;
    void SetFormHeight(int v) override;
    void SetFormWidth(int v) override;
    void SetMaximized(bool v) override;
    bool IsMaximized() const override { return isMaximized(); }
    bool IsNormalState() const override { return !isMaximized() && !isMinimized() && !isFullScreen(); }
    int FormTop() const override { return geometry().top(); }
    int FormLeft() const override { return geometry().left(); }
    int FormHeight() const override { return geometry().height(); }
    int FormWidth() const override { return geometry().width(); }
    double ColumnWidth(Column c) const override;
    void SetColumnWidth(Column c, int w) override;

    // Panels, created once and kept for the whole run.
    TfPlan *fPlan = nullptr;
    TfOneoffs *fOneoffs = nullptr;
    TfDebts *fDebts = nullptr;
    TfPaymentRec *fPaymentRec = nullptr;
    TfDebtReduction *fDebtReduction = nullptr;
    TfReports *fReports = nullptr;

    QTabWidget *tcRight = nullptr;
    QWidget *tabDebtReductionBG = nullptr;
    QWidget *tabReportsBG = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QLabel *lblNotice = nullptr;
    // Name the icon columns of the two grids under the mouse.
    TSGToolTip *FOneOffsGridToolTip = nullptr;
    TSGToolTip *FDebtsGridToolTip = nullptr;

public slots:
    void mbNewPaymentPlanClick();
    void mbOpenExistingPlanClick();
    void mbSavePaymentPlanClick();
    void mbPaymentPlanSaveAsClick();
    void mbPrintWorksheetClick();
    void mbExitClick();
    void mbDateFinderUseClick();
    void mbDateFinderLearnClick();
    void mbDateFinderVideoClick();
    void mbDefaultScreenSizeClick();
    void mbOnlineHelpClick();
    void mbYouTubeVideosClick();
    void mnuSendFeedbackClick();
    void mbAboutClick();
    void mnuAboutNewClick();
    void mbTogglePlanClick();
    void mbToggleOneOffsClick();
    void mbToggleDebtsClick();
    void mbToggleLogClick();
    void MinPmtAllowedClick(QAction *Sender);
    void ThemeStyleClick(QAction *Sender);
    void tcRightChange(int index);

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void FormCreate();
    void BuildMenus();
    void BuildLayout();
    QAction *AddItem(QMenu *menu, const char *name, const QString &text, int icon, void (TfMain::*slot)());
    // The save prompt: false when the user cancels.
    bool AskToSaveChanges();
    bool FormCloseQuery();
    void FormClose();
    void FocusPlanName();
    // The Date Finder dialog and, on OK, its search into the pledge money.
    void ShowDateFinder();

    TdmSQLite &m_db;
    QVBoxLayout *lytPlan = nullptr;
    QVBoxLayout *lytOneoffs = nullptr;
    QVBoxLayout *lytDebts = nullptr;
    QVBoxLayout *lytPaymentRec = nullptr;
    QVBoxLayout *lytDebtReduction = nullptr;
    QVBoxLayout *lytReports = nullptr;
    QActionGroup *m_minPmtGroup = nullptr;
    QActionGroup *m_themeGroup = nullptr;
};

#include "app/TfMain.h"

#include "app/Links.h"
#include "app/MsgDialogs.h"
#include "app/UrlOpener.h"
#include "app/TdmImages.h"
#include "app/TfAbout.h"
#include "app/TfAboutNew.h"
#include "app/TitleBar.h"
#include "editing/TfDebts.h"
#include "editing/TfOneoffs.h"
#include "editing/TSGToolTip.h"
#include "editing/TfPlan.h"
#include "engine/ui/TfDateFinder.h"
#include "engine/ui/TfDebtReduction.h"
#include "engine/ui/TfPaymentRec.h"
#include "reports/TSavingsReport.h"
#include "reports/ui/TfReports.h"
#include "store/PlanLookup.h"
#include "store/TdmSQLite.h"
#include "store/ui/TfChooser.h"
#include "store/ui/TfSaveAs.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStyle>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace {

const char *const kDateFinderNeedsDebts =
    "Date Finder needs at least one debt before it can build a payoff plan\r\n\r\n"
    "Please add a debt on the Debts tab, then try Date Finder again.";
const char *const kSavePrompt = "Information has changed.\r\nWould you like to save these changes?";

const int kMinPmtAmounts[] = {15, 20, 25, 30, 35};

QVBoxLayout *hostLayout(QWidget *parent, const char *name, const QMargins &margins = {})
{
    auto *l = new QVBoxLayout(parent);
    l->setObjectName(QLatin1String(name));
    l->setContentsMargins(margins);
    l->setSpacing(0);
    return l;
}

QPalette DarkPalette()
{
    QPalette p;
    const QColor window(0x2B, 0x2B, 0x2B), base(0x3A, 0x3A, 0x3A), text(0xE6, 0xE6, 0xE6);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(0x36, 0x3B, 0x40));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, base);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, QColor(0x3D, 0x6E, 0x99));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x8A, 0x8A, 0x8A));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x7A, 0x7A, 0x7A));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x7A, 0x7A, 0x7A));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x7A, 0x7A, 0x7A));
    return p;
}

} // namespace

TfMain::TfMain(TdmSQLite &db, QWidget *parent)
    : QMainWindow(parent), m_db(db)
{
    setObjectName(QStringLiteral("fMain"));
    BuildMenus();
    BuildLayout();
    TAppinfo::OnThemeStyleApplied = [this](TkxThemeStyle style, const QString &stylePath) {
        QFile f(stylePath);
        // Indicators (radio dots, check marks) follow the palette, which the
        // style sheet cannot reach.
        QApplication::setPalette(style == tsDark ? DarkPalette() : QApplication::style()->standardPalette());
        // A missing or unreadable style file leaves the plain default look.
        qApp->setStyleSheet(f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString());
        const char *item = style == tsDark ? "mbThemeDark" : "mbThemeLight";
        if (auto *a = findChild<QAction *>(QLatin1String(item)))
            a->setChecked(true);
    };
    TAppinfo::OnMinPmtAllowedApplied = [this](int amount) {
        if (auto *a = findChild<QAction *>(QStringLiteral("mbMPA%1").arg(amount)))
            a->setChecked(true);
    };
    FormCreate();
}

TfMain::~TfMain()
{
    // Each panel owns the content it lent to this window; let it go first,
    // while the host layouts still exist.
    delete fReports;
    delete fDebtReduction;
    delete fPaymentRec;
    delete fDebts;
    delete fOneoffs;
    delete fPlan;
    TAppinfo::OnThemeStyleApplied = nullptr;
    TAppinfo::OnMinPmtAllowedApplied = nullptr;
}

QAction *TfMain::AddItem(QMenu *menu, const char *name, const QString &text, int icon, void (TfMain::*slot)())
{
    auto *a = new QAction(text, this);
    a->setObjectName(QLatin1String(name));
    if (icon >= 0)
        a->setIcon(TdmImages::Instance().icon32(icon));
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    menu->addAction(a);
    return a;
}

void TfMain::BuildMenus()
{
    QMenuBar *mb = menuBar();
    mb->setObjectName(QStringLiteral("mbMain"));
    auto separator = [](QMenu *m, const char *name) {
        QAction *s = m->addSeparator();
        s->setObjectName(QLatin1String(name));
    };

    QMenu *file = mb->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mbFile"));
    AddItem(file, "mbNewPaymentPlan", QStringLiteral("New Payment Plan"), 5, &TfMain::mbNewPaymentPlanClick);
    AddItem(file, "mbOpenExistingPlan", QStringLiteral("Open Existing Plan..."), 6, &TfMain::mbOpenExistingPlanClick);
    separator(file, "mbSpacer1");
    AddItem(file, "mbSavePaymentPlan", QStringLiteral("Save Payment Plan"), 7, &TfMain::mbSavePaymentPlanClick);
    AddItem(file, "mbPaymentPlanSaveAs", QStringLiteral("Payment Plan Save As..."), 8, &TfMain::mbPaymentPlanSaveAsClick);
    separator(file, "mbSpacer2");
    AddItem(file, "mbPrintWorksheet", QStringLiteral("Print Data Entry Worksheet..."), 21, &TfMain::mbPrintWorksheetClick);
    separator(file, "mbSpacer3");
    AddItem(file, "mbExit", QStringLiteral("Exit"), 4, &TfMain::mbExitClick);

    QMenu *df = mb->addMenu(QStringLiteral("&Date Finder"));
    df->setObjectName(QStringLiteral("mbDateFinder"));
    AddItem(df, "mbDateFinderUse", QStringLiteral("Use Date Finder..."), 33, &TfMain::mbDateFinderUseClick);
    AddItem(df, "mbDateFinderLearn", QStringLiteral("Learn About Date Finder"), 22, &TfMain::mbDateFinderLearnClick);
    AddItem(df, "mbDateFinderVideo", QStringLiteral("Watch Date Finder Video"), 1, &TfMain::mbDateFinderVideoClick);

    QMenu *pref = mb->addMenu(QStringLiteral("&Preferences"));
    pref->setObjectName(QStringLiteral("mbPreferences"));
    AddItem(pref, "mbDefaultScreenSize", QStringLiteral("Reset Screen to Original Size"), 3, &TfMain::mbDefaultScreenSizeClick);
    QMenu *mpa = pref->addMenu(TdmImages::Instance().icon32(2), QStringLiteral("Minimum Payment Allowed"));
    mpa->setObjectName(QStringLiteral("mbMinPmtAllowed"));
    mpa->menuAction()->setObjectName(QStringLiteral("mbMinPmtAllowedItem"));
    m_minPmtGroup = new QActionGroup(this);
    for (int amount : kMinPmtAmounts) {
        QAction *a = AddItem(mpa, QStringLiteral("mbMPA%1").arg(amount).toLatin1().constData(),
                             QStringLiteral("%1.00").arg(amount), -1, nullptr);
        a->setCheckable(true);
        a->setData(amount);
        m_minPmtGroup->addAction(a);
    }
    connect(m_minPmtGroup, &QActionGroup::triggered, this, &TfMain::MinPmtAllowedClick);
    QMenu *themes = pref->addMenu(TdmImages::Instance().icon32(23), QStringLiteral("Themes"));
    themes->setObjectName(QStringLiteral("mbThemes"));
    m_themeGroup = new QActionGroup(this);
    for (auto [name, text] : {std::pair{"mbThemeLight", "Light"}, std::pair{"mbThemeDark", "Dark"}}) {
        QAction *a = AddItem(themes, name, QLatin1String(text), -1, nullptr);
        a->setCheckable(true);
        m_themeGroup->addAction(a);
    }
    connect(m_themeGroup, &QActionGroup::triggered, this, &TfMain::ThemeStyleClick);

    QMenu *help = mb->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mbHelp"));
    AddItem(help, "mbOnlineHelp", QStringLiteral("Quick Start Guide"), 22, &TfMain::mbOnlineHelpClick);
    AddItem(help, "mbYouTubeVideos", QStringLiteral("YouTube Videos"), 1, &TfMain::mbYouTubeVideosClick);
    separator(help, "mnuHelpSpacer");
    AddItem(help, "mnuSendFeedback", QStringLiteral("Contact Support "), 24, &TfMain::mnuSendFeedbackClick);
    // Developer switches: part of the menu, never visible to the user.
    AddItem(help, "mbAbout", QStringLiteral("About"), 0, &TfMain::mbAboutClick)->setVisible(false);
    AddItem(help, "mbTogglePlan", QStringLiteral("Toggle Plan"), -1, &TfMain::mbTogglePlanClick)->setVisible(false);
    AddItem(help, "mbToggleOneOffs", QStringLiteral("Toggle One Offs"), -1, &TfMain::mbToggleOneOffsClick)->setVisible(false);
    AddItem(help, "mbToggleDebts", QStringLiteral("Toggle Debts"), -1, &TfMain::mbToggleDebtsClick)->setVisible(false);
    AddItem(help, "mbToggleLog", QStringLiteral("Toggle Log"), -1, &TfMain::mbToggleLogClick)->setVisible(false);
    AddItem(help, "mnuAboutNew", QStringLiteral("About"), 34, &TfMain::mnuAboutNewClick);
}

void TfMain::BuildLayout()
{
    auto *sb = new QStatusBar(this);
    sb->setObjectName(QStringLiteral("sbMain"));
    sb->setFixedHeight(22);
    sb->setSizeGripEnabled(true);
    lblNotice = new QLabel(sb);
    lblNotice->setObjectName(QStringLiteral("lblNotice"));
    lblNotice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblNotice->setFixedWidth(813);
    sb->addWidget(lblNotice);
    setStatusBar(sb);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("lytMainHost"));
    auto *lytMain = new QHBoxLayout(central);
    lytMain->setObjectName(QStringLiteral("lytMain"));
    lytMain->setContentsMargins(4, 0, 4, 4);
    lytMain->setSpacing(0);

    auto *left = new QWidget(central);
    left->setObjectName(QStringLiteral("lytLeft"));
    left->setFixedWidth(230);
    auto *leftLayout = hostLayout(left, "lytLeftLayout");
    auto *planHost = new QWidget(left);
    planHost->setObjectName(QStringLiteral("lytPlanHost"));
    planHost->setFixedHeight(236);
    lytPlan = hostLayout(planHost, "lytPlan");
    auto *oneoffsHost = new QWidget(left);
    oneoffsHost->setObjectName(QStringLiteral("lytOneoffsHost"));
    lytOneoffs = hostLayout(oneoffsHost, "lytOneoffs", {0, 4, 0, 0});
    leftLayout->addWidget(planHost);
    leftLayout->addWidget(oneoffsHost, 1);

    auto *right = new QWidget(central);
    right->setObjectName(QStringLiteral("lytRight"));
    auto *rightLayout = hostLayout(right, "lytRightLayout", {4, 0, 0, 0});
    auto *pnlRight = new QWidget(right);
    pnlRight->setObjectName(QStringLiteral("pnlRight"));
    auto *pnlLayout = hostLayout(pnlRight, "pnlRightLayout");
    tcRight = new QTabWidget(pnlRight);
    tcRight->setObjectName(QStringLiteral("tcRight"));
    pnlLayout->addWidget(tcRight);
    rightLayout->addWidget(pnlRight);

    lytMain->addWidget(left);
    lytMain->addWidget(right, 1);
    setCentralWidget(central);

    auto *tabDebts = new QWidget;
    tabDebts->setObjectName(QStringLiteral("tabDebts"));
    lytDebts = hostLayout(tabDebts, "lytDebts");
    tcRight->addTab(tabDebts, QStringLiteral("Debts"));

    // The two result pages paint on a background rectangle of their own, so
    // the theme decides their colour in one place.
    auto backgroundTab = [this](const char *tabName, const char *bgName, const char *layoutName,
                                const QString &text, QWidget *&bg) {
        auto *tab = new QWidget;
        tab->setObjectName(QLatin1String(tabName));
        auto *l = hostLayout(tab, "");
        bg = new QWidget(tab);
        bg->setObjectName(QLatin1String(bgName));
        bg->setAttribute(Qt::WA_StyledBackground, true);
        l->addWidget(bg);
        tcRight->addTab(tab, text);
        return hostLayout(bg, layoutName);
    };
    lytDebtReduction = backgroundTab("tabDebtReduction", "tabDebtReductionBG", "lytDebtReduction",
                                     QStringLiteral("Debt Reduction"), tabDebtReductionBG);
    lytReports = backgroundTab("tabReports", "tabReportsBG", "lytReports", QStringLiteral("Reports"), tabReportsBG);

    auto *tabPaymentRec = new QWidget;
    tabPaymentRec->setObjectName(QStringLiteral("tabPaymentRec"));
    lytPaymentRec = hostLayout(tabPaymentRec, "lytPaymentRec");
    tcRight->addTab(tabPaymentRec, QStringLiteral("Payment Rec"));

    auto *tabLog = new QWidget;
    tabLog->setObjectName(QStringLiteral("tabLog"));
    auto *logLayout = hostLayout(tabLog, "lytLog");
    Memo1 = new QPlainTextEdit(tabLog);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setMaximumBlockCount(20000);
    logLayout->addWidget(Memo1);
    tcRight->addTab(tabLog, QStringLiteral("Log"));

    tcRight->setTabVisible(tabIdxPaymentRec, false);
    tcRight->setTabVisible(tabIdxLog, false);
}

void TfMain::FormCreate()
{
    fPlan = new TfPlan(m_db, this, this);
    lytPlan->addWidget(fPlan->lytPlan);
    fOneoffs = new TfOneoffs(m_db, this, this);
    FOneOffsGridToolTip = new TSGToolTip(this, this, fOneoffs->sgPayments, {{0, "Delete"}, {4, "Edit"}});
    lytOneoffs->addWidget(fOneoffs->lytOneoffs);
    fDebts = new TfDebts(m_db, this, this);
    FDebtsGridToolTip = new TSGToolTip(this, this, fDebts->sgDebts,
                                       {{0, "Delete"}, {8, "Move Up"}, {9, "Move Down"}, {10, "Edit"}});
    lytDebts->addWidget(fDebts->lytDebts);
    fPaymentRec = new TfPaymentRec(m_db, this);
    lytPaymentRec->addWidget(fPaymentRec->lytPaymentRec);
    fDebtReduction = new TfDebtReduction(m_db, *fPaymentRec, this);
    lytDebtReduction->addWidget(fDebtReduction->lytDebtReduction);
    fReports = new TfReports(m_db, this, this);
    lytReports->addWidget(fReports->lytReports);

    fDebtReduction->OnDateFinder = [this] { ShowDateFinder(); };
    fDebtReduction->OnHelpKey = [this](const QString &) { ShowHelpTopic(fDebtReduction->lytDebtReduction); };
    // The savings report prints what the page and the plan panel show.
    fReports->OnSavingsValues = [this] {
        TSavingsReportValues v;
        v.PlanName = fPlan->GetPlanName();
        v.StartMonth = fPlan->dtStartMonth->text();
        v.Strategy = fPlan->Strategy();
        v.PledgeMoney = fPlan->PledgeMoney();
        const auto label = [this](const char *name) {
            const auto *l = fDebtReduction->lytDebtReduction->findChild<QLabel *>(QLatin1String(name));
            return l ? l->text() : QString();
        };
        v.R2C2 = label("lblR2C2");
        v.R2C3 = label("lblR2C3");
        v.R2C4 = label("lblR2C4");
        v.R2C5 = label("lblR2C5");
        v.R2C6 = label("lblR2C6");
        v.R3C2 = label("lblR3C2");
        v.R3C3 = label("lblR3C3");
        v.R3C4 = label("lblR3C4");
        v.R3C5 = label("lblR3C5");
        v.R3C6 = label("lblR3C6");
        v.R4C4 = label("lblR4C4");
        v.R4C5 = label("lblR4C5");
        v.R4C6 = label("lblR4C6");
        return v;
    };

    connect(tcRight, &QTabWidget::currentChanged, this, &TfMain::tcRightChange);
    InitializeForm();
    m_db.InitializeNewPlan();
    ReloadWorkingPlan();
}

void TfMain::InitializeForm()
{
    setContentsMargins(0, 0, 0, 0);
    setMinimumSize(926, 520);
    setGeometry(40, 40, 974, 547);
    SetDebtsTabActive();
    TAppinfo::SetMinPmtAllowed(0);
    TAppinfo::LoadConfigSettings(*this);
    UseDarkTitleBar(this, TAppinfo::GetThemeStyle() == tsDark);
    setWindowTitle(QString::fromLatin1(TAppinfo::ProductName));
    lblNotice->setText(TAppinfo::NoticeText);
    Log(QStringLiteral("SQL ORDER BY = ") + TAppinfo::GetPlanSort(), false);
    UpdateTabs();
    MakeThemeAdjustments();
}

void TfMain::ReloadWorkingPlan()
{
    fPlan->DisableOnChangeEvents();
    fPlan->SQLDataToControls();
    fPlan->EnableOnChangeEvents();
    // An entry left in update mode must not apply to a payment of this plan.
    fOneoffs->ResetEntryFields(1);
    fOneoffs->SQLDataToGrid();
    fDebts->RefreshDebtGridWithData();
    TAppinfo::SetPlanModified(false);
    SetDebtsTabActive();
    UpdateTabs();
    FocusPlanName();
}

void TfMain::FocusPlanName()
{
    fPlan->edPlanName->setFocus();
    fPlan->edPlanName->clearFocus();
}

void TfMain::SaveWorkingPlan()
{
    fPlan->SQLControlsToDatabase();
    int id = TAppinfo::GetPlanId();
    m_db.SavePlan(id);
    TAppinfo::SetPlanId(id);
    TAppinfo::SetPlanModified(false);
}

bool TfMain::OpenSavedPlan(int PlanID)
{
    if (m_db.conSQLite().scalar(QStringLiteral("SELECT COUNT(*) FROM hist_Plan WHERE PlanID = :pid"),
                                {{QStringLiteral(":pid"), PlanID}}).toInt() != 1)
        return false;
    m_db.CopyPlanFromHist(PlanID);
    ReloadWorkingPlan();
    return true;
}

void TfMain::OpenPlanByName(const QString &plan)
{
    if (!AskToSaveChanges())
        return;
    try {
        OpenSavedPlan(SavedPlanId(m_db.conSQLite(), plan));
    } catch (const EPlanLookup &e) {
        KxMsgDialog(QString::fromUtf8(e.what()) + QStringLiteral("\r\nThe plan that is open stays open."), 1);
    }
}

void TfMain::Log(const QString &AValue, bool IncludeModified)
{
    Memo1->appendPlainText(AValue);
    if (IncludeModified)
        Memo1->appendPlainText(QStringLiteral("Modified = ")
                               + (TAppinfo::GetPlanModified() ? QStringLiteral("True") : QStringLiteral("False")));
}

void TfMain::UpdateTabs()
{
    const bool hasDebts = fDebts && fDebts->sgDebts->rowCount() > 0;
    for (int i : {int(tabIdxPaymentRec), int(tabIdxDebtReduction), int(tabIdxReports)})
        tcRight->setTabEnabled(i, hasDebts);
}

void TfMain::SetDebtsTabActive()
{
    tcRight->setCurrentIndex(tabIdxDebts);
}

bool TfMain::DebtReductionTabEnabled() const
{
    return tcRight->isTabEnabled(tabIdxDebtReduction);
}

void TfMain::RefreshDebtGridWithData()
{
    fDebts->RefreshDebtGridWithData();
}

void TfMain::UpdateDataLabels()
{
    fDebtReduction->UpdateDataLabels();
}

void TfMain::SetStrategyToCustom()
{
    fPlan->SetStrategyToCustom();
}

void TfMain::tcRightChange(int index)
{
    // Both result tabs show figures of the current plan, so they recompute
    // whenever they come to the front.
    if ((index == tabIdxDebtReduction || index == tabIdxReports) && tcRight->isTabEnabled(index))
        fDebtReduction->UpdateDataLabels();
}

void TfMain::MakeThemeAdjustments()
{
    const bool dark = TAppinfo::GetThemeStyle() == tsDark;
    const QString bg = dark ? QStringLiteral("#333333") : QStringLiteral("#FFFFFF");
    tabDebtReductionBG->setStyleSheet(QStringLiteral("#tabDebtReductionBG { background-color: %1; }").arg(bg));
    tabReportsBG->setStyleSheet(QStringLiteral("#tabReportsBG { background-color: %1; }").arg(bg));
    FOneOffsGridToolTip->SetShadowEnabled(!dark);
    FDebtsGridToolTip->SetShadowEnabled(!dark);
    const QIcon cancel = TdmImages::Instance().icon32(dark ? 29 : 11);
    fOneoffs->btnCancel->setIcon(cancel);
    fDebts->btnCancel->setIcon(cancel);
    fPlan->MakeThemeAdjustments();
    fDebts->MakeThemeAdjustments();
    fOneoffs->MakeThemeAdjustments();
    fDebtReduction->MakeThemeAdjustments();
    fReports->UpdateInstructionTextAppearance();
}

bool TfMain::AskToSaveChanges()
{
    if (!TAppinfo::GetPlanModified())
        return true;
    const int answer = KxMsgDialogYNC(QString::fromLatin1(kSavePrompt), 3);
    if (answer == mrCancel)
        return false;
    if (answer == mrYes)
        SaveWorkingPlan();
    return true;
}

void TfMain::mbNewPaymentPlanClick()
{
    if (!AskToSaveChanges())
        return;
    m_db.InitializeNewPlan();
    ReloadWorkingPlan();
}

void TfMain::mbOpenExistingPlanClick()
{
    if (!AskToSaveChanges())
        return;
    TfChooser chooser(m_db, this);
    UseDarkTitleBar(&chooser, TAppinfo::GetThemeStyle() == tsDark);
    if (chooser.exec() != QDialog::Accepted)
        return;
    m_db.CopyPlanFromHist(TAppinfo::GetPlanId());
    ReloadWorkingPlan();
}

void TfMain::mbSavePaymentPlanClick()
{
    SaveWorkingPlan();
}

void TfMain::mbPaymentPlanSaveAsClick()
{
    if (!AskToSaveChanges())
        return;
    TfSaveAs dlg(this);
    UseDarkTitleBar(&dlg, TAppinfo::GetThemeStyle() == tsDark);
    dlg.move(TfSaveAs::PositionOn(geometry(), dlg.size()));
    dlg.SetPlanName(fPlan->GetPlanName());
    if (dlg.exec() != QDialog::Accepted)
        return;
    int id = 0;
    fPlan->SetPlanName(dlg.GetPlanName());
    // The first save creates the new saved plan; the second stamps its id
    // into the working row and dates it. The old saved plan stays as it was.
    m_db.SavePlan(id);
    m_db.SavePlan(id);
    TAppinfo::SetPlanId(id);
    TAppinfo::SetPlanModified(false);
}

void TfMain::mbPrintWorksheetClick()
{
    fReports->btnDataEntryWorksheetClick();
}

void TfMain::mbExitClick()
{
    m_db.Disconnect();
    close();
}

void TfMain::mbDateFinderUseClick()
{
    if (!DebtReductionTabEnabled()) {
        KxMsgDialog(QString::fromLatin1(kDateFinderNeedsDebts), 2);
        return;
    }
    tcRight->setCurrentIndex(tabIdxDebtReduction);
    fDebtReduction->lblDebtFreeDateClick();
}

void TfMain::ShowDateFinder()
{
    TfDateFinder dlg(*fPaymentRec, this);
    dlg.OnHelp = [](const QString &page, const QString &key) {
        OpenURL(BuildTrackedUrl(QLatin1String(TAppinfo::HelpBaseUrl) + page, key));
    };
    UseDarkTitleBar(&dlg, TAppinfo::GetThemeStyle() == tsDark);
    if (dlg.exec() == QDialog::Accepted) {
        fPaymentRec->Engine().btnDateFinderClick();
        // The pledge field stores, marks and recomputes as for a typed amount.
        fPlan->SetPledgeMoney(QString::number(TAppinfo::DateFinderPledgeMoney, 'f', 0));
    }
    activateWindow();
}

void TfMain::mbDateFinderLearnClick()
{
    OpenURL(BuildTrackedUrl(QLatin1String(TAppinfo::HelpBaseUrl) + QStringLiteral("quick-start-guide.php?goto=drt-debtfreedate"),
                            QStringLiteral("menu_date_finder_learn_about")));
}

void TfMain::mbDateFinderVideoClick()
{
    OpenURL(BuildTrackedUrl(QLatin1String(kDateFinderVideoUrl), QStringLiteral("menu_date_finder_watch_video")));
}

void TfMain::mbOnlineHelpClick()
{
    OpenURL(BuildTrackedUrl(QLatin1String(TAppinfo::HelpBaseUrl) + QStringLiteral("quick-start-guide.php"),
                            QStringLiteral("menu_help_quick_start_guide")));
}

void TfMain::mbYouTubeVideosClick()
{
    OpenURL(BuildTrackedUrl(QLatin1String(kVideoChannelUrl), QStringLiteral("menu_help_youtube_videos")));
}

void TfMain::mnuSendFeedbackClick()
{
    OpenURL(SupportMailLink());
}

void TfMain::mbAboutClick()
{
    ShowCompactAboutBox();
}

void TfMain::mnuAboutNewClick()
{
    ShowAboutBox();
}

void TfMain::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    // FormShow: the header menu needs the header as it is on screen.
    if (!e->spontaneous() && fDebts)
        fDebts->InitializeDebtGridHeaderPopup();
}

void TfMain::mbDefaultScreenSizeClick()
{
    if (!IsNormalState())
        showNormal();
    resize(1070, 601);
}

void TfMain::mbTogglePlanClick()
{
    fPlan->lytPlan->setVisible(!fPlan->lytPlan->isVisible());
}

void TfMain::mbToggleOneOffsClick()
{
    fOneoffs->lytOneoffs->setVisible(!fOneoffs->lytOneoffs->isVisible());
}

void TfMain::mbToggleDebtsClick()
{
    tcRight->setVisible(!tcRight->isVisible());
}

void TfMain::mbToggleLogClick()
{
    tcRight->setTabVisible(tabIdxLog, !tcRight->isTabVisible(tabIdxLog));
    const bool rec = !tcRight->isTabVisible(tabIdxPaymentRec);
    tcRight->setTabVisible(tabIdxPaymentRec, rec);
    fPaymentRec->SetLogging(rec);
}

void TfMain::MinPmtAllowedClick(QAction *Sender)
{
    TAppinfo::SetMinPmtAllowed(Sender->data().toInt());
}

void TfMain::ThemeStyleClick(QAction *Sender)
{
    if (Sender->objectName() == QLatin1String("mbThemeLight")) {
        qApp->setStyleSheet(QString());
        TAppinfo::SetThemeStyle(tsLight);
    } else {
        TAppinfo::SetThemeStyle(tsDark);
    }
    UseDarkTitleBar(this, TAppinfo::GetThemeStyle() == tsDark);
    MakeThemeAdjustments();
}

double TfMain::ColumnWidth(Column c) const
{
    static const int columns[] = {TfDebts::colDebtType, TfDebts::colCreditorName, TfDebts::colBalance, TfDebts::colPayment};
    return fDebts->sgDebts->columnWidth(columns[c]);
}

void TfMain::SetColumnWidth(Column c, int w)
{
    static const int columns[] = {TfDebts::colDebtType, TfDebts::colCreditorName, TfDebts::colBalance, TfDebts::colPayment};
    fDebts->sgDebts->setColumnWidth(columns[c], w);
}

void TfMain::SetFormLeft(int v)
{
    QRect g = geometry();
    g.moveLeft(v);
    setGeometry(g);
}

void TfMain::SetFormTop(int v)
{
    QRect g = geometry();
    g.moveTop(v);
    setGeometry(g);
}

void TfMain::SetFormHeight(int v)
{
    resize(width(), v);
}

void TfMain::SetFormWidth(int v)
{
    resize(v, height());
}

void TfMain::SetMaximized(bool v)
{
    setWindowState(v ? (windowState() | Qt::WindowMaximized) : (windowState() & ~Qt::WindowMaximized));
}

bool TfMain::FormCloseQuery()
{
    try {
        return AskToSaveChanges();
    } catch (const std::exception &e) {
        // A failed save keeps the window open, so the edits are not lost.
        KxMsgDialog(QString::fromUtf8(e.what()), 1);
        return false;
    }
}

void TfMain::closeEvent(QCloseEvent *e)
{
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
}

void TfMain::FormClose()
{
    TAppinfo::SaveConfigSettings(*this);
}

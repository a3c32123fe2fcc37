// The main window with its real panels on a private database copy: structure,
// tabs following the debts, the menus' own actions, the theme switch and
// closing.
#include "UiFixture.h"

#include "app/TdmImages.h"
#include "app/TfAboutNew.h"
#include "app/TfMain.h"
#include "app/UrlOpener.h"
#include "editing/TSGToolTip.h"
#include "editing/TfDebts.h"
#include "editing/TfOneoffs.h"
#include "editing/TfPlan.h"
#include "engine/ui/TfDateFinder.h"
#include "engine/ui/TfPaymentRec.h"
#include "store/ui/TfChooser.h"
#include "store/ui/TfSaveAs.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage();
}

} // namespace

class TestMain : public QObject {
    Q_OBJECT

    QTemporaryDir dataDir;
    std::unique_ptr<TdmImages> images;
    std::unique_ptr<UiFixture> fx;
    std::unique_ptr<TfMain> w;

    QAction *item(const char *name) { return w->findChild<QAction *>(QLatin1String(name)); }

    void addDebt(const QString &name, double apr, double balance, double payment)
    {
        fx->db().execBatch(QStringLiteral("INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) "
                                          "VALUES (99, 'Credit Card', :n, :a, :b, :p);"),
                           {{QStringLiteral(":n"), name}, {QStringLiteral(":a"), apr},
                            {QStringLiteral(":b"), balance}, {QStringLiteral(":p"), payment}});
        w->RefreshDebtGridWithData();
    }

    int count(const char *sql) { return fx->db().scalar(QLatin1String(sql)).toInt(); }

    // Runs `act` on the next modal dialog of type D once it is open; records
    // whether one appeared.
    template <class D, class F>
    void inNextDialog(F act)
    {
        dialogSeen = false;
        delete watcher;
        auto *timer = new QTimer(this);
        watcher = timer;
        timer->setInterval(10);
        connect(timer, &QTimer::timeout, this, [this, timer, act] {
            if (auto *d = qobject_cast<D *>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                dialogSeen = true;
                act(d);
            }
        });
        timer->start();
    }
    bool dialogSeen = false;
    QPointer<QTimer> watcher;

private slots:
    void initTestCase()
    {
        qputenv("ORVESSA_DATA_DIR", dataDir.path().toLocal8Bit());
        TAppinfo::Initialize();
        images = std::make_unique<TdmImages>();
    }

    void init()
    {
        QFile::remove(TAppinfo::GetIniFilePath());
        TAppinfo::ExtractResources();
        fx = std::make_unique<UiFixture>();
        w = std::make_unique<TfMain>(*fx->dm);
        w->show();
    }

    void cleanup()
    {
        delete watcher;
        TAppinfo::SetPlanModified(false);
        w.reset();
        fx.reset();
    }

    void windowStructure()
    {
        QCOMPARE(w->windowTitle(), QStringLiteral("Orvessa"));
        QCOMPARE(w->minimumSize(), QSize(926, 520));
        QTabWidget *tabs = w->tcRight;
        QCOMPARE(tabs->count(), 5);
        const QStringList texts = {"Debts", "Debt Reduction", "Reports", "Payment Rec", "Log"};
        const QList<bool> visible = {true, true, true, false, false};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(tabs->tabText(i), texts[i]);
            QCOMPARE(tabs->isTabVisible(i), visible[i]);
        }
        QCOMPARE(tabs->currentIndex(), int(TfMain::tabIdxDebts));
        // Each panel's content sits inside the window.
        for (const char *name : {"lytPlan", "lytOneoffs", "lytDebts", "lytPaymentRec", "lytDebtReduction", "lytReports"})
            QVERIFY2(w->findChild<QWidget *>(QLatin1String(name)) || w->findChild<QLayout *>(QLatin1String(name)), name);
        QCOMPARE(w->findChild<QWidget *>(QStringLiteral("lytLeft"))->width(), 230);
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblNotice"))->width(), 813);
        QVERIFY(w->Memo1->toPlainText().contains(QStringLiteral("\nSQL ORDER BY = Avalanche DESC\n")));
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("visible");
        auto row = [](const char *n, const char *t, int i, bool v = true) { QTest::addRow("%s", n) << QString::fromLatin1(n) << QString::fromLatin1(t) << i << v; };
        row("mbNewPaymentPlan", "New Payment Plan", 5);
        row("mbOpenExistingPlan", "Open Existing Plan...", 6);
        row("mbSavePaymentPlan", "Save Payment Plan", 7);
        row("mbPaymentPlanSaveAs", "Payment Plan Save As...", 8);
        row("mbPrintWorksheet", "Print Data Entry Worksheet...", 21);
        row("mbExit", "Exit", 4);
        row("mbDateFinderUse", "Use Date Finder...", 33);
        row("mbDateFinderLearn", "Learn About Date Finder", 22);
        row("mbDateFinderVideo", "Watch Date Finder Video", 1);
        row("mbDefaultScreenSize", "Reset Screen to Original Size", 3);
        row("mbOnlineHelp", "Quick Start Guide", 22);
        row("mbYouTubeVideos", "YouTube Videos", 1);
        row("mnuSendFeedback", "Contact Support ", 24);
        row("mbAbout", "About", 0, false);
        row("mbTogglePlan", "Toggle Plan", -1, false);
        row("mbToggleOneOffs", "Toggle One Offs", -1, false);
        row("mbToggleDebts", "Toggle Debts", -1, false);
        row("mbToggleLog", "Toggle Log", -1, false);
        row("mnuAboutNew", "About", 34);
    }
    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(bool, visible);
        auto *a = w->findChild<QAction *>(name);
        QVERIFY(a);
        QCOMPARE(a->text(), text);
        QCOMPARE(a->isVisible(), visible);
        if (icon >= 0)
            QCOMPARE(iconImage(a->icon()), iconImage(TdmImages::Instance().icon32(icon)));
        else
            QVERIFY(a->icon().isNull());
    }

    void tabsFollowTheDebts()
    {
        QTabWidget *tabs = w->tcRight;
        for (int i : {1, 2, 3})
            QVERIFY(!tabs->isTabEnabled(i));
        // Use Date Finder with no debts: a message, the tab stays.
        item("mbDateFinderUse")->trigger();
        QCOMPARE(fx->boxes.size(), size_t(1));
        QCOMPARE(fx->boxes[0].kind, 2);
        QVERIFY(fx->boxes[0].text.startsWith(QStringLiteral("Date Finder needs at least one debt")));
        QCOMPARE(tabs->currentIndex(), 0);

        addDebt(QStringLiteral("Card"), 18, 1000, 50);
        for (int i : {1, 2, 3})
            QVERIFY(tabs->isTabEnabled(i));
        // The Reports tab recomputes even when Debt Reduction was never opened.
        QCOMPARE(count("SELECT COUNT(*) FROM tblKXPaymentsFromArray"), 0);
        tabs->setCurrentIndex(TfMain::tabIdxReports);
        QVERIFY(count("SELECT COUNT(*) FROM tblKXPaymentsFromArray") > 0);
        QVERIFY(count("SELECT COUNT(*) FROM tblMinPaymentsFromArray") > 0);

        w->SetDebtsTabActive();
        fx->db().execBatch(QStringLiteral("DELETE FROM Debts;"));
        w->RefreshDebtGridWithData();
        for (int i : {1, 2, 3})
            QVERIFY(!tabs->isTabEnabled(i));
    }

    void aboutBoxesAndLinks()
    {
        inNextDialog<TfAboutNew>([](TfAboutNew *d) { d->reject(); });
        item("mnuAboutNew")->trigger();
        QVERIFY(dialogSeen);
        QStringList opened;
        SetOpenUrlHook([&opened](const QString &url) { opened << url; return true; });
        item("mbOnlineHelp")->trigger();
        item("mnuSendFeedback")->trigger();
        SetOpenUrlHook(nullptr);
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0].endsWith(QStringLiteral("quick-start-guide.php?utm_source=orvessa_retail&utm_medium=software"
                                                  "&utm_campaign=app_links&utm_content=menu_help_quick_start_guide")));
        QVERIFY(opened[1].startsWith(QStringLiteral("mailto:")));
    }

    void f1OpensTheControlsHelpPage()
    {
        QStringList opened;
        SetOpenUrlHook([&opened](const QString &url) { opened << url; return true; });
        const std::pair<const char *, const char *> cases[] = {
            {"edPledgeMoney", "pledge-money"}, {"rbDeferred", "pledge-money"}, {"rbImmediate", "pledge-money"},
            {"edAPR", "apr"}, {"sgPayments", "one-offs"}, {"lytDebtReduction", "general"}};
        for (const auto &[name, topic] : cases) {
            opened.clear();
            QWidget *control = w->findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(control, name);
            QTest::keyClick(control, Qt::Key_F1);
            QCOMPARE(opened, QStringList{QLatin1String(TAppinfo::HelpBaseUrl) + QStringLiteral("help.php?topic=") + QLatin1String(topic)});
        }
        SetOpenUrlHook(nullptr);
    }

    void windowSize()
    {
        w->setGeometry(70, 90, 1200, 800);
        item("mbDefaultScreenSize")->trigger();
        QCOMPARE(w->size(), QSize(1070, 601));
        QCOMPARE(w->geometry().topLeft(), QPoint(70, 90));
        w->resize(500, 300);
        QVERIFY(w->width() >= 926 && w->height() >= 520);
    }

    void minimumPaymentItems()
    {
        QVERIFY(item("mbMPA25")->isChecked());
        item("mbMPA15")->trigger();
        QCOMPARE(TAppinfo::GetMinPmtAllowed(), 15);
        QVERIFY(item("mbMPA15")->isChecked());
        QVERIFY(!item("mbMPA25")->isChecked());
        QVERIFY(!TAppinfo::GetPlanModified());
    }

    void themeSwitch()
    {
        // Both entry rows in update mode: their check marks follow the theme.
        addDebt(QStringLiteral("Card"), 18, 1000, 50);
        w->fDebts->GridCellClick(TfDebts::colEdit, 0);
        fx->db().execBatch(QStringLiteral("INSERT INTO OneOffPayments (OneOffDate, OneOffPayment) VALUES ('2027-01-01', 100);"));
        w->fOneoffs->SQLDataToGrid();
        w->fOneoffs->sgPayments->cellClicked(0, 4);
        QVERIFY(w->fOneoffs->RowID() != 0);
        item("mbThemeDark")->trigger();
        QCOMPARE(iconImage(w->fOneoffs->btnAddUpdate->icon()), iconImage(TdmImages::Instance().icon32(31)));
        QCOMPARE(iconImage(w->fDebts->btnAddUpdate->icon()), iconImage(TdmImages::Instance().icon32(31)));
        QCOMPARE(TAppinfo::GetThemeStyle(), tsDark);
        QVERIFY(qApp->styleSheet().contains(QStringLiteral("Dark theme")));
        QVERIFY(w->tabDebtReductionBG->styleSheet().contains(QStringLiteral("#333333")));
        QVERIFY(w->tabReportsBG->styleSheet().contains(QStringLiteral("#333333")));
        QCOMPARE(iconImage(w->fDebts->btnCancel->icon()), iconImage(TdmImages::Instance().icon32(29)));
        QVERIFY(!w->FDebtsGridToolTip->ShadowEnabled() && !w->FOneOffsGridToolTip->ShadowEnabled());
        QCOMPARE(w->grab().toImage().pixelColor(5, w->height() / 2), QColor(0x2B, 0x2B, 0x2B));

        item("mbThemeLight")->trigger();
        QCOMPARE(TAppinfo::GetThemeStyle(), tsLight);
        QVERIFY(qApp->styleSheet().contains(QStringLiteral("Light theme")));
        QVERIFY(w->tabDebtReductionBG->styleSheet().contains(QStringLiteral("#FFFFFF")));
        QCOMPARE(iconImage(w->fDebts->btnCancel->icon()), iconImage(TdmImages::Instance().icon32(11)));
        QVERIFY(w->FDebtsGridToolTip->ShadowEnabled() && w->FOneOffsGridToolTip->ShadowEnabled());
        QVERIFY(!TAppinfo::GetPlanModified());
    }

    void developerToggles()
    {
        item("mbToggleLog")->trigger();
        QVERIFY(w->tcRight->isTabVisible(TfMain::tabIdxLog));
        QVERIFY(w->tcRight->isTabVisible(TfMain::tabIdxPaymentRec));
        QVERIFY(w->fPaymentRec->Logging());
        item("mbToggleLog")->trigger();
        QVERIFY(!w->tcRight->isTabVisible(TfMain::tabIdxLog));
        QVERIFY(!w->fPaymentRec->Logging());
        item("mbToggleDebts")->trigger();
        QVERIFY(!w->tcRight->isVisible());
        item("mbToggleDebts")->trigger();
        QVERIFY(w->tcRight->isVisible());
    }

    void closingUnmodifiedAsksNothingAndWritesSettings()
    {
        QFile::remove(TAppinfo::GetIniFilePath());
        w->setGeometry(60, 70, 1000, 600);
        QVERIFY(w->close());
        QVERIFY(fx->boxes.empty());
        QVERIFY(QFile::exists(TAppinfo::GetIniFilePath()));
    }

    void closingModified_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("savedPlans");
        QTest::addRow("Cancel keeps the window") << int(mrCancel) << false << 0;
        QTest::addRow("No closes without saving") << int(mrNo) << true << 0;
        QTest::addRow("Yes saves, then closes") << int(mrYes) << true << 1;
    }
    void closingModified()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(int, savedPlans);
        const int before = count("SELECT COUNT(*) FROM hist_Plan");
        addDebt(QStringLiteral("Card"), 18, 1000, 50);
        TAppinfo::SetPlanModified(true);
        fx->answers.push_back(answer);
        QCOMPARE(w->close(), closed);
        QCOMPARE(fx->boxes.size(), size_t(1));
        QCOMPARE(fx->boxes[0].buttons, mbYesNoCancel);
        QCOMPARE(count("SELECT COUNT(*) FROM hist_Plan") - before, savedPlans);
    }

    void newPlanAndSave()
    {
        addDebt(QStringLiteral("Card"), 18, 1000, 50);
        item("mbSavePaymentPlan")->trigger();
        const int id = TAppinfo::GetPlanId();
        QVERIFY(id > 0);
        const int plans = count("SELECT COUNT(*) FROM hist_Plan");
        item("mbSavePaymentPlan")->trigger();
        QCOMPARE(TAppinfo::GetPlanId(), id);
        QCOMPARE(count("SELECT COUNT(*) FROM hist_Plan"), plans);

        TAppinfo::SetPlanModified(true);
        fx->answers.push_back(mrCancel);
        item("mbNewPaymentPlan")->trigger();
        QCOMPARE(count("SELECT COUNT(*) FROM Debts"), 1);
        fx->answers.push_back(mrNo);
        item("mbNewPaymentPlan")->trigger();
        QCOMPARE(count("SELECT COUNT(*) FROM Debts"), 0);
        QCOMPARE(TAppinfo::GetPlanId(), 0);
        QVERIFY(!TAppinfo::GetPlanModified());
        QVERIFY(!w->tcRight->isTabEnabled(TfMain::tabIdxDebtReduction));
    }

    void openThroughTheChooser()
    {
        TAppinfo::SetPlanModified(true);
        fx->answers.push_back(mrCancel);
        inNextDialog<TfChooser>([](TfChooser *c) { c->reject(); });
        item("mbOpenExistingPlan")->trigger();
        QVERIFY(!dialogSeen);
        QVERIFY(TAppinfo::GetPlanModified());

        fx->answers.push_back(mrNo);
        inNextDialog<TfChooser>([](TfChooser *c) {
            for (int r = 0; r < c->sgChooser->rowCount(); ++r)
                if (c->sgChooser->item(r, TfChooser::colName)->text() == QLatin1String("Sample 2"))
                    c->sgChooser->selectRow(r);
            c->Button2Click();
        });
        item("mbOpenExistingPlan")->trigger();
        QVERIFY(dialogSeen);
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT PlanName FROM Plan")).toString(), QStringLiteral("Sample 2"));
        QCOMPARE(w->fPlan->GetPlanName(), QStringLiteral("Sample 2"));
        QVERIFY(!TAppinfo::GetPlanModified());
        QVERIFY(w->fDebts->sgDebts->rowCount() > 0);
    }

    void saveAsKeepsTheOldPlan()
    {
        QVERIFY(w->OpenSavedPlan(2));
        const int plans = count("SELECT COUNT(*) FROM hist_Plan");
        inNextDialog<TfSaveAs>([](TfSaveAs *d) {
            d->Edit2->setText(QStringLiteral("Sample 2 copy"));
            d->btnOkClick();
        });
        item("mbPaymentPlanSaveAs")->trigger();
        QVERIFY(dialogSeen);
        const int id = TAppinfo::GetPlanId();
        QVERIFY(id != 2);
        QCOMPARE(count("SELECT COUNT(*) FROM hist_Plan"), plans + 1);
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT PlanName FROM hist_Plan WHERE PlanID = 2")).toString(), QStringLiteral("Sample 2"));
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT PlanName FROM hist_Plan WHERE PlanID = :p"), {{QStringLiteral(":p"), id}}).toString(),
                 QStringLiteral("Sample 2 copy"));
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT COUNT(*) FROM hist_Debts WHERE PlanID = :p"), {{QStringLiteral(":p"), id}}).toInt(),
                 count("SELECT COUNT(*) FROM hist_Debts WHERE PlanID = 2"));
        QVERIFY(!TAppinfo::GetPlanModified());
    }

    void dateFinderStoresThePledgeMoney()
    {
        QVERIFY(w->OpenSavedPlan(2));
        inNextDialog<TfDateFinder>([](TfDateFinder *d) {
            d->cbDebtFreeDate->setCurrentIndex(2);
            d->Button1Click();
        });
        item("mbDateFinderUse")->trigger();
        QVERIFY(dialogSeen);
        QCOMPARE(w->tcRight->currentIndex(), int(TfMain::tabIdxDebtReduction));
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT PledgeMoney FROM Plan")).toDouble(), 3505.0);
        QCOMPARE(w->fPlan->edPledgeMoney->text(), QStringLiteral("3505"));
        QVERIFY(TAppinfo::GetPlanModified());
    }

    // The panels reach each other through the window: a move switches the
    // plan to "Custom", which re-sorts the list and recomputes the page.
    void moveTurnsThePlanCustom()
    {
        QVERIFY(w->OpenSavedPlan(2));
        w->tcRight->setCurrentIndex(TfMain::tabIdxDebtReduction);
        const QString third = w->fDebts->sgDebts->item(2, TfDebts::colCreditorName)->text();
        w->SetDebtsTabActive();
        w->fDebts->GridCellClick(TfDebts::colMoveUp, 2);
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT Strategy FROM Plan")).toString(), QStringLiteral("Custom"));
        QCOMPARE(w->fPlan->Strategy(), QStringLiteral("Custom"));
        QCOMPARE(TAppinfo::GetPlanSort(), QStringLiteral("Priority"));
        QCOMPARE(w->fDebts->sgDebts->item(1, TfDebts::colCreditorName)->text(), third);
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT group_concat(RowID = Priority) FROM Debts")).toString(),
                 QStringLiteral("1,1,1,1,1"));
        QCOMPARE(w->tcRight->currentIndex(), int(TfMain::tabIdxDebts));
        QVERIFY(TAppinfo::GetPlanModified());
    }

    // A stored strategy that is none of the three keeps the stored order, like
    // "Custom", and leaves the strategy box without a choice.
    void unknownStoredStrategyKeepsTheStoredOrder()
    {
        fx->db().execBatch(QStringLiteral(
            "UPDATE Plan SET Strategy = 'Balanced';"
            "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) VALUES"
            " (1, 'Loan', 'Low', 3, 900, 60), (2, 'Credit Card', 'High', 24, 900, 60);"));
        w->ReloadWorkingPlan();
        QCOMPARE(w->findChild<QComboBox *>(QStringLiteral("cbPayoffStrategy"))->currentIndex(), -1);
        QCOMPARE(TAppinfo::GetPlanSort(), QStringLiteral("Priority"));
        QCOMPARE(w->fDebts->sgDebts->item(0, TfDebts::colCreditorName)->text(), QStringLiteral("Low"));
        QVERIFY(!TAppinfo::GetPlanModified());
    }

    void openPlanByName()
    {
        addDebt(QStringLiteral("Card"), 18, 1000, 50);
        TAppinfo::SetPlanModified(true);
        fx->answers.push_back(mrCancel);
        w->OpenPlanByName(QStringLiteral("Sample 2"));
        QCOMPARE(count("SELECT COUNT(*) FROM Debts"), 1);
        fx->answers.push_back(mrNo);
        w->OpenPlanByName(QStringLiteral("No Such Plan"));
        QCOMPARE(fx->boxes.back().kind, 1);
        QVERIFY(fx->boxes.back().text.startsWith(QStringLiteral("No saved plan has the id or name \"No Such Plan\".")));
        QCOMPARE(count("SELECT COUNT(*) FROM Debts"), 1);
        w->OpenPlanByName(QStringLiteral("Sample 2"));
        QCOMPARE(w->fPlan->GetPlanName(), QStringLiteral("Sample 2"));
    }

    void openSavedPlan()
    {
        QVERIFY(!w->OpenSavedPlan(9999));
        QVERIFY(w->OpenSavedPlan(2));
        QCOMPARE(w->fDebts->sgDebts->rowCount(), count("SELECT COUNT(*) FROM hist_Debts WHERE PlanID = 2"));
        QVERIFY(w->tcRight->isTabEnabled(TfMain::tabIdxDebtReduction));
        QCOMPARE(w->tcRight->currentIndex(), 0);
        QVERIFY(!TAppinfo::GetPlanModified());
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"

#include "UiFixture.h"

#include "app/TdmImages.h"
#include "editing/TfPlan.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

struct PlanRow {
    QString name, start, strategy, planType;
    QVariant pledge;
};

} // namespace

class Test_plan : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void loadingRunsNoHandlerAndTabbingChangesNothing();
    void planName_data();
    void planName();
    void controlsToDatabaseWritesEveryValueUntrimmed();
    void strategy_data();
    void strategy();
    void strategyLogLines();
    void pledgeMoney_data();
    void pledgeMoney();
    void planTypeWritesOnce();
    void startMonth_data();
    void startMonth();
    void startMonthPopupDismissedWritesNothing();

private:
    PlanRow row();
    void setRow(const QString &name, const QString &start, const QString &strategy, double pledge,
                const QString &planType);
    void reload();
    void showPanel();
    int modifiedLines(const QString &sender) const;
    void openCalendar();
    QWidget *calendarView();

    std::unique_ptr<UiFixture> fx;
    std::unique_ptr<RecordingHost> host;
    std::unique_ptr<TdmImages> images;
    std::unique_ptr<TfPlan> plan;
};

void Test_plan::init()
{
    fx = std::make_unique<UiFixture>();
    host = std::make_unique<RecordingHost>();
    if (!images)
        images = std::make_unique<TdmImages>();
    setRow(QStringLiteral("Start"), QStringLiteral("2026-06-05"), QStringLiteral("Avalanche"), 100,
           QStringLiteral("Immediate"));
    plan = std::make_unique<TfPlan>(*fx->dm, host.get());
}

void Test_plan::cleanup()
{
    plan.reset();
    host.reset();
    fx.reset();
}

PlanRow Test_plan::row()
{
    Statement q(fx->db(), QStringLiteral("SELECT PlanName, StartDate, Strategy, PledgeMoney, PlanType FROM Plan;"));
    PlanRow r;
    if (q.step())
        r = {q.getText(0), q.getText(1), q.getText(2), q.getText(4), q.getValue(3)};
    return r;
}

void Test_plan::setRow(const QString &name, const QString &start, const QString &strategy, double pledge,
                       const QString &planType)
{
    fx->db().execBatch(QStringLiteral("UPDATE Plan SET PlanID = 36, PlanName = :pn, StartDate = :sd, "
                                      "Strategy = :st, PledgeMoney = :pm, PlanType = :pt;"),
                       {{QStringLiteral(":pn"), name}, {QStringLiteral(":sd"), start},
                        {QStringLiteral(":st"), strategy}, {QStringLiteral(":pm"), pledge},
                        {QStringLiteral(":pt"), planType}});
}

// What the main window does when it loads a plan.
void Test_plan::reload()
{
    plan->DisableOnChangeEvents();
    plan->SQLDataToControls();
    plan->EnableOnChangeEvents();
}

void Test_plan::showPanel()
{
    plan->lytPlan->resize(230, 236);
    plan->lytPlan->show();
    QApplication::setActiveWindow(plan->lytPlan);
    QVERIFY(QTest::qWaitForWindowActive(plan->lytPlan));
}

// A click on the drop-down arrow at the right end of the box.
void Test_plan::openCalendar()
{
    QDateEdit *d = plan->dtStartMonth;
    QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(d->width() - 6, d->height() / 2));
}

// The calendar's day table, which has the keyboard while the popup is open.
QWidget *Test_plan::calendarView()
{
    QCalendarWidget *cal = plan->dtStartMonth->calendarWidget();
    return cal->focusProxy() ? cal->focusProxy() : cal;
}

int Test_plan::modifiedLines(const QString &sender) const
{
    return int(host->log.count(QStringLiteral("fPlan --> Inside SetModifiedToTrue --> %1 updated the database").arg(sender)));
}

void Test_plan::loadingRunsNoHandlerAndTabbingChangesNothing()
{
    setRow(QStringLiteral("  Trip  "), QStringLiteral("2027-03-05"), QStringLiteral("Snowball"), 250,
           QStringLiteral("Deferred"));
    TAppinfo::SetPlanId(0);
    host->debtReductionEnabled = true;
    reload();

    QCOMPARE(plan->edPlanName->text(), QStringLiteral("  Trip  "));
    QCOMPARE(plan->dtStartMonth->date(), QDate(2027, 3, 5));
    QCOMPARE(plan->cbPayoffStrategy->currentText(), QStringLiteral("Snowball"));
    QCOMPARE(plan->edPledgeMoney->text(), QStringLiteral("250"));
    QVERIFY(plan->rbDeferred->isChecked());
    QCOMPARE(TAppinfo::GetPlanId(), 36);
    QCOMPARE(TAppinfo::GetPlanSort(), QStringLiteral("Snowball DESC"));
    QVERIFY(host->log.isEmpty());
    QCOMPARE(host->refreshDebtGridCalls + host->updateDataLabelsCalls + host->debtsTabActiveCalls, 0);
    QVERIFY(!TAppinfo::GetPlanModified());
    QCOMPARE(row().name, QStringLiteral("  Trip  "));

    // Leaving every control without changing it writes nothing either.
    showPanel();
    plan->edPlanName->setFocus();
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(host->log.isEmpty());
    QVERIFY(!TAppinfo::GetPlanModified());
}

void Test_plan::planName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");

    QTest::addRow("blank") << QString() << "Plan Name goes here" << "Plan Name goes here" << true;
    QTest::addRow("blanks only") << "   " << "Plan Name goes here" << "Plan Name goes here" << true;
    QTest::addRow("trimmed when stored") << "  Car loan  " << "Car loan" << "  Car loan  " << false;
}

void Test_plan::planName()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(bool, refused);

    host->debtReductionEnabled = true;
    showPanel();
    plan->edPlanName->setFocus();
    plan->edPlanName->selectAll();
    QTest::keyClick(plan->edPlanName, Qt::Key_Backspace);
    QTest::keyClicks(plan->edPlanName, typed);
    QTest::keyClick(plan->edPlanName, Qt::Key_Tab);

    QCOMPARE(row().name, stored);
    QCOMPARE(plan->GetPlanName(), shown);
    QVERIFY(TAppinfo::GetPlanModified());
    QCOMPARE(modifiedLines(QStringLiteral("edPlanName")), 1);
    QCOMPARE(host->updateDataLabelsCalls, 0); // a name changes no figure
    QCOMPARE(fx->boxes.size(), std::size_t(refused ? 1 : 0));
    if (refused) {
        QCOMPARE(fx->boxes[0].text, QStringLiteral("Sorry, we can't accept a blank value.\nPlease enter a value and try again."));
        QCOMPARE(fx->boxes[0].kind, 1);
        QCOMPARE(QApplication::focusWidget(), plan->edPlanName);
        QCOMPARE(plan->edPlanName->selectedText(), shown);
    }
}

void Test_plan::controlsToDatabaseWritesEveryValueUntrimmed()
{
    plan->DisableOnChangeEvents();
    plan->edPlanName->setText(QStringLiteral("  Holiday  "));
    plan->dtStartMonth->setDate(QDate(2028, 1, 20));
    plan->cbPayoffStrategy->setCurrentText(QStringLiteral("Custom"));
    plan->edPledgeMoney->setText(QStringLiteral("75"));
    plan->rbDeferred->setChecked(true);
    plan->EnableOnChangeEvents();

    plan->SQLControlsToDatabase();
    const PlanRow r = row();
    QCOMPARE(r.name, QStringLiteral("  Holiday  "));
    QCOMPARE(r.start, QStringLiteral("2028-01-20"));
    QCOMPARE(r.strategy, QStringLiteral("Custom"));
    QCOMPARE(r.pledge.toDouble(), 75.0);
    QCOMPARE(r.planType, QStringLiteral("Deferred"));
    QVERIFY(!TAppinfo::GetPlanModified());

    // An amount typed but never confirmed that cannot be stored leaves the
    // stored one in place instead of writing infinity.
    plan->DisableOnChangeEvents();
    plan->edPledgeMoney->setText(QString(400, QLatin1Char('9')));
    plan->EnableOnChangeEvents();
    plan->SQLControlsToDatabase();
    QCOMPARE(row().pledge.toDouble(), 75.0);
    QCOMPARE(plan->edPledgeMoney->text(), QStringLiteral("75"));
}

void Test_plan::strategy_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("choose"); // an item text, or "SetStrategyToCustom"
    QTest::addColumn<bool>("tabEnabled");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("sort");
    QTest::addColumn<int>("refreshes");
    QTest::addColumn<int>("recomputes");
    QTest::addColumn<int>("debtsTab");

    QTest::addRow("snowball with debts") << "Avalanche" << "Snowball" << true << "Snowball" << "Snowball DESC" << 1 << 1 << 0;
    QTest::addRow("snowball without debts") << "Avalanche" << "Snowball" << false << "Snowball" << "Snowball DESC" << 1 << 0 << 0;
    QTest::addRow("custom brings debts tab") << "Snowball" << "Custom" << true << "Custom" << "Priority" << 1 << 1 << 1;
    QTest::addRow("avalanche from custom") << "Custom" << "Avalanche" << false << "Avalanche" << "Avalanche DESC" << 1 << 0 << 0;
    QTest::addRow("same strategy again") << "Snowball" << "Snowball" << true << "Snowball" << "Snowball DESC" << 0 << 0 << 0;
    QTest::addRow("debt move selects custom") << "Avalanche" << "SetStrategyToCustom" << true << "Custom" << "Priority" << 1 << 1 << 1;
    QTest::addRow("debt move under custom") << "Custom" << "SetStrategyToCustom" << true << "Custom" << "Priority" << 0 << 0 << 0;
}

void Test_plan::strategy()
{
    QFETCH(QString, from);
    QFETCH(QString, choose);
    QFETCH(bool, tabEnabled);
    QFETCH(QString, stored);
    QFETCH(QString, sort);
    QFETCH(int, refreshes);
    QFETCH(int, recomputes);
    QFETCH(int, debtsTab);

    setRow(QStringLiteral("P"), QStringLiteral("2026-06-05"), from, 100, QStringLiteral("Immediate"));
    reload();
    host->debtReductionEnabled = tabEnabled;
    // The debts list reads the sort clause when it refreshes.
    QString sortSeenByDebts;
    host->onRefreshDebtGrid = [&] { sortSeenByDebts = TAppinfo::GetPlanSort(); };

    if (choose == QLatin1String("SetStrategyToCustom"))
        plan->SetStrategyToCustom();
    else
        plan->cbPayoffStrategy->setCurrentIndex(plan->cbPayoffStrategy->findText(choose));

    QCOMPARE(row().strategy, stored);
    QCOMPARE(TAppinfo::GetPlanSort(), sort);
    QCOMPARE(host->refreshDebtGridCalls, refreshes);
    if (refreshes)
        QCOMPARE(sortSeenByDebts, sort);
    QCOMPARE(host->updateDataLabelsCalls, recomputes);
    QCOMPARE(host->debtsTabActiveCalls, debtsTab);
    QCOMPARE(TAppinfo::GetPlanModified(), refreshes > 0);
}

void Test_plan::strategyLogLines()
{
    plan->cbPayoffStrategy->setCurrentText(QStringLiteral("Snowball"));
    const QStringList expected{
        QStringLiteral("fPlan --> "),
        QStringLiteral("fPlan --> Begin PayoffStrategyChange( Sender: TObject )"),
        QStringLiteral("fPlan --> Inside SetModifiedToTrue --> cbPayoffStrategy updated the database"),
        QStringLiteral("fPlan --> SQL ORDER BY = Snowball DESC"),
        QStringLiteral("fPlan --> End PayoffStrategyChange( Sender: TObject )"),
        QStringLiteral("fPlan --> "),
    };
    QCOMPARE(host->log, expected);
}

void Test_plan::pledgeMoney_data()
{
    QTest::addColumn<bool>("typed");     // typed and left, or written by the Date Finder
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("stored");  // the row's amount afterwards (100 before)
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("box");    // start of the message, empty for none
    QTest::addColumn<int>("writes");

    const QString blank = QStringLiteral("Sorry, we can't accept a blank value.");
    const QString tooBig = QStringLiteral("Sorry, the pledge money must be a whole amount from 0 to 999,999,999,999.");
    QTest::addRow("typed amount") << true << "250" << 250.0 << "250" << QString() << 1;
    QTest::addRow("leading zeros") << true << "00042" << 42.0 << "00042" << QString() << 1;
    QTest::addRow("blank becomes 0") << true << QString() << 0.0 << "0" << blank << 1;
    QTest::addRow("largest accepted") << true << "999999999999" << 999999999999.0 << "999999999999" << QString() << 1;
    QTest::addRow("one above largest") << true << "1000000000000" << 100.0 << "100" << tooBig << 0;
    QTest::addRow("date finder amount") << false << "300" << 300.0 << "300" << QString() << 1;
    QTest::addRow("date finder same amount") << false << "100" << 100.0 << "100" << QString() << 0;
    QTest::addRow("400 digits") << false << QString(400, QLatin1Char('9')) << 100.0 << "100" << tooBig << 0;
    QTest::addRow("not digits") << false << "12.5" << 100.0 << "100" << tooBig << 0;
}

void Test_plan::pledgeMoney()
{
    QFETCH(bool, typed);
    QFETCH(QString, value);
    QFETCH(double, stored);
    QFETCH(QString, shown);
    QFETCH(QString, box);
    QFETCH(int, writes);

    host->debtReductionEnabled = true;
    if (typed) {
        showPanel();
        plan->edPledgeMoney->setFocus();
        plan->edPledgeMoney->selectAll();
        QTest::keyClick(plan->edPledgeMoney, Qt::Key_Backspace);
        QTest::keyClicks(plan->edPledgeMoney, value);
        QTest::keyClick(plan->edPledgeMoney, Qt::Key_Return);
    } else {
        plan->SetPledgeMoney(value);
    }

    const QVariant v = row().pledge;
    QCOMPARE(v.typeId(), int(QMetaType::LongLong)); // a number, never text or a real
    QCOMPARE(v.toDouble(), stored);
    QCOMPARE(plan->edPledgeMoney->text(), shown);
    QCOMPARE(fx->boxes.size(), std::size_t(box.isEmpty() ? 0 : 1));
    if (!box.isEmpty()) {
        QVERIFY2(fx->boxes[0].text.startsWith(box), qPrintable(fx->boxes[0].text));
        QCOMPARE(fx->boxes[0].kind, 1);
    }
    QCOMPARE(modifiedLines(QStringLiteral("edPledgeMoney")), writes);
    QCOMPARE(host->updateDataLabelsCalls, writes);
    if (!typed)
        QCOMPARE(TAppinfo::GetPlanModified(), writes > 0);
}

void Test_plan::planTypeWritesOnce()
{
    host->debtReductionEnabled = true;
    showPanel();
    plan->rbDeferred->click();
    QCOMPARE(row().planType, QStringLiteral("Deferred"));
    QCOMPARE(modifiedLines(QStringLiteral("rbImmediate")), 1);
    QCOMPARE(host->updateDataLabelsCalls, 1);
    QVERIFY(TAppinfo::GetPlanModified());

    host->debtReductionEnabled = false;
    plan->rbImmediate->click();
    QCOMPARE(row().planType, QStringLiteral("Immediate"));
    QCOMPARE(modifiedLines(QStringLiteral("rbImmediate")), 2);
    QCOMPARE(host->updateDataLabelsCalls, 1);
}

void Test_plan::startMonth_data()
{
    QTest::addColumn<bool>("viaPopup");
    QTest::addColumn<bool>("tabEnabled");
    QTest::addRow("calendar popup") << true << true;
    QTest::addRow("keyboard") << false << true;
    QTest::addRow("keyboard without debts") << false << false;
}

void Test_plan::startMonth()
{
    QFETCH(bool, viaPopup);
    QFETCH(bool, tabEnabled);

    host->debtReductionEnabled = tabEnabled;
    showPanel();
    plan->dtStartMonth->setFocus();
    if (viaPopup) {
        openCalendar();
        QCalendarWidget *cal = plan->dtStartMonth->calendarWidget();
        QTRY_VERIFY(cal->isVisible());
        cal->setSelectedDate(QDate(2026, 7, 5));
        QTest::keyClick(calendarView(), Qt::Key_Return); // picks the date and closes
        QTRY_VERIFY(!cal->isVisible());
    } else {
        QTest::keyClick(plan->dtStartMonth, Qt::Key_Home);
        QTest::keyClick(plan->dtStartMonth, Qt::Key_Up); // month section: June -> July
        QCOMPARE(host->log.size(), 0); // nothing until the edit is finished
        QTest::keyClick(plan->dtStartMonth, Qt::Key_Return);
    }

    QTRY_COMPARE(row().start, QStringLiteral("2026-07-05"));
    QCOMPARE(modifiedLines(QStringLiteral("dtStartMonth")), 1);
    QVERIFY(TAppinfo::GetPlanModified());
    QCOMPARE(host->updateDataLabelsCalls, tabEnabled ? 1 : 0);
    if (viaPopup)
        QVERIFY(!plan->dtStartMonth->hasFocus());

    // Leaving the box afterwards stores nothing more.
    plan->edPlanName->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(modifiedLines(QStringLiteral("dtStartMonth")), 1);
}

void Test_plan::startMonthPopupDismissedWritesNothing()
{
    showPanel();
    plan->dtStartMonth->setFocus();
    openCalendar();
    QCalendarWidget *cal = plan->dtStartMonth->calendarWidget();
    QTRY_VERIFY(cal->isVisible());
    QTest::keyClick(calendarView(), Qt::Key_Escape);
    QTRY_VERIFY(!cal->isVisible());
    QTest::qWait(20);
    QCOMPARE(plan->dtStartMonth->date(), QDate(2026, 6, 5));
    QCOMPARE(row().start, QStringLiteral("2026-06-05"));
    QVERIFY(host->log.isEmpty());
    QVERIFY(!TAppinfo::GetPlanModified());
}

QTEST_MAIN(Test_plan)
#include "tst_plan.moc"

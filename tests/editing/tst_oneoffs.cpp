#include "UiFixture.h"

#include "app/Clock.h"
#include "app/TdmImages.h"
#include "editing/TfOneoffs.h"

#include <QApplication>
#include <QDateEdit>
#include <QLocale>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

struct Payment {
    int rowid;
    QString date;
    double amount;
    bool operator==(const Payment &o) const { return rowid == o.rowid && date == o.date && amount == o.amount; }
};

using Payments = std::vector<Payment>;

const QDate Today(2026, 6, 10);

} // namespace

Q_DECLARE_METATYPE(Payments)

namespace QTest {
template <>
char *toString(const Payments &ps)
{
    QStringList parts;
    for (const Payment &p : ps)
        parts << QStringLiteral("(%1 %2 %3)").arg(p.rowid).arg(p.date).arg(p.amount);
    return qstrdup(qPrintable(parts.join(QLatin1Char(' '))));
}
} // namespace QTest

class Test_oneoffs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void addKeepsSameDatesAndListsInDateOrder();
    void zeroAmountRefused();
    void gridClicks_data();
    void gridClicks();
    void recomputeOnlyWithDebts_data();
    void recomputeOnlyWithDebts();
    void reloadAfterEditNeverUpdatesNewPlan();

private:
    Payments rows();
    void enter(const QDate &date, int amount);
    void clickCell(int row, int column);

    std::unique_ptr<UiFixture> fx;
    std::unique_ptr<RecordingHost> host;
    std::unique_ptr<TdmImages> images;
    std::unique_ptr<TfOneoffs> panel;
};

void Test_oneoffs::init()
{
    Clock::Override = [] { return Today; };
    fx = std::make_unique<UiFixture>();
    host = std::make_unique<RecordingHost>();
    if (!images)
        images = std::make_unique<TdmImages>();
    panel = std::make_unique<TfOneoffs>(*fx->dm, host.get());
    panel->lytOneoffs->resize(230, 260);
    panel->lytOneoffs->show();
    QApplication::setActiveWindow(panel->lytOneoffs);
    QVERIFY(QTest::qWaitForWindowActive(panel->lytOneoffs));
}

void Test_oneoffs::cleanup()
{
    panel.reset();
    host.reset();
    fx.reset();
    Clock::Override = nullptr;
}

Payments Test_oneoffs::rows()
{
    Statement q(fx->db(), QStringLiteral("SELECT rowid, OneOffDate, OneOffPayment FROM OneOffPayments ORDER BY rowid;"));
    Payments ps;
    while (q.step())
        ps.push_back({q.getInt(0), q.getText(1), q.getDouble(2)});
    return ps;
}

// As a person does it: pick the date, type the amount, press Enter.
void Test_oneoffs::enter(const QDate &date, int amount)
{
    panel->dtOneOffDate->setDate(date);
    panel->nbOneOffAmount->setFocus();
    panel->nbOneOffAmount->selectAll();
    QTest::keyClicks(panel->nbOneOffAmount, QString::number(amount));
    QTest::keyClick(panel->nbOneOffAmount, Qt::Key_Return);
}

void Test_oneoffs::clickCell(int row, int column)
{
    QTableWidget *g = panel->sgPayments;
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row, column)).center());
}

void Test_oneoffs::addKeepsSameDatesAndListsInDateOrder()
{
    enter(QDate(2026, 9, 1), 1500);
    enter(QDate(2026, 9, 1), 250);
    enter(QDate(2025, 1, 31), 1000000); // before the start month and the past are fine

    const Payments expected{{1, "2026-09-01", 1500}, {2, "2026-09-01", 250}, {3, "2025-01-31", 1000000}};
    QCOMPARE(rows(), expected);
    QTableWidget *g = panel->sgPayments;
    QCOMPARE(g->rowCount(), 3);
    QCOMPARE(g->item(0, TfOneoffs::colRowID)->data(Qt::UserRole).toInt(), 3);
    QCOMPARE(g->item(0, TfOneoffs::colStartDate)->text(), QLocale().toString(QDate(2025, 1, 31), QLocale::ShortFormat));
    QCOMPARE(g->item(0, TfOneoffs::colAmount)->text(), QStringLiteral("1,000,000"));
    QCOMPARE(g->item(1, TfOneoffs::colAmount)->text(), QStringLiteral("1,500"));
    QVERIFY(g->isColumnHidden(TfOneoffs::colRowID));
    QVERIFY(g->selectedItems().isEmpty());

    // Back in add mode with today's date after every add.
    QCOMPARE(panel->RowID(), 0);
    QCOMPARE(panel->dtOneOffDate->date(), Today);
    QCOMPARE(panel->nbOneOffAmount->value(), 0);
    QCOMPARE(panel->btnAddUpdate->toolTip(), QStringLiteral("Add"));
    QVERIFY(TAppinfo::GetPlanModified());
    QCOMPARE(host->log.count(QStringLiteral("fOneOffs --> Inside SetModifiedToTrue --> btnAddUpdate updated the database")), 3);
    const QStringList resetLines{
        QStringLiteral("fOneOffs --> FRowID set to 0"),
        QStringLiteral("fOneOffs --> DateEdit1.Date set to ") + QLocale().toString(Today, QLocale::ShortFormat),
        QStringLiteral("fOneOffs --> NumberBox1.Value set to 0"),
    };
    QCOMPARE(host->log.mid(host->log.size() - 4, 3), resetLines);

    // "Today" is asked again at every reset.
    Clock::Override = [] { return QDate(2031, 1, 15); };
    panel->btnCancel->click();
    QCOMPARE(panel->dtOneOffDate->date(), QDate(2031, 1, 15));
}

void Test_oneoffs::zeroAmountRefused()
{
    panel->dtOneOffDate->setFocus();
    QTest::keyClick(panel->dtOneOffDate, Qt::Key_Return);
    QVERIFY(rows().empty());
    QCOMPARE(fx->boxes.size(), std::size_t(1));
    QCOMPARE(fx->boxes[0].text, QStringLiteral("Sorry, we can't accept a value of 0 (zero).\n"
                                               "Please enter a value greater than 0 (zero) and try again."));
    QCOMPARE(fx->boxes[0].kind, 1);
    QCOMPARE(QApplication::focusWidget(), panel->nbOneOffAmount);
    QVERIFY(!TAppinfo::GetPlanModified());
}

void Test_oneoffs::gridClicks_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Payments>("after");
    QTest::addColumn<bool>("modified");

    // Row 0 of the grid is rowid 2 (the earlier date).
    const Payment a{1, "2026-09-01", 300}, b{2, "2026-07-01", 100};
    QTest::addRow("edit and update") << "update" << Payments{a, {2, "2027-02-03", 450}} << true;
    QTest::addRow("edit and cancel") << "cancel" << Payments{a, b} << false;
    QTest::addRow("delete, yes") << "delete yes" << Payments{a} << true;
    QTest::addRow("delete, no") << "delete no" << Payments{a, b} << false;
    QTest::addRow("click on the date") << "date" << Payments{a, b} << false;
}

void Test_oneoffs::gridClicks()
{
    QFETCH(QString, action);
    QFETCH(Payments, after);
    QFETCH(bool, modified);

    fx->db().execBatch(QStringLiteral("INSERT INTO OneOffPayments VALUES ('2026-09-01', 300), ('2026-07-01', 100);"));
    panel->SQLDataToGrid();

    if (action == QLatin1String("update") || action == QLatin1String("cancel")) {
        clickCell(0, TfOneoffs::colEdit);
        QCOMPARE(panel->RowID(), 2);
        QCOMPARE(panel->dtOneOffDate->date(), QDate(2026, 7, 1));
        QCOMPARE(panel->nbOneOffAmount->value(), 100);
        QCOMPARE(panel->btnAddUpdate->toolTip(), QStringLiteral("Update"));
        QVERIFY(host->log.contains(QStringLiteral("fOneOffs --> FRowID set to 2")));
        QVERIFY(host->log.contains(QStringLiteral("fOneOffs --> NumberBox1.Value set to 100")));
        if (action == QLatin1String("update"))
            enter(QDate(2027, 2, 3), 450);
        else
            panel->btnCancel->click();
        QCOMPARE(panel->RowID(), 0);
        QCOMPARE(panel->btnAddUpdate->toolTip(), QStringLiteral("Add"));
    } else if (action.startsWith(QLatin1String("delete"))) {
        fx->answers.push_back(action.endsWith(QLatin1String("yes")) ? mrYes : mrNo);
        clickCell(0, TfOneoffs::colDelete);
        QCOMPARE(fx->boxes.size(), std::size_t(1));
        QCOMPARE(fx->boxes[0].text, QStringLiteral("Are you sure you want to permanently delete this item?\n"
                                                   "( Warning, this action cannot be undone. )"));
        QCOMPARE(fx->boxes[0].buttons, mbYesNo);
        QCOMPARE(fx->boxes[0].kind, 0);
    } else {
        clickCell(0, TfOneoffs::colStartDate);
        QCOMPARE(panel->RowID(), 0);
    }

    QCOMPARE(rows(), after);
    QCOMPARE(panel->sgPayments->rowCount(), int(after.size()));
    QCOMPARE(TAppinfo::GetPlanModified(), modified);
    if (action == QLatin1String("delete yes"))
        QVERIFY(host->log.contains(QStringLiteral("fOneOffs --> Inside SetModifiedToTrue --> colDelete updated the database")));
}

void Test_oneoffs::recomputeOnlyWithDebts_data()
{
    QTest::addColumn<bool>("tabEnabled");
    QTest::addRow("with debts") << true;
    QTest::addRow("without debts") << false;
}

void Test_oneoffs::recomputeOnlyWithDebts()
{
    QFETCH(bool, tabEnabled);
    host->debtReductionEnabled = tabEnabled;
    enter(QDate(2026, 8, 1), 500);
    clickCell(0, TfOneoffs::colEdit);
    enter(QDate(2026, 8, 1), 600);
    clickCell(0, TfOneoffs::colDelete);
    QVERIFY(rows().empty());
    QCOMPARE(host->updateDataLabelsCalls, tabEnabled ? 3 : 0);
}

void Test_oneoffs::reloadAfterEditNeverUpdatesNewPlan()
{
    fx->db().execBatch(QStringLiteral("INSERT INTO OneOffPayments VALUES ('2026-09-01', 300);"));
    panel->SQLDataToGrid();
    clickCell(0, TfOneoffs::colEdit);
    QCOMPARE(panel->RowID(), 1);

    // Another plan is opened: what the main window does on reload.
    fx->dm->CopyPlanFromHist(2);
    panel->ResetEntryFields(1);
    panel->SQLDataToGrid();
    const Payments plan2 = rows();
    QCOMPARE(plan2.size(), std::size_t(2));

    enter(QDate(2026, 12, 24), 777);
    Payments expected = plan2;
    expected.push_back({3, "2026-12-24", 777});
    QCOMPARE(rows(), expected);
    QCOMPARE(panel->sgPayments->rowCount(), 3);
}

QTEST_MAIN(Test_oneoffs)
#include "tst_oneoffs.moc"

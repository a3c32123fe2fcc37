#include "UiFixture.h"

#include "app/TdmImages.h"
#include "store/ui/TfChooser.h"

#include <QAction>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

namespace {

QStringList listedNames(const TfChooser &dlg)
{
    QStringList names;
    for (int r = 0; r < dlg.sgChooser->rowCount(); ++r)
        names << dlg.sgChooser->item(r, TfChooser::colName)->text();
    return names;
}

int selectedRow(const TfChooser &dlg)
{
    const auto ranges = dlg.sgChooser->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.first().topRow();
}

int rowsOfPlan(Database &db, const char *table, int planId)
{
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE PlanId = :pid").arg(QLatin1String(table)),
                     {{QStringLiteral(":pid"), planId}}).toInt();
}

void clickCell(TfChooser &dlg, int row, int column)
{
    const QRect r = dlg.sgChooser->visualItemRect(dlg.sgChooser->item(row, column));
    QTest::mouseClick(dlg.sgChooser->viewport(), Qt::LeftButton, {}, r.center());
}

void turnWheel(TfChooser &dlg, int angle)
{
    QWidget *vp = dlg.sgChooser->viewport();
    const QPointF pos = vp->rect().center();
    QWheelEvent ev(pos, vp->mapToGlobal(pos), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(vp, &ev);
}

} // namespace

class Test_chooser : public QObject {
    Q_OBJECT
    std::unique_ptr<TdmImages> images;
    std::unique_ptr<UiFixture> fx;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        images = std::make_unique<TdmImages>();
    }
    void init()
    {
        fx = std::make_unique<UiFixture>();
        TAppinfo::SetPlanId(0);
        // Names that only byte order sorts this way, and a plan without debts.
        fx->db().execBatch(QStringLiteral(
            "INSERT INTO hist_Plan (PlanID, PlanName, StartDate, Strategy, PledgeMoney, PlanType, DateLastUpdated) "
            "VALUES (40, 'apple', '2027-01-15', 'Snowball', 0, 'Immediate', '2026-12-31'), "
            "(41, 'Zeta', '2026-02-01', 'Custom', 0, 'Deferred', '2026-01-02');"
            "INSERT INTO hist_Debts (PlanID, Priority, DebtType, CreditorName, APR, Balance, Payment) "
            "VALUES (40, 1, 'Loan', 'Car', 3, 1234.5, 100);"));
    }
    void cleanup() { fx.reset(); }

    void listsSavedPlansButTheCurrentOne_data()
    {
        QTest::addColumn<int>("currentId");
        QTest::addColumn<QStringList>("names");
        QTest::addRow("never saved") << 0 << QStringList{"Sample 1", "Sample 2", "Sample 3", "Zeta", "apple"};
        QTest::addRow("Sample 2 open") << 2 << QStringList{"Sample 1", "Sample 3", "Zeta", "apple"};
        QTest::addRow("apple open") << 40 << QStringList{"Sample 1", "Sample 2", "Sample 3", "Zeta"};
    }
    void listsSavedPlansButTheCurrentOne()
    {
        QFETCH(int, currentId);
        QFETCH(QStringList, names);
        TAppinfo::SetPlanId(currentId);
        TfChooser dlg(*fx->dm);
        QCOMPARE(listedNames(dlg), names);
        for (int r = 0; r < dlg.sgChooser->rowCount(); ++r)
            QVERIFY(dlg.PlanIdOfRow(r) != currentId);
        QCOMPARE(selectedRow(dlg), 0);
        QVERIFY(dlg.Button2->isEnabled());
    }

    void gridLayout()
    {
        TfChooser dlg(*fx->dm);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Open Existing Plan"));
        QVERIFY(dlg.minimumWidth() == 836 && dlg.minimumHeight() == 351);
        QCOMPARE(dlg.size(), QSize(836, 454));
        const QStringList headers{"", "", "Plan Name", "Start Date", "Strategy", "Total Debts",
                                  "Cards", "Loans", "One-Offs", "Last Updated"};
        const int widths[] = {20, -1, 240, 80, 80, -1, 60, 60, 60, 90};
        for (int c = 0; c < TfChooser::ColumnCount; ++c) {
            QCOMPARE(dlg.sgChooser->horizontalHeaderItem(c)->text(), headers[c]);
            if (widths[c] > 0)
                QCOMPARE(dlg.sgChooser->columnWidth(c), widths[c]);
        }
        QVERIFY(dlg.sgChooser->isColumnHidden(TfChooser::colPlanId));
        QVERIFY(!dlg.sgChooser->horizontalHeader()->sectionsMovable());
        QCOMPARE(dlg.sgChooser->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(dlg.sgChooser->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(!dlg.sgChooser->item(0, TfChooser::colDelete)->icon().isNull());
    }

    void formatsColumns_data()
    {
        QTest::addColumn<int>("planId");
        QTest::addColumn<QStringList>("texts"); // Start, Strategy, Total, Cards, Loans, One-Offs, Updated
        QTest::addColumn<double>("balance");
        QTest::addRow("Sample 2") << 2 << QStringList{"Jun 2026", "Avalanche", "11,742.00", "4", "1", "2", "06-04-2026"} << 11742.0;
        QTest::addRow("Sample 3") << 3 << QStringList{"Jun 2026", "Custom", "190,742.00", "4", "2", "2", "06-04-2026"} << 190742.0;
        QTest::addRow("cents") << 40 << QStringList{"Jan 2027", "Snowball", "1,234.50", "0", "1", "0", "12-31-2026"} << 1234.5;
        QTest::addRow("no debts") << 41 << QStringList{"Feb 2026", "Custom", "0.00", "0", "0", "0", "01-02-2026"} << 0.0;
    }
    void formatsColumns()
    {
        QFETCH(int, planId);
        QFETCH(QStringList, texts);
        QFETCH(double, balance);
        TfChooser dlg(*fx->dm);
        int row = -1;
        for (int r = 0; r < dlg.sgChooser->rowCount(); ++r)
            if (dlg.PlanIdOfRow(r) == planId)
                row = r;
        QVERIFY(row >= 0);
        const int columns[] = {TfChooser::colStartDate, TfChooser::colStrategy, TfChooser::colBalance,
                               TfChooser::colCards, TfChooser::colLoans, TfChooser::colOneOffs, TfChooser::DateColumn1};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(dlg.sgChooser->item(row, columns[i])->text(), texts[i]);
        QCOMPARE(dlg.sgChooser->item(row, TfChooser::colBalance)->data(Qt::UserRole).toDouble(), balance);
        QCOMPARE(Qt::Alignment(dlg.sgChooser->item(row, TfChooser::colBalance)->textAlignment()) & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        QCOMPARE(Qt::Alignment(dlg.sgChooser->item(row, TfChooser::colStartDate)->textAlignment()) & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QCOMPARE(Qt::Alignment(dlg.sgChooser->item(row, TfChooser::DateColumn1)->textAlignment()) & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QVERIFY(!(dlg.sgChooser->item(row, TfChooser::colName)->flags() & Qt::ItemIsEditable));
    }

    void deleteFromFirstColumn_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addRow("yes deletes") << mrYes;
        QTest::addRow("no keeps") << mrNo;
    }
    void deleteFromFirstColumn()
    {
        QFETCH(int, answer);
        TfChooser dlg(*fx->dm);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        clickCell(dlg, 2, TfChooser::colName); // the reload must not keep this selection
        QCOMPARE(selectedRow(dlg), 2);
        fx->answers.push_back(answer);
        clickCell(dlg, 1, TfChooser::colDelete); // Sample 2

        QCOMPARE(fx->boxes.size(), size_t(1));
        QCOMPARE(fx->boxes[0].text, QStringLiteral("Are you sure you want to permanently delete this item?\n"
                                                   "( Warning, this action cannot be undone. )"));
        QCOMPARE(fx->boxes[0].kind, 0);
        QCOMPARE(fx->boxes[0].buttons, mbYesNo);
        const bool deleted = answer == mrYes;
        const std::pair<const char *, int> sample2Rows[] = {{"hist_Plan", 1}, {"hist_Debts", 5}, {"hist_OneOffPayments", 2}};
        for (const auto &[table, rows] : sample2Rows)
            QCOMPARE(rowsOfPlan(fx->db(), table, 2), deleted ? 0 : rows);
        QCOMPARE(rowsOfPlan(fx->db(), "hist_Debts", 1), 5);
        QCOMPARE(rowsOfPlan(fx->db(), "hist_OneOffPayments", 3), 2);
        QCOMPARE(listedNames(dlg).contains("Sample 2"), !deleted);
        QCOMPARE(selectedRow(dlg), deleted ? 0 : 1); // the click itself selects its row
        QVERIFY(dlg.isVisible());
    }

    void deleteIsAllOrNothing()
    {
        fx->db().execBatch(QStringLiteral(
            "CREATE TRIGGER keep_plans BEFORE DELETE ON hist_Plan BEGIN SELECT RAISE(ABORT, 'kept'); END;"));
        TfChooser dlg(*fx->dm);
        QVERIFY_THROWS_EXCEPTION(DbError, dlg.DeleteSavedPlan(2));
        QCOMPARE(rowsOfPlan(fx->db(), "hist_Plan", 2), 1);
        QCOMPARE(rowsOfPlan(fx->db(), "hist_Debts", 2), 5);
        QCOMPARE(rowsOfPlan(fx->db(), "hist_OneOffPayments", 2), 2);
    }

    void deletingEveryPlanLeavesNothingToOpen()
    {
        TAppinfo::SetPlanId(7);
        TfChooser dlg(*fx->dm);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        while (dlg.sgChooser->rowCount() > 0)
            clickCell(dlg, 0, TfChooser::colDelete);
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT COUNT(*) FROM hist_Plan")).toInt(), 0);
        QCOMPARE(selectedRow(dlg), -1);
        QVERIFY(!dlg.Button2->isEnabled());
        QVERIFY(!dlg.mnuSelect->isEnabled());
        dlg.Button2Click();
        dlg.mnuSelectClick();
        QVERIFY(dlg.isVisible());
        QCOMPARE(TAppinfo::GetPlanId(), 7);
        QCOMPARE(dlg.PlanIdOfRow(0), 0);
    }

    void choosingClosesWithThePlan_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addRow("double-click") << "dblclick" << int(QDialog::Accepted);
        QTest::addRow("OK") << "ok" << int(QDialog::Accepted);
        QTest::addRow("menu select") << "menuSelect" << int(QDialog::Accepted);
        QTest::addRow("Cancel") << "cancel" << int(QDialog::Rejected);
        QTest::addRow("menu cancel") << "menuCancel" << int(QDialog::Rejected);
    }
    void choosingClosesWithThePlan()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        TAppinfo::SetPlanId(1);
        TfChooser dlg(*fx->dm);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const int row = 2; // Zeta
        const QRect r = dlg.sgChooser->visualItemRect(dlg.sgChooser->item(row, TfChooser::colStrategy));
        if (how == "dblclick") {
            QTest::mouseClick(dlg.sgChooser->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(dlg.sgChooser->viewport(), Qt::LeftButton, {}, r.center());
        } else {
            QTest::mouseClick(dlg.sgChooser->viewport(), Qt::LeftButton, {}, r.center());
            if (how == "ok")
                QTest::mouseClick(dlg.Button2, Qt::LeftButton);
            else if (how == "cancel")
                QTest::mouseClick(dlg.Button1, Qt::LeftButton);
            else if (how == "menuSelect")
                dlg.mnuSelect->trigger();
            else
                dlg.mnuCancel->trigger();
        }
        QCOMPARE(dlg.result(), result);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(TAppinfo::GetPlanId(), result == QDialog::Accepted ? 41 : 1);
        QVERIFY(fx->boxes.empty());
    }

    void wheelMovesTheSelection()
    {
        TfChooser dlg(*fx->dm);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const int last = dlg.sgChooser->rowCount() - 1;
        turnWheel(dlg, 120); // up at the first row
        QCOMPARE(selectedRow(dlg), 0);
        turnWheel(dlg, -120);
        turnWheel(dlg, -120);
        QCOMPARE(selectedRow(dlg), 2);
        turnWheel(dlg, 120);
        QCOMPARE(selectedRow(dlg), 1);
        for (int i = 0; i < 10; ++i)
            turnWheel(dlg, -120);
        QCOMPARE(selectedRow(dlg), last);
        dlg.Button2Click();
        QCOMPARE(TAppinfo::GetPlanId(), 40); // apple sorts last
    }
};

QTEST_MAIN(Test_chooser)
#include "tst_chooser.moc"

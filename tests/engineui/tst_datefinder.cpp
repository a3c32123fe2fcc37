#include "UiFixture.h"

#include "app/TdmImages.h"
#include "engine/ui/TfDateFinder.h"
#include "engine/ui/TfPaymentRec.h"
#include "store/DebtOrder.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

class Test_datefinder : public QObject {
    Q_OBJECT
    std::unique_ptr<TdmImages> images;
    std::unique_ptr<UiFixture> fx;
    std::unique_ptr<TfPaymentRec> engine;

    void openSavedPlan(int planId) { fx->openSavedPlan(planId); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        images = std::make_unique<TdmImages>();
    }
    void init()
    {
        fx = std::make_unique<UiFixture>();
        TAppinfo::SetMinPmtAllowed(25);
        TAppinfo::DateFinderMonths = 18;
        engine = std::make_unique<TfPaymentRec>(*fx->dm);
        openSavedPlan(2);
    }
    void cleanup()
    {
        engine.reset();
        fx.reset();
    }

    void offersTheMonthsBeforeTheNoPledgePayoff()
    {
        QCOMPARE(engine->Engine().KorvoMonthsNoPledgeMoney(), 43);
        TfDateFinder dlg(*engine);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Date Finder™"));
        QCOMPARE(dlg.size(), QSize(584, 314));
        QCOMPARE(dlg.FDateFinderMaxMonths, 42);
        QCOMPARE(dlg.FDateFinderStartMonth, QDate(2026, 6, 5));
        QComboBox *cb = dlg.cbDebtFreeDate;
        QCOMPARE(cb->count(), 42);
        QCOMPARE(cb->currentIndex(), 0);
        QCOMPARE(cb->itemText(0), QStringLiteral("Jun 2026 (1 month)"));
        QCOMPARE(cb->itemText(1), QStringLiteral("Jul 2026 (2 months)"));
        QCOMPARE(cb->itemText(7), QStringLiteral("Jan 2027 (8 months)"));
        QCOMPARE(cb->itemText(41), QStringLiteral("Nov 2029 (42 months)"));
        QVERIFY(dlg.Button1->isEnabled());
        QVERIFY(!dlg.lblNoDates->isVisibleTo(&dlg));
        QCOMPARE(TAppinfo::DateFinderMonths, 18); // nothing chosen yet
    }

    void chosenMonthGivesTheSmallestPledge_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<double>("pledge");
        QTest::addRow("1 month") << 1 << 11563.0;
        QTest::addRow("2 months") << 2 << 5395.0;
        QTest::addRow("3 months") << 3 << 3505.0;
        QTest::addRow("4 months") << 4 << 2560.0;
        QTest::addRow("5 months") << 5 << 1993.0;
    }
    void chosenMonthGivesTheSmallestPledge()
    {
        QFETCH(int, entry);
        QFETCH(double, pledge);
        TfDateFinder dlg(*engine);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.cbDebtFreeDate->setCurrentIndex(entry - 1);
        QTest::mouseClick(dlg.Button1, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(TAppinfo::DateFinderMonths, entry);

        engine->Engine().btnDateFinderClick();
        QCOMPARE(TAppinfo::DateFinderPledgeMoney, pledge);
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT MAX(PaymentNumber) FROM tblKXPaymentsFromArray")).toInt(), entry);
    }

    void cancelChangesNothing()
    {
        TfDateFinder dlg(*engine);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.cbDebtFreeDate->setCurrentIndex(4);
        QTest::mouseClick(dlg.Button2, Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(TAppinfo::DateFinderMonths, 18);
    }

    void helpOpensTheDateFinderPage()
    {
        TfDateFinder dlg(*engine);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QStringList opened;
        dlg.OnHelp = [&](const QString &page, const QString &key) { opened << page << key; };
        dlg.Button3->setFocus();
        QTest::mouseClick(dlg.Button3, Qt::LeftButton);
        QCOMPARE(opened, (QStringList{"quick-start-guide.php?goto=drt-debtfreedate", "menu_date_finder_learn_about"}));
        QVERIFY(!dlg.Button3->hasFocus());
        QVERIFY(dlg.isVisible());
    }

    // A plan paid off at once without pledge money has no earlier month to offer.
    void shortPlans_data()
    {
        QTest::addColumn<QString>("debts");
        QTest::addColumn<QStringList>("entries");
        QTest::addRow("paid off in the first month")
            << "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) VALUES (1, 'Loan', 'A', 0, 50, 60);"
            << QStringList{};
        QTest::addRow("no debts") << "" << QStringList{};
        QTest::addRow("paid off in two months")
            << "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) VALUES (1, 'Loan', 'A', 0, 100, 60);"
            << QStringList{"Jun 2026 (1 month)"};
    }
    void shortPlans()
    {
        QFETCH(QString, debts);
        QFETCH(QStringList, entries);
        fx->db().execBatch(QStringLiteral("DELETE FROM Debts; DELETE FROM OneOffPayments;") + debts);
        TfDateFinder dlg(*engine);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.cbDebtFreeDate->count(), int(entries.size()));
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(dlg.cbDebtFreeDate->itemText(i), entries[i]);
        const bool empty = entries.isEmpty();
        QCOMPARE(dlg.Button1->isEnabled(), !empty);
        QCOMPARE(dlg.lblNoDates->isVisible(), empty);
        dlg.Button1Click();
        QCOMPARE(dlg.isVisible(), empty);
        QCOMPARE(TAppinfo::DateFinderMonths, empty ? 18 : 1);
    }
};

QTEST_MAIN(Test_datefinder)
#include "tst_datefinder.moc"

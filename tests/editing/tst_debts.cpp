#include "UiFixture.h"

#include "app/TdmImages.h"
#include "editing/TfDebts.h"
#include "store/DebtOrder.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <optional>

namespace {

const QString kBlank = QStringLiteral("Sorry, we can't accept a blank value.\nPlease enter a value and try again.");
const QString kZero = QStringLiteral("Sorry, we can't accept a value of 0 (zero).\n"
                                     "Please enter a value greater than 0 (zero) and try again.");
const QString kLow = QStringLiteral("Sorry, that Payment is too low and cannot be used.\n"
                                    "Please enter a value greater than or equal to %1.");
const QString kDelete = QStringLiteral("Are you sure you want to permanently delete this item?\n"
                                       "( Warning, this action cannot be undone. )");

} // namespace

class Test_debts : public QObject {
    Q_OBJECT

    std::optional<TdmImages> images;
    std::unique_ptr<UiFixture> fx;
    std::unique_ptr<RecordingHost> host;
    std::unique_ptr<TfDebts> d;

    void addDebtSql(const QString &type, const QString &name, double apr, double balance, double payment)
    {
        Database &db = fx->db();
        const int next = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Debts")).toInt() + 1;
        Statement st(db, QStringLiteral("INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) "
                                        "VALUES (:p, :t, :n, :a, :b, :m)"));
        st.bind(":p", next).bind(":t", type).bind(":n", name).bind(":a", apr).bind(":b", balance).bind(":m", payment);
        st.exec();
    }

    void enter(const QString &type, const QString &name, double apr, double balance, double payment)
    {
        d->edDebtType->setCurrentText(type);
        d->edCreditorName->setText(name);
        d->edAPR->setValue(apr);
        d->edBalance->setValue(balance);
        d->edPayment->setValue(payment);
    }

    int debtCount() { return fx->db().scalar(QStringLiteral("SELECT COUNT(*) FROM Debts")).toInt(); }

    QStringList namesByRowid()
    {
        QStringList out;
        Statement st(fx->db(), QStringLiteral("SELECT CreditorName FROM Debts ORDER BY rowid"));
        while (st.step())
            out << st.getText(0);
        return out;
    }

    QStringList gridNames()
    {
        QStringList out;
        for (int r = 0; r < d->sgDebts->rowCount(); ++r)
            out << d->GridCreditorName(r);
        return out;
    }

    // Rowids and priorities are 1..n and the grid shows the table in that order.
    void verifyNumbering()
    {
        Statement st(fx->db(), QStringLiteral("SELECT rowid, Priority, CreditorName FROM Debts ORDER BY rowid"));
        int n = 0;
        while (st.step()) {
            ++n;
            QCOMPARE(st.getInt(0), n);
            QCOMPARE(st.getDouble(1), double(n));
            QVERIFY(n <= d->sgDebts->rowCount());
            QCOMPARE(d->GridRowID(n - 1), n);
            QCOMPARE(d->GridPriority(n - 1), double(n));
            QCOMPARE(d->sgDebts->item(n - 1, TfDebts::colPriority)->text(), QString::number(n));
            QCOMPARE(d->GridCreditorName(n - 1), st.getText(2));
        }
        QCOMPARE(d->sgDebts->rowCount(), n);
    }

    QPoint cellCenter(int row, int column)
    {
        return d->sgDebts->visualItemRect(d->sgDebts->item(row, column)).center();
    }

    void clickCell(int row, int column)
    {
        QTest::mouseClick(d->sgDebts->viewport(), Qt::LeftButton, {}, cellCenter(row, column));
    }

    void clickHeader(int column)
    {
        QHeaderView *h = d->sgDebts->horizontalHeader();
        const QPoint at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
    }

    // Stands in for the plan panel: picking "Custom" when it was not selected
    // re-sorts the debts list and brings its tab to the front.
    void wirePlanPanel()
    {
        host->onStrategyToCustom = [this] {
            if (TAppinfo::GetPlanSort() == QLatin1String("Priority"))
                return;
            SetPlanSortFromStrategy(QStringLiteral("Custom"));
            d->RefreshDebtGridWithData();
            host->SetDebtsTabActive();
        };
    }

    // Adding through the entry bar must have stored nothing and shown one box.
    void expectRefused(const QString &message)
    {
        QCOMPARE(int(fx->boxes.size()), 1);
        QCOMPARE(fx->boxes[0].text, message);
        QCOMPARE(fx->boxes[0].kind, 1);
        QCOMPARE(debtCount(), 0);
        QVERIFY(!TAppinfo::GetPlanModified());
    }

private slots:
    void initTestCase()
    {
        images.emplace();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        fx = std::make_unique<UiFixture>();
        host = std::make_unique<RecordingHost>();
        d = std::make_unique<TfDebts>(*fx->dm, host.get());
        d->lytDebts->resize(800, 400);
        // Shown so that clicks land on laid-out cells; a minimum size on a
        // top-level window only draws a warning from the offscreen platform.
        d->lytDebts->layout()->setSizeConstraint(QLayout::SetNoConstraint);
        d->lytDebts->show();
    }

    void cleanup()
    {
        d.reset();
        host.reset();
        fx.reset();
    }

    void emptyPlan()
    {
        QCOMPARE(d->sgDebts->rowCount(), 0);
        QVERIFY(host->updateTabsCalls >= 1);
        for (QLabel *l : {d->lblBalanceValue, d->lblPaymentValue, d->lblCardsValue, d->lblLoansValue})
            QCOMPARE(l->text(), QStringLiteral("0"));
        QCOMPARE(d->btnAddUpdate->toolTip(), QStringLiteral("Add"));
        QCOMPARE(d->edCreditorName->placeholderText(), QStringLiteral("Creditor Name goes here"));
        QCOMPARE(d->DebtType(), QStringLiteral("Credit Card"));
        QVERIFY(d->sgDebts->isColumnHidden(TfDebts::colRowID));
        QVERIFY(!d->sgDebts->horizontalHeader()->sectionsMovable());
        QCOMPARE(d->sgDebts->columnWidth(TfDebts::colCreditorName), 150);
    }

    void addValidation_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("minPmt");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("apr");
        QTest::addColumn<double>("balance");
        QTest::addColumn<double>("payment");
        QTest::addColumn<QString>("message");    // empty: accepted
        QTest::addColumn<double>("paymentAfter"); // payment box after a refusal
        QTest::addColumn<QString>("focus");

        const QString us = QStringLiteral("en_US");
        const QString card = QStringLiteral("Credit Card"), loan = QStringLiteral("Loan");
        QTest::addRow("blank name") << us << 25 << card << "" << 18.0 << 1000.0 << 100.0
                                    << kBlank << 100.0 << "edCreditorName";
        QTest::addRow("blanks-only name") << us << 25 << card << "   " << 18.0 << 1000.0 << 100.0
                                          << kBlank << 100.0 << "edCreditorName";
        QTest::addRow("balance 0") << us << 25 << card << "Visa" << 18.0 << 0.0 << 100.0
                                   << kZero << 100.0 << "edBalance";
        QTest::addRow("card below floor") << us << 15 << card << "Visa" << 18.0 << 1000.0 << 24.99
                                          << kLow.arg("25.00") << 25.0 << "edPayment";
        QTest::addRow("card at floor") << us << 15 << card << "Visa" << 18.0 << 1000.0 << 25.0
                                       << "" << 0.0 << "edDebtType";
        QTest::addRow("loan raised to minimum") << us << 25 << loan << "Car" << 0.0 << 20.0 << 24.99
                                                << kLow.arg("25.00") << 25.0 << "edPayment";
        QTest::addRow("loan at minimum") << us << 25 << loan << "Car" << 0.0 << 20.0 << 25.0
                                         << "" << 0.0 << "edDebtType";
        QTest::addRow("no thousands separator in message") << us << 25 << card << "Visa" << 18.0 << 200000.0 << 10.0
                                                           << kLow.arg("5000.00") << 5000.0 << "edPayment";
        QTest::addRow("locale decimal comma") << QStringLiteral("de_DE") << 15 << card << "Visa" << 18.0 << 1000.0
                                              << 24.99 << kLow.arg("25,00") << 25.0 << "edPayment";
        QTest::addRow("largest values") << us << 35 << card << "Big" << 60.0 << 1e9 << 1e9
                                        << "" << 0.0 << "edDebtType";
    }

    void addValidation()
    {
        QFETCH(QString, locale);
        QFETCH(int, minPmt);
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(double, apr);
        QFETCH(double, balance);
        QFETCH(double, payment);
        QFETCH(QString, message);
        QFETCH(double, paymentAfter);
        QFETCH(QString, focus);

        QLocale::setDefault(QLocale(locale));
        TAppinfo::SetMinPmtAllowed(minPmt);
        enter(type, name, apr, balance, payment);
        QTest::mouseClick(d->btnAddUpdate, Qt::LeftButton);
        QVERIFY(d->lytDebts->focusWidget());
        QCOMPARE(d->lytDebts->focusWidget()->objectName(), focus);

        if (!message.isEmpty()) {
            expectRefused(message);
            QCOMPARE(d->edPayment->value(), paymentAfter);
            QCOMPARE(d->CreditorName(), name.trimmed()); // the entry is kept for correction
            return;
        }
        QVERIFY(fx->boxes.empty());
        Statement st(fx->db(), QStringLiteral("SELECT Priority, DebtType, CreditorName, APR, Balance, Payment FROM Debts"));
        QVERIFY(st.step());
        QCOMPARE(st.getDouble(0), 1.0);
        QCOMPARE(st.getText(1), type);
        QCOMPARE(st.getText(2), name);
        QCOMPARE(st.getDouble(3), apr);
        QCOMPARE(st.getDouble(4), balance);
        QCOMPARE(st.getDouble(5), payment);
        QVERIFY(!st.step());
        QVERIFY(TAppinfo::GetPlanModified());
        QCOMPARE(host->log.last(),
                 QStringLiteral("fDebts --> Inside SetModifiedToTrue --> btnAddUpdate updated the database"));
        // Back in add mode with cleared fields.
        QCOMPARE(d->RowID(), 0);
        QCOMPARE(d->CreditorName(), QString());
        QCOMPARE(d->Payment(), 0.0);
    }

    void storedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addRow("surrounding blanks") << "  Visa Gold  " << "Visa Gold";
        QTest::addRow("quotes and semicolon") << "O'Neil \"Bank\"; DROP TABLE Debts" << "O'Neil \"Bank\"; DROP TABLE Debts";
        QTest::addRow("unicode") << QStringLiteral("Crédit Äpfel 銀行") << QStringLiteral("Crédit Äpfel 銀行");
    }

    void storedName()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        enter(QStringLiteral("Loan"), typed, 5, 1000, 100);
        d->btnAddUpdate->click();
        QCOMPARE(namesByRowid(), QStringList{stored});
        QCOMPARE(d->sgDebts->item(0, TfDebts::colCreditorName)->text(), stored);
    }

    void enterKeyAddsFromEveryField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        for (const char *f : {"edDebtType", "edCreditorName", "edAPR", "edBalance", "edPayment"})
            QTest::addRow("%s", f) << QString::fromLatin1(f) << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::addRow("keypad Enter") << "edBalance" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }

    void enterKeyAddsFromEveryField()
    {
        QFETCH(QString, field);
        enter(QStringLiteral("Loan"), QStringLiteral("Car"), 4, 1000, 0);
        // Typed, not set: the number box must take the text before the save.
        d->edPayment->setFocus();
        d->edPayment->selectAll();
        QTest::keyClicks(d->edPayment, QStringLiteral("80"));
        auto *w = d->lytDebts->findChild<QWidget *>(field);
        QVERIFY(w);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QTest::keyClick(w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(fx->boxes.empty());
        QCOMPARE(debtCount(), 1);
        QCOMPARE(d->GridPayment(0), 80.0);
    }

    void editKeepsUntouchedValuesExact()
    {
        addDebtSql(QStringLiteral("Credit Card"), QStringLiteral("Visa"), 19.99, 1234.565, 100.005);
        addDebtSql(QStringLiteral("Loan"), QStringLiteral("Car"), 3.5, 9000, 300);
        d->RefreshDebtGridWithData();
        const int row = gridNames().indexOf(QStringLiteral("Visa"));
        QVERIFY(row >= 0);

        clickCell(row, TfDebts::colEdit);
        QCOMPARE(d->RowID(), d->GridRowID(row));
        QCOMPARE(d->btnAddUpdate->toolTip(), QStringLiteral("Update"));
        QCOMPARE(d->CreditorName(), QStringLiteral("Visa"));
        QVERIFY(d->edBalance->value() != 1234.565); // the box shows cents...

        d->edCreditorName->setText(QStringLiteral("Visa Platinum"));
        d->btnAddUpdate->click();
        QVERIFY(fx->boxes.empty());
        QCOMPARE(debtCount(), 2);
        Statement st(fx->db(), QStringLiteral("SELECT APR, Balance, Payment, DebtType FROM Debts WHERE CreditorName = 'Visa Platinum'"));
        QVERIFY(st.step());
        // ...but saves the stored values bit for bit (QCOMPARE on doubles is fuzzy).
        QVERIFY(st.getDouble(0) == 19.99);
        QVERIFY(st.getDouble(1) == 1234.565);
        QVERIFY(st.getDouble(2) == 100.005);
        QCOMPARE(st.getText(3), QStringLiteral("Credit Card"));
        QCOMPARE(d->RowID(), 0);
        QCOMPARE(d->btnAddUpdate->toolTip(), QStringLiteral("Add"));
        verifyNumbering();

        // A changed field is saved as typed.
        const int again = gridNames().indexOf(QStringLiteral("Visa Platinum"));
        d->GridCellClick(TfDebts::colEdit, again);
        d->edBalance->setValue(2000);
        d->btnAddUpdate->click();
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT Balance FROM Debts WHERE CreditorName = 'Visa Platinum'")).toDouble(),
                 2000.0);
        verifyNumbering();
    }

    void refreshLeavesUpdateMode()
    {
        addDebtSql(QStringLiteral("Loan"), QStringLiteral("Car"), 3.5, 9000, 300);
        d->RefreshDebtGridWithData();
        d->GridCellClick(TfDebts::colEdit, 0);
        QCOMPARE(d->RowID(), 1);
        // A strategy change elsewhere refreshes the list.
        SetPlanSortFromStrategy(QStringLiteral("Snowball"));
        d->RefreshDebtGridWithData();
        QCOMPARE(d->RowID(), 0);
        QCOMPARE(d->btnAddUpdate->toolTip(), QStringLiteral("Add"));
        enter(QStringLiteral("Loan"), QStringLiteral("Boat"), 1, 500, 100);
        d->btnAddUpdate->click();
        QCOMPARE(debtCount(), 2);
        QCOMPARE(namesByRowid().count(QStringLiteral("Car")), 1);
    }

    void cancelLeavesUpdateMode()
    {
        addDebtSql(QStringLiteral("Loan"), QStringLiteral("Car"), 3.5, 9000, 300);
        d->RefreshDebtGridWithData();
        d->GridCellClick(TfDebts::colEdit, 0);
        QTest::mouseClick(d->btnCancel, Qt::LeftButton);
        QCOMPARE(d->RowID(), 0);
        QCOMPARE(d->CreditorName(), QString());
        QCOMPARE(d->btnAddUpdate->toolTip(), QStringLiteral("Add"));
        QVERIFY(!TAppinfo::GetPlanModified());
    }

    void unknownDebtTypeIsKept()
    {
        addDebtSql(QStringLiteral("Mortgage"), QStringLiteral("House"), 0, 100000, 900);
        d->RefreshDebtGridWithData();
        d->GridCellClick(TfDebts::colEdit, 0);
        QCOMPARE(d->DebtType(), QStringLiteral("Mortgage"));
        d->edCreditorName->setText(QStringLiteral("Home"));
        d->btnAddUpdate->click();
        QVERIFY(fx->boxes.empty());
        QCOMPARE(fx->db().scalar(QStringLiteral("SELECT DebtType FROM Debts")).toString(), QStringLiteral("Mortgage"));
        // The extra item lives only while that debt is edited.
        QCOMPARE(d->edDebtType->count(), 2);
        QCOMPARE(d->DebtType(), QStringLiteral("Credit Card"));
    }

    void deleteAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("remaining");
        QTest::addRow("yes") << mrYes << QStringList{"A", "C"};
        QTest::addRow("no") << mrNo << QStringList{"A", "B", "C"};
    }

    void deleteAsks()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, remaining);
        SetPlanSortFromStrategy(QStringLiteral("Custom"));
        for (const char *n : {"A", "B", "C"})
            addDebtSql(QStringLiteral("Loan"), QString::fromLatin1(n), 5, 1000, 100);
        d->RefreshDebtGridWithData();
        const int tabsBefore = host->updateTabsCalls;
        fx->answers.push_back(answer);

        clickCell(1, TfDebts::colDelete);

        QCOMPARE(int(fx->boxes.size()), 1);
        QCOMPARE(fx->boxes[0].text, kDelete);
        QCOMPARE(fx->boxes[0].kind, 0);
        QCOMPARE(fx->boxes[0].buttons, mbYesNo);
        QCOMPARE(namesByRowid(), remaining);
        QCOMPARE(gridNames(), remaining);
        verifyNumbering();
        QCOMPARE(TAppinfo::GetPlanModified(), answer == mrYes);
        if (answer == mrYes) {
            QVERIFY(host->updateTabsCalls > tabsBefore);
            QCOMPARE(host->log.last(),
                     QStringLiteral("fDebts --> Inside SetModifiedToTrue --> colDelete updated the database"));
        }
    }

    void deleteLastDebtEmptiesSummary()
    {
        addDebtSql(QStringLiteral("Loan"), QStringLiteral("Car"), 3.5, 9000, 300);
        d->RefreshDebtGridWithData();
        QCOMPARE(d->lblLoansValue->text(), QStringLiteral("1"));
        d->GridCellClick(TfDebts::colDelete, 0);
        QCOMPARE(d->sgDebts->rowCount(), 0);
        for (QLabel *l : {d->lblBalanceValue, d->lblPaymentValue, d->lblCardsValue, d->lblLoansValue})
            QCOMPARE(l->text(), QStringLiteral("0"));
    }

    void newDebtPlacement_data()
    {
        QTest::addColumn<QString>("strategy");
        QTest::addColumn<QStringList>("order");
        // Keys: Avalanche A 21.03, B 19.82, C 12.95, N 20.89; Snowball A .030, B .025, C .049, N .885.
        QTest::addRow("Avalanche") << "Avalanche" << QStringList{"A", "N", "B", "C"};
        QTest::addRow("Snowball") << "Snowball" << QStringList{"N", "C", "A", "B"};
        QTest::addRow("Custom keeps new last") << "Custom" << QStringList{"A", "B", "C", "N"};
    }

    void newDebtPlacement()
    {
        QFETCH(QString, strategy);
        QFETCH(QStringList, order);
        SetPlanSortFromStrategy(strategy);
        addDebtSql(QStringLiteral("Credit Card"), QStringLiteral("A"), 21, 1000, 30);
        addDebtSql(QStringLiteral("Credit Card"), QStringLiteral("B"), 19.8, 2000, 50);
        addDebtSql(QStringLiteral("Loan"), QStringLiteral("C"), 12.9, 500, 25);
        d->RefreshDebtGridWithData();
        enter(QStringLiteral("Credit Card"), QStringLiteral("N"), 20, 100, 90);
        d->btnAddUpdate->click();
        QVERIFY(fx->boxes.empty());
        QCOMPARE(gridNames(), order);
        QCOMPARE(namesByRowid(), order);
        verifyNumbering();
    }

    void avalancheKeyIsASum_data()
    {
        QTest::addColumn<QList<double>>("debts"); // APR, balance, payment per debt
        QTest::addColumn<QStringList>("order");
        QTest::addRow("rates with small payments") << QList<double>{12.9, 800, 25, 21, 1000, 30, 19.8, 2000, 50}
                                                   << QStringList{"d2", "d3", "d1"};
        // 19.8 + 1.3 = 21.1 beats 21 + 0.05 = 21.05.
        QTest::addRow("payment ratio lifts a lower rate")
            << QList<double>{21, 1000, 0.05 * (1000 + 17.5 + 0.01), 19.8, 1000, 1.3 * (1000 + 16.5 + 0.01)}
            << QStringList{"d2", "d1"};
    }

    void avalancheKeyIsASum()
    {
        QFETCH(QList<double>, debts);
        QFETCH(QStringList, order);
        for (int i = 0; i + 2 < debts.size(); i += 3)
            addDebtSql(QStringLiteral("Credit Card"), QStringLiteral("d%1").arg(i / 3 + 1), debts[i], debts[i + 1],
                       debts[i + 2]);
        d->RefreshDebtGridWithData();
        QCOMPARE(gridNames(), order);
        verifyNumbering();
    }

    void customKeepsStoredOrder()
    {
        SetPlanSortFromStrategy(QStringLiteral("Custom"));
        // Priorities out of rowid order, as a saved manual order may be.
        fx->db().execBatch(QStringLiteral(
            "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) VALUES (3, 'Loan', 'x', 30, 100, 50);"
            "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) VALUES (1, 'Loan', 'y', 1, 100, 50);"
            "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) VALUES (2, 'Loan', 'z', 9, 100, 50);"));
        d->RefreshDebtGridWithData();
        QCOMPARE(gridNames(), (QStringList{"y", "z", "x"}));
        verifyNumbering();
    }

    void gridAndSummaryTexts()
    {
        addDebtSql(QStringLiteral("Credit Card"), QStringLiteral("a"), 15.69, 2000000, 60000.4);
        addDebtSql(QStringLiteral("Credit Card"), QStringLiteral("b"), 19.8, 1234.5, 50);
        addDebtSql(QStringLiteral("Loan"), QStringLiteral("c"), 18, 0.49, 25);
        d->RefreshDebtGridWithData();
        QCOMPARE(gridNames(), (QStringList{"c", "b", "a"}));
        const QStringList apr{"18", "19.8", "15.69"}, bal{"0.49", "1,234.50", "2,000,000.00"};
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(d->sgDebts->item(r, TfDebts::colAPR)->text(), apr[r]);
            QCOMPARE(d->sgDebts->item(r, TfDebts::colBalance)->text(), bal[r]);
            QCOMPARE(d->sgDebts->item(r, TfDebts::colPriority)->textAlignment() & Qt::AlignHorizontal_Mask,
                     int(Qt::AlignHCenter));
            QCOMPARE(d->sgDebts->item(r, TfDebts::colBalance)->textAlignment() & Qt::AlignHorizontal_Mask,
                     int(Qt::AlignRight));
            QCOMPARE(d->sgDebts->item(r, TfDebts::colEdit)->icon().cacheKey(), images->icon32(15).cacheKey());
        }
        QVERIFY(d->sgDebts->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(d->lblBalanceValue->text(), QStringLiteral("2,001,235"));
        QCOMPARE(d->lblPaymentValue->text(), QStringLiteral("60,075"));
        QCOMPARE(d->lblCardsValue->text(), QStringLiteral("2"));
        QCOMPARE(d->lblLoansValue->text(), QStringLiteral("1"));
    }

    void move_data()
    {
        QTest::addColumn<QString>("strategy");
        QTest::addColumn<int>("row");           // row to click or to select; -1 selects none
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("viaHeader");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("selected");      // -1: nothing moved

        const QStringList same{"d1", "d2", "d3", "d4"};
        const int up = TfDebts::colMoveUp, down = TfDebts::colMoveDown;
        QTest::addRow("third up under Snowball") << "Snowball" << 2 << up << false
                                                 << QStringList{"d1", "d3", "d2", "d4"} << 1;
        QTest::addRow("second down under Custom") << "Custom" << 1 << down << false
                                                  << QStringList{"d1", "d3", "d2", "d4"} << 2;
        QTest::addRow("header up with a row selected") << "Avalanche" << 3 << up << true
                                                       << QStringList{"d1", "d2", "d4", "d3"} << 2;
        QTest::addRow("header down with a row selected") << "Custom" << 0 << down << true
                                                         << QStringList{"d2", "d1", "d3", "d4"} << 1;
        QTest::addRow("first row up") << "Snowball" << 0 << up << false << same << -1;
        QTest::addRow("last row down") << "Snowball" << 3 << down << false << same << -1;
        QTest::addRow("header up on first row") << "Custom" << 0 << up << true << same << -1;
        QTest::addRow("header down on last row") << "Custom" << 3 << down << true << same << -1;
        QTest::addRow("header with no row selected") << "Custom" << -1 << up << true << same << -1;
        QTest::addRow("header of another column") << "Custom" << 2 << int(TfDebts::colBalance) << true << same << -1;
    }

    void move()
    {
        QFETCH(QString, strategy);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, viaHeader);
        QFETCH(QStringList, order);
        QFETCH(int, selected);

        wirePlanPanel();
        SetPlanSortFromStrategy(strategy);
        // Same order under every strategy: APR 0, payment shares falling.
        for (int i = 1; i <= 4; ++i)
            addDebtSql(QStringLiteral("Loan"), QStringLiteral("d%1").arg(i), 0, 1000, 500 - 100 * i);
        d->RefreshDebtGridWithData();
        QCOMPARE(gridNames(), (QStringList{"d1", "d2", "d3", "d4"}));

        double priorityWhenCustomAsked = -1;
        const auto panel = host->onStrategyToCustom;
        const int movedRowid = row >= 0 ? d->GridRowID(row) : 0;
        host->onStrategyToCustom = [&] {
            priorityWhenCustomAsked = fx->db().scalar(QStringLiteral("SELECT Priority FROM Debts WHERE rowid = :r"),
                                                      {{QStringLiteral(":r"), movedRowid}}).toDouble();
            panel();
        };

        int keptColumn = column;
        if (viaHeader) {
            if (row >= 0)
                d->sgDebts->selectRow(row);
            keptColumn = d->sgDebts->currentColumn();
            clickHeader(column);
        } else {
            clickCell(row, column);
        }

        QCOMPARE(gridNames(), order);
        QCOMPARE(namesByRowid(), order);
        verifyNumbering();
        if (selected < 0) {
            QCOMPARE(host->strategyToCustomCalls, 0);
            QVERIFY(!TAppinfo::GetPlanModified());
            QCOMPARE(TAppinfo::GetPlanSort(), SortClauseForStrategy(strategy));
            return;
        }
        QCOMPARE(host->strategyToCustomCalls, 1);
        QCOMPARE(priorityWhenCustomAsked, row + 1 + (column == TfDebts::colMoveUp ? -1.5 : 1.5));
        QCOMPARE(TAppinfo::GetPlanSort(), QStringLiteral("Priority"));
        QCOMPARE(host->debtsTabActiveCalls, strategy == QLatin1String("Custom") ? 0 : 1);
        const QModelIndexList sel = d->sgDebts->selectionModel()->selectedRows();
        QCOMPARE(sel.size(), 1);
        QCOMPARE(sel[0].row(), selected);
        QCOMPARE(d->sgDebts->currentColumn(), keptColumn);
        QVERIFY(TAppinfo::GetPlanModified());
        QCOMPARE(host->log.last(), QStringLiteral("fDebts --> Inside SetModifiedToTrue --> %1 updated the database")
                                       .arg(TfDebts::ColumnName(column)));
        QCOMPARE(d->RowID(), 0);
    }

    void themeAdjustments()
    {
        addDebtSql(QStringLiteral("Loan"), QStringLiteral("Car"), 3.5, 9000, 300);
        d->RefreshDebtGridWithData();
        QVERIFY(d->Label1->styleSheet().contains(QStringLiteral("#696969")));
        d->GridCellClick(TfDebts::colEdit, 0);
        QCOMPARE(d->btnAddUpdate->icon().cacheKey(), images->icon32(10).cacheKey());

        TAppinfo::ThemeStyle = tsDark;
        d->MakeThemeAdjustments();
        for (QLabel *l : {d->Label1, d->Label2, d->Label3, d->Label4, d->Label5})
            QVERIFY(l->styleSheet().contains(QStringLiteral("#a9a9a9")));
        QCOMPARE(d->btnAddUpdate->icon().cacheKey(), images->icon32(31).cacheKey());
        QCOMPARE(d->RowID(), 1); // still editing

        d->btnCancelClick();
        QCOMPARE(d->btnAddUpdate->icon().cacheKey(), images->icon32(9).cacheKey());
    }
};

QTEST_MAIN(Test_debts)
#include "tst_debts.moc"

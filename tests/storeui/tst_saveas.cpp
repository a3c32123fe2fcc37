#include "UiFixture.h"

#include "store/ui/TfSaveAs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class Test_saveas : public QObject {
    Q_OBJECT
    std::unique_ptr<UiFixture> fx;

private slots:
    void init() { fx = std::make_unique<UiFixture>(); }
    void cleanup() { fx.reset(); }

    void planNameFillsBothEdits()
    {
        TfSaveAs dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Plan Save As"));
        QVERIFY(dlg.setProperty("PlanName", QStringLiteral("Sample 1")));
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("Sample 1"));
        QCOMPARE(dlg.Edit2->text(), QStringLiteral("Sample 1"));
        QVERIFY(!dlg.Edit1->isEnabled() && dlg.Edit1->isReadOnly());
        dlg.Edit2->setText(QStringLiteral("  Holiday  "));
        QCOMPARE(dlg.property("PlanName").toString(), QStringLiteral("  Holiday  "));
        QCOMPARE(dlg.Edit1->text(), QStringLiteral("Sample 1"));
    }

    void validatesTheNewName_data()
    {
        QTest::addColumn<QString>("oldName");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("message"); // as the box shows it; empty: accepted
        const QString same = QStringLiteral("Sorry, the New Name matches the Old Name.\nPlease change the New Name and try again.");
        const QString blank = QStringLiteral("Sorry, we can't accept a blank value.\nPlease enter a value and try again.");
        QTest::addRow("unchanged") << "Sample 1" << "Sample 1" << same;
        QTest::addRow("surrounded by blanks") << "Sample 1" << "  Sample 1\t " << same;
        QTest::addRow("old name had blanks") << " Sample 1 " << "Sample 1" << same;
        QTest::addRow("one letter's case") << "Sample 1" << "sample 1" << QString();
        QTest::addRow("new name") << "Sample 1" << "Sample 1b" << QString();
        QTest::addRow("empty") << "Sample 1" << "" << blank;
        QTest::addRow("blanks only") << "Sample 1" << "   " << blank;
    }
    void validatesTheNewName()
    {
        QFETCH(QString, oldName);
        QFETCH(QString, newName);
        QFETCH(QString, message);
        TfSaveAs dlg;
        dlg.SetPlanName(oldName);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        dlg.btnCancel->setFocus();
        dlg.Edit2->setText(newName);
        QTest::mouseClick(dlg.btnOk, Qt::LeftButton);
        if (message.isEmpty()) {
            QVERIFY(fx->boxes.empty());
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
            QVERIFY(!dlg.isVisible());
            QCOMPARE(dlg.GetPlanName(), newName);
        } else {
            QCOMPARE(fx->boxes.size(), size_t(1));
            QCOMPARE(fx->boxes[0].text, message);
            QCOMPARE(fx->boxes[0].kind, 1);
            QCOMPARE(fx->boxes[0].buttons, mbOK);
            QVERIFY(dlg.isVisible());
            QVERIFY(dlg.Edit2->hasFocus());
            QCOMPARE(dlg.Edit2->text(), newName);
        }
    }

    void positionOnTheMainWindow_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QSize>("dialog");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addRow("odd gap") << QRect(100, 50, 1000, 700) << QSize(401, 150) << QPoint(399, 146);
        QTest::addRow("even gap") << QRect(0, 0, 800, 600) << QSize(400, 150) << QPoint(200, 96);
        // The whole part of a negative half is taken towards zero.
        QTest::addRow("dialog wider") << QRect(100, 20, 300, 200) << QSize(401, 150) << QPoint(50, 116);
    }
    void positionOnTheMainWindow()
    {
        QFETCH(QRect, main);
        QFETCH(QSize, dialog);
        QFETCH(QPoint, topLeft);
        QCOMPARE(TfSaveAs::PositionOn(main, dialog), topLeft);
    }
};

QTEST_MAIN(Test_saveas)
#include "tst_saveas.moc"

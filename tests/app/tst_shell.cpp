// The message boxes and the single-instance hand-over, with real widgets.
#include "app/MsgDialogs.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestShell : public QObject {
    Q_OBJECT

    // Presses a key in the next box that opens; records what the box showed.
    void pressInNextBox(const std::vector<int> &keys)
    {
        QTimer::singleShot(0, this, [this, keys] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                pressInNextBox(keys);
                return;
            }
            shownText = box->text();
            shownIcon = box->icon();
            for (int k : keys) {
                QTest::keyClick(box, Qt::Key(k));
                if (!box->isVisible())
                    break;
                if (k == Qt::Key_Escape)
                    stillOpenAfterEscape = true;
            }
        });
    }

    QString shownText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    bool stillOpenAfterEscape = false;

private slots:
    void init()
    {
        SetMsgDialogHook(nullptr);
        stillOpenAfterEscape = false;
    }

    void yesNoCancelAnswers_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::addRow("Enter takes Yes") << int(Qt::Key_Return) << 6;
        QTest::addRow("Escape cancels") << int(Qt::Key_Escape) << 2;
        QTest::addRow("N says No") << int(Qt::Key_N) << 7;
    }
    void yesNoCancelAnswers()
    {
        QFETCH(int, key);
        QFETCH(int, answer);
        pressInNextBox({key});
        QCOMPARE(KxMsgDialogYNC(QStringLiteral("Information has changed.\r\nWould you like to save these changes?"), 3), answer);
        QCOMPARE(shownText, QStringLiteral("Information has changed.\nWould you like to save these changes?"));
        QCOMPARE(shownIcon, QMessageBox::Question);
    }

    void yesNoIgnoresEscape()
    {
        pressInNextBox({Qt::Key_Escape, Qt::Key_N});
        QCOMPARE(KxMsgDialogYN(QStringLiteral("Delete?"), 0), 7);
        QVERIFY(stillOpenAfterEscape);
        QCOMPARE(shownIcon, QMessageBox::Warning);
    }

    void kindsAndFormat()
    {
        pressInNextBox({Qt::Key_Return});
        KxMsgDialog(QStringLiteral("note"), 4);
        QCOMPARE(shownIcon, QMessageBox::Information);

        pressInNextBox({Qt::Key_Return});
        KxMsgDialogFmt(QStringLiteral("Sorry, that Payment is too low and cannot be used.\r\n"
                                      "Please enter a value greater than or equal to %s."),
                       1, QStringLiteral("31.25"));
        QCOMPARE(shownIcon, QMessageBox::Critical);
        QVERIFY(shownText.endsWith(QStringLiteral("\nPlease enter a value greater than or equal to 31.25.")));
    }

    void hookAnswersWithoutAWindow()
    {
        TMsgRequest seen{};
        SetMsgDialogHook([&](const TMsgRequest &r) {
            seen = r;
            return 7;
        });
        QCOMPARE(KxMsgDialogYN(QStringLiteral("a\r\nb"), 0), 7);
        QCOMPARE(seen.text, QStringLiteral("a\nb"));
        QCOMPARE(seen.buttons, mbYesNo);
        QVERIFY(QApplication::topLevelWidgets().isEmpty() || !QApplication::activeModalWidget());
    }

    void secondInstanceRestoresTheFirstWindow()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        const QString folder = runtime.filePath(QStringLiteral("data"));
        QLabel window(QStringLiteral("Orvessa"));
        window.showMinimized();
        QVERIFY(QTest::qWaitForWindowExposed(&window) || true);

        TSingleInstance first(QStringLiteral("Talmaro.Orvessa"), folder);
        QVERIFY(first.CheckSingleInstance());
        first.StartListening(&window);
        QSignalSpy activated(&first, &TSingleInstance::activationRequested);

        TSingleInstance second(QStringLiteral("Talmaro.Orvessa"), folder);
        QVERIFY(!second.CheckSingleInstance());
        QTRY_COMPARE(activated.count(), 1);
        QVERIFY(!window.isMinimized());

        // A different data folder is a different instance.
        TSingleInstance other(QStringLiteral("Talmaro.Orvessa"), runtime.filePath(QStringLiteral("elsewhere")));
        QVERIFY(other.CheckSingleInstance());

        // Released, the name is free again.
        first.ReleaseSingleInstance();
        TSingleInstance third(QStringLiteral("Talmaro.Orvessa"), folder);
        QVERIFY(third.CheckSingleInstance());
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"

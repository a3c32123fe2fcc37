// The about boxes: texts and colours by theme, hover look of the links, the
// keys that close the box, the addresses the links hand over, and the modal
// show-and-free cycle.
#include "app/AboutWidgets.h"
#include "app/Links.h"
#include "app/TAppinfo.h"
#include "app/TdmImages.h"
#include "app/TfAbout.h"
#include "app/TfAboutNew.h"
#include "app/TitleBar.h"
#include "app/UrlOpener.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

Q_DECLARE_METATYPE(TkxThemeStyle)

namespace {

QColor textColor(QWidget *w)
{
    w->ensurePolished();
    return w->palette().color(w->foregroundRole());
}

const QString kSite = QString::fromLatin1(TAppinfo::WebSiteUrl);
const QString kTracking = QStringLiteral("utm_source=orvessa_retail&utm_medium=software&utm_campaign=app_links&utm_content=");

} // namespace

class TstAbout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        images = std::make_unique<TdmImages>();
        TAppinfo::NoticeText = QStringLiteral("Copyright notice line");
        SetOpenUrlHook([this](const QString &url) {
            opened << url;
            return true;
        });
    }
    void cleanupTestCase() { SetOpenUrlHook(nullptr); }
    void init()
    {
        opened.clear();
        TAppinfo::ThemeStyle = tsLight;
    }

    void layoutAndTexts()
    {
        TfAboutNew box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About Orvessa"));
        QCOMPARE(box.size(), QSize(690, 520));
        QVERIFY(box.windowFlags() & Qt::Tool);
        QVERIFY(!(box.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)));
        QCOMPARE(box.Button1->text(), QStringLiteral("OK"));
        QCOMPARE(box.Label1->text(), QStringLiteral("Orvessa"));
        QCOMPARE(box.Label2->text(), QStringLiteral("Version 35.6"));
        QCOMPARE(box.Label3->text(), QStringLiteral("Built for Clarity"));
        QCOMPARE(box.Label4->text(), QStringLiteral("Private by Design"));
        QCOMPARE(box.Label5->text(), QStringLiteral("Has Orvessa helped you?"));
        QCOMPARE(box.Text2->text(), QStringLiteral("Compare payoff strategies, test extra payments, and see how\n"
                                                   "your choices can change your payoff date."));
        QCOMPARE(box.Text3->text(), QStringLiteral("Your plan stays on your computer. Orvessa does not require\n"
                                                   "a cloud account to build or manage your payoff plan."));
        QVERIFY(box.Text1->text().contains(QStringLiteral("Talmaro")));
        QCOMPARE(box.Text1->height(), 100);
        QCOMPARE(box.lblNotice->text(), QStringLiteral("Copyright notice line"));
        QCOMPARE(box.lblWebsite->text(), QStringLiteral("www.talmaro.example"));
        QVERIFY(!box.Image2->pixmap().isNull());

        const struct {
            TLinkLabel *label;
            const char *text;
            const char *hint;
        } links[] = {
            {box.lblWeBelieve, "We Believe", "Read what Orvessa stands for."},
            {box.lblShareYourStory_01, "Share Your Story", "Tell us how Orvessa helped you."},
            {box.lblContactSupport, "Contact Support", "Open an email to Orvessa support."},
            {box.lblShareYourStory_02, "Share your story.", "Tell us how Orvessa helped you."},
            {box.lblWebsite, nullptr, "Visit the Orvessa website."},
        };
        for (const auto &l : links) {
            if (l.text)
                QCOMPARE(l.label->text(), QLatin1String(l.text));
            QCOMPARE(l.label->toolTip(), QLatin1String(l.hint));
            QCOMPARE(l.label->cursor().shape(), Qt::PointingHandCursor);
        }

        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.focusWidget(), box.Button1);
        // The four left links stack below the logo, in order.
        QVERIFY(box.Image2->geometry().bottom() < box.lblWebsite->geometry().top());
        QVERIFY(box.lblWebsite->y() < box.lblWeBelieve->y());
        QVERIFY(box.lblWeBelieve->y() < box.lblShareYourStory_01->y());
        QVERIFY(box.lblShareYourStory_01->y() < box.lblContactSupport->y());
        QCOMPARE(box.rectLeft->width(), 160);
        QCOMPARE(box.rectBottom->height(), 50);
    }

    void themeColours_data()
    {
        QTest::addColumn<TkxThemeStyle>("theme");
        QTest::addColumn<QColor>("panel");
        QTest::addColumn<QColor>("bottom");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("link");
        QTest::addColumn<QColor>("hover");
        QTest::addRow("light") << tsLight << QColor::fromRgba(0xFFFFFFFF) << QColor::fromRgba(0x00000000)
                               << QColor::fromRgba(0xFF000000) << QColor::fromRgba(0xFF2F80C8) << QColor::fromRgba(0xFFF57707);
        QTest::addRow("dark") << tsDark << QColor::fromRgba(0x00000000) << QColor::fromRgba(0x33000000)
                              << QColor::fromRgba(0xFFFFFFFF) << QColor::fromRgba(0xFF6495ED) << QColor::fromRgba(0xFFFFB86B);
    }

    void themeColours()
    {
        QFETCH(TkxThemeStyle, theme);
        QFETCH(QColor, panel);
        QFETCH(QColor, bottom);
        QFETCH(QColor, text);
        QFETCH(QColor, link);
        QFETCH(QColor, hover);
        TAppinfo::ThemeStyle = theme;
        // A theme sheet that colours every label must not win over the box's colours.
        qApp->setStyleSheet(QStringLiteral("QWidget { color: #808080; }"));
        TfAboutNew box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.rectLeft->Fill().rgba(), panel.rgba());
        QCOMPARE(box.rectRight->Fill().rgba(), panel.rgba());
        QCOMPARE(box.rectBottom->Fill().rgba(), bottom.rgba());
        for (QLabel *l : {box.Text1, box.Text2, box.Text3})
            QCOMPARE(textColor(l), text);

        for (TLinkLabel *l : {box.lblWebsite, box.lblWeBelieve, box.lblShareYourStory_01, box.lblContactSupport,
                              box.lblShareYourStory_02}) {
            QCOMPARE(textColor(l), link);
            QVERIFY(!l->font().underline());
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), l->mapToGlobal(QPointF(2, 2)));
            QCoreApplication::sendEvent(l, &enter);
            QCOMPARE(textColor(l), hover);
            QVERIFY(l->font().underline());
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(l, &leave);
            QCOMPARE(textColor(l), link);
            QVERIFY(!l->font().underline());
        }
        qApp->setStyleSheet(QString());
    }

    void keysClose_data()
    {
        QTest::addColumn<QString>("focusOn");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        for (const char *target : {"Button1", "lblWebsite", "fAboutNew"}) {
            QTest::addRow("%s Return", target) << QString::fromLatin1(target) << int(Qt::Key_Return) << true;
            QTest::addRow("%s Enter", target) << QString::fromLatin1(target) << int(Qt::Key_Enter) << true;
            QTest::addRow("%s Escape", target) << QString::fromLatin1(target) << int(Qt::Key_Escape) << true;
        }
        QTest::addRow("Button1 Space") << QStringLiteral("Button1") << int(Qt::Key_Space) << true;
        QTest::addRow("Button1 A") << QStringLiteral("Button1") << int(Qt::Key_A) << false;
        QTest::addRow("fAboutNew Tab") << QStringLiteral("fAboutNew") << int(Qt::Key_Tab) << false;
    }

    void keysClose()
    {
        QFETCH(QString, focusOn);
        QFETCH(int, key);
        QFETCH(bool, closes);
        TfAboutNew box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QWidget *target = focusOn == box.objectName() ? &box : box.findChild<QWidget *>(focusOn);
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(box.isVisible(), !closes);
        QVERIFY(opened.isEmpty());
    }

    void linkClicks_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("url");
        QTest::addRow("website") << "lblWebsite" << kSite + "?" + kTracking + "about_box_left";
        QTest::addRow("we believe") << "lblWeBelieve" << kSite + "about-us.asp?" + kTracking + "about_box_left#stands-for";
        QTest::addRow("story left") << "lblShareYourStory_01" << kSite + "share-your-story.asp?" + kTracking + "about_box_left";
        QTest::addRow("story right") << "lblShareYourStory_02" << kSite + "share-your-story.asp?" + kTracking + "about_box_right";
        QTest::addRow("support") << "lblContactSupport" << SupportMailLink();
    }

    void linkClicks()
    {
        QFETCH(QString, label);
        QFETCH(QString, url);
        TfAboutNew box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto *l = box.findChild<TLinkLabel *>(label);
        QVERIFY(l);
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(3, l->height() / 2));
        QCOMPARE(opened, QStringList{url});
        QVERIFY(box.isVisible());
        // A press that ends outside the label opens nothing.
        QTest::mousePress(l, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(l, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(opened.size(), 1);
    }

    // Each call shows a fresh, modal box and frees it when it closes.
    void showAboutBoxIsModalAndFreed()
    {
        for (int round = 0; round < 2; ++round) {
            QPointer<QWidget> seen;
            QTimer::singleShot(0, [&seen] {
                seen = QApplication::activeModalWidget();
                if (seen)
                    QTest::keyClick(seen, Qt::Key_Escape);
            });
            ShowAboutBox();
            QTest::qWait(0);
            QVERIFY(seen.isNull());
        }
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TfAboutNew *>(w));
    }

    void compactBox_data()
    {
        QTest::addColumn<TkxThemeStyle>("theme");
        QTest::addColumn<QColor>("link");
        QTest::addColumn<bool>("whiteBackground");
        QTest::addRow("light") << tsLight << QColor::fromRgba(0xFF0000FF) << true;
        QTest::addRow("dark") << tsDark << QColor::fromRgba(0xFF6495ED) << false;
    }

    void compactBox()
    {
        QFETCH(TkxThemeStyle, theme);
        QFETCH(QColor, link);
        QFETCH(bool, whiteBackground);
        TAppinfo::ThemeStyle = theme;
        TfAbout box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        QCOMPARE(box.size(), QSize(400, 274));
        QCOMPARE(box.lblProduct->text(), QStringLiteral("Orvessa"));
        QCOMPARE(box.lblVersion->text(), QStringLiteral("Version 35.6"));
        QCOMPARE(box.lblWebsite->toolTip(), QStringLiteral("Visit website"));
        QCOMPARE(box.lblWebsite->LinkColor(), link);
        QCOMPARE(!box.rectBackground->isHidden(), whiteBackground);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(textColor(box.lblWebsite), link);
        QTest::mouseClick(box.lblWebsite, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(opened, QStringList{kSite});
        QVERIFY(box.isVisible());
        QTest::mouseClick(box.lblVersion, Qt::LeftButton);
        QVERIFY(!box.isVisible());
    }

    void showCompactAboutBoxIsModalAndFreed()
    {
        QPointer<QWidget> seen;
        QTimer::singleShot(0, [&seen] {
            seen = QApplication::activeModalWidget();
            QVERIFY(qobject_cast<TfAbout *>(seen.data()));
            QTest::mouseClick(seen, Qt::LeftButton, {}, QPoint(5, 5));
        });
        ShowCompactAboutBox();
        QTest::qWait(0);
        QVERIFY(seen.isNull());
    }

    void titleBarIgnoresNullAndLeavesWidgetsAlone()
    {
        UseDarkTitleBar(nullptr, true);
        UseDarkTitleBar(nullptr, false);
        QWidget w;
        UseDarkTitleBar(&w, true);
#ifndef Q_OS_WIN
        // Elsewhere no native window is forced into being.
        QVERIFY(!w.testAttribute(Qt::WA_WState_Created));
#endif
    }

private:
    std::unique_ptr<TdmImages> images;
    QStringList opened;
};

QTEST_MAIN(TstAbout)
#include "tst_about.moc"

// The Reports tab and the preview window, headless.
#include "UiFixture.h"

#include "app/Clock.h"
#include "engine/TPaymentRec.h"
#include "reports/ui/TReportPreview.h"
#include "reports/ui/TfReports.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <memory>

class Test_reportsui : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        fx = std::make_unique<UiFixture>();
        pictures = std::make_unique<QTemporaryDir>();
        TAppinfo::ImagePath = pictures->path();
        // Pictures of different sizes tell which file is shown.
        for (int i = 1; i <= 6; ++i) {
            QImage img(100 * i, 50 * i, QImage::Format_RGB32);
            img.fill(Qt::white);
            img.save(QDir(pictures->path()).filePath(QStringLiteral("Image%1.png").arg(i)));
        }
        panel = std::make_unique<TfReports>(*fx->dm, &host);
        panel->lytReports->resize(800, 400);
        panel->PreviewArea->setFixedSize(400, 400);
        panel->lytReports->show();
        shown.clear();
        panel->OnShowPreview = [this](const TReportDocument &doc, const QString &title) { shown.push_back({doc, title}); };
    }
    void cleanup()
    {
        panel.reset();
        fx.reset();
        TReportPreview::DefaultSeams() = saved;
    }

    void buttonsInOrderWithTags()
    {
        const QList<QPushButton *> buttons = panel->lytReports->findChildren<QPushButton *>();
        QStringList captions;
        QList<int> tags;
        for (QPushButton *b : buttons) {
            captions << b->text();
            tags << b->property("Tag").toInt();
        }
        QCOMPARE(captions, (QStringList{"Payoff Savings Report", "Payoff Summary Report", "Monthly Payment Report",
                                        "Monthly Balance Report", "Monthly Interest Report", "Data Entry Worksheet"}));
        QCOMPARE(tags, (QList<int>{2, 1, 3, 4, 5, 6}));
    }

    void hoverShowsThePictureOfTheTagFittedAndFramed()
    {
        enter(panel->btnPayoffSummaryReport);  // tag 1: Image2.png, 200 x 100
        QVERIFY(panel->txtInstructions->isHidden());
        QCOMPARE(panel->Image1->geometry(), QRect(0, 100, 400, 200));
        QCOMPARE(panel->Image1->pixmap().size(), QSize(400, 200));
        QVERIFY(panel->FImageBorder);
        QCOMPARE(panel->FImageBorder->geometry(), QRect(-1, 99, 402, 202));

        // Straight to another button: Image1.png, 100 x 50, replaces it.
        leave(panel->btnPayoffSummaryReport);
        enter(panel->btnPayoffSavingsReport);
        QCOMPARE(panel->Image1->geometry(), QRect(0, 100, 400, 200));
        enter(panel->btnDataEntryWorksheet);  // Image6.png 600 x 300
        QCOMPARE(panel->Image1->size(), QSize(400, 200));

        leave(panel->btnDataEntryWorksheet);
        QVERIFY(!panel->txtInstructions->isHidden());
        QCOMPARE(panel->Image1->size(), QSize(0, 0));
        QCOMPARE(panel->FImageBorder->size(), QSize(0, 0));

        // A missing picture leaves the area empty.
        QFile::remove(QDir(pictures->path()).filePath(QStringLiteral("Image3.png")));
        enter(panel->btnMonthlyPaymentReport);
        QVERIFY(panel->Image1->pixmap().isNull());
    }

    void instructionTextFollowsTheTheme()
    {
        QVERIFY(panel->txtInstructions->text().startsWith(QStringLiteral("\U0001F5B1 Hover to preview.")));
        QCOMPARE(panel->txtInstructions->palette().color(QPalette::WindowText), QColor(Qt::black));
        TAppinfo::ThemeStyle = tsDark;
        panel->UpdateInstructionTextAppearance();
        QCOMPARE(panel->txtInstructions->palette().color(QPalette::WindowText), QColor(Qt::white));
        TAppinfo::ThemeStyle = tsLight;
    }

    void reportsAreProducedFromTheWorkingPlan()
    {
        loadSample2();
        fx->db().execBatch(QStringLiteral("UPDATE Plan SET PledgeMoney = 0"));
        panel->btnPayoffSummaryReport->click();
        QCOMPARE(int(shown.size()), 1);
        QCOMPARE(panel->ReportName(), QStringLiteral("  Payoff Summary Report: "));
        const TReportDocument &doc = shown[0].first;
        QCOMPARE(doc.find(QStringLiteral("rtTitle"))->text, QStringLiteral("  Payoff Summary Report: Sample 2"));
        QCOMPARE(doc.find(QStringLiteral("rtPledgeMoney"))->text, QStringLiteral("0"));

        // The savings report takes the main window's texts when it gives them.
        panel->OnSavingsValues = [] {
            TSavingsReportValues v;
            v.PlanName = QStringLiteral("From the page");
            v.R2C5 = QStringLiteral("20");
            v.R3C5 = QStringLiteral("5");
            return v;
        };
        panel->btnPayoffSavingsReport->click();
        QCOMPARE(shown.back().first.find(QStringLiteral("rtTitle"))->text, QStringLiteral("  Payoff Savings Report: From the page"));
        QCOMPARE(shown.back().first.find(QStringLiteral("SavingsMonths"))->text, QStringLiteral("1 Yr 3 Mo"));

        // Bad label texts end in the error box, not in a crash.
        panel->OnSavingsValues = [] { return TSavingsReportValues{}; };
        const std::size_t before = shown.size();
        panel->btnPayoffSavingsReport->click();
        QCOMPARE(shown.size(), before);
        QCOMPARE(fx->boxes.back().kind, 1);
    }

    void worksheetRunsWithoutDebts()
    {
        fx->db().execBatch(QStringLiteral("DELETE FROM Debts"));
        panel->btnDataEntryWorksheetClick();
        QCOMPARE(int(shown.size()), 1);
        QCOMPARE(shown[0].first.pageCount(), 1);
        QCOMPARE(shown[0].second, QStringLiteral("Data Entry Worksheet"));
    }

    void previewExportsPdfOnly()
    {
        loadSample2();
        panel->btnPayoffSummaryReport->click();
        TReportPreview preview(shown[0].first, shown[0].second);
        QVERIFY(preview.dialog()->findChild<QToolBar *>()->actions().contains(preview.exportAction()));
        QCOMPARE(preview.printer()->pageLayout().orientation(), QPageLayout::Portrait);

        const QString path = fx->dir.filePath(QStringLiteral("summary.pdf"));
        QString filter;
        QStringList opened;
        int asked = 0;
        bool overwrite = false;
        saved = TReportPreview::DefaultSeams();
        TReportPreview::DefaultSeams() = {
            [&](QWidget *, const QString &suggested) {
                filter = suggested;
                return fx->dir.filePath(QStringLiteral("summary"));  // no suffix typed
            },
            [&](const QString &) { ++asked; return overwrite; },
            [&](const QString &p) { opened << p; },
        };
        QCOMPARE(preview.ExportPdf(), path);
        QCOMPARE(filter, QStringLiteral("Payoff Summary Report.pdf"));
        QCOMPARE(opened, QStringList{path});
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(8).startsWith("%PDF-1.6"));
        f.close();

        // Declining the overwrite leaves the file alone and opens nothing.
        QFile::resize(path, 3);
        QCOMPARE(preview.ExportPdf(), QString());
        QCOMPARE(asked, 1);
        QCOMPARE(QFileInfo(path).size(), 3);
        QCOMPARE(opened.size(), 1);
        overwrite = true;
        QCOMPARE(preview.ExportPdf(), path);
        QVERIFY(QFileInfo(path).size() > 1000);

        // A file that cannot be written is reported, not opened.
        TReportPreview::DefaultSeams().GetSaveFileName = [&](QWidget *, const QString &) {
            return fx->dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
        };
        QCOMPARE(preview.ExportPdf(), QString());
        QCOMPARE(fx->boxes.back().kind, 1);
        QCOMPARE(opened.size(), 2);
    }

private:
    void enter(QPushButton *b)
    {
        QEvent e(QEvent::Enter);
        QCoreApplication::sendEvent(b, &e);
    }
    void leave(QPushButton *b)
    {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(b, &e);
    }
    void loadSample2()
    {
        fx->dm->CopyPlanFromHist(2);
        TPaymentRec rec(fx->db());
        rec.btnMinimumPaymentsClick();
        rec.btnKorvoPaymentsClick();
    }

    std::unique_ptr<UiFixture> fx;
    std::unique_ptr<QTemporaryDir> pictures;
    RecordingHost host;
    std::unique_ptr<TfReports> panel;
    std::vector<std::pair<TReportDocument, QString>> shown;
    TReportPreview::Seams saved = TReportPreview::DefaultSeams();
};

QTEST_MAIN(Test_reportsui)
#include "tst_reportsui.moc"

// The debt-reduction page over the template database: figures, charts,
// theme colours and the Date Finder link.
#include "UiFixture.h"

#include "engine/ui/TChartView.h"
#include "engine/ui/TfDebtReduction.h"
#include "engine/ui/TfPaymentRec.h"
#include "store/DebtOrder.h"

#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include <memory>

namespace {

const QColor kLightLink(0x2F, 0x80, 0xC8), kDarkLink(0x64, 0x95, 0xED);
const QColor kLightHover(0xF5, 0x77, 0x07), kDarkHover(0xFF, 0xB8, 0x6B);

QColor textColour(QLabel *l)
{
    l->ensurePolished();
    return l->palette().color(QPalette::WindowText);
}

std::vector<double> values(TChartView *chart)
{
    std::vector<double> v;
    for (const auto &item : chart->Series()->Items())
        v.push_back(item.value);
    return v;
}

} // namespace

class Test_debtreduction : public QObject {
    Q_OBJECT

    std::unique_ptr<UiFixture> fx;
    std::unique_ptr<TfPaymentRec> engine;
    std::unique_ptr<TfDebtReduction> page;

    void open(int planId) { fx->openSavedPlan(planId); }
    void makePage() { page = std::make_unique<TfDebtReduction>(*fx->dm, *engine); }
    QLabel *label(const char *name) { return page->lytDebtReduction->findChild<QLabel *>(QLatin1String(name)); }

private slots:
    void initTestCase()
    {
        // Month names in the dates are the user's; pin them for the test.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void init()
    {
        fx = std::make_unique<UiFixture>();
        engine = std::make_unique<TfPaymentRec>(*fx->dm);
    }
    void cleanup()
    {
        page.reset();
        engine.reset();
        fx.reset();
        TAppinfo::ThemeStyle = tsLight;
    }

    void sampleTwoFigures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const std::pair<const char *, const char *> rows[] = {
            {"lblR1C2", "# Debts"}, {"lblR1C3", "Debt"}, {"lblR1C4", "Interest"}, {"lblR1C5", "Months"},
            {"lblDebtFreeDate", "Date Finder"},
            {"lblR2C1", "Minimum Payments"}, {"lblR3C1", "Your Payoff Plan"}, {"lblR4C1", "Savings"},
            {"lblR2C2", "5"}, {"lblR3C2", "5"},
            {"lblR2C3", "11,742"}, {"lblR3C3", "11,742"},
            {"lblR2C4", "13,565"}, {"lblR3C4", "2,804"}, {"lblR4C4", "10,761"},
            {"lblR2C5", "194"}, {"lblR3C5", "31"}, {"lblR4C5", "163"},
            {"lblR2C6", "July 2042"}, {"lblR3C6", "December 2028"}, {"lblR4C6", "13 Years 7 Months"},
            {"lblSavingsInterest", "10,761"}, {"lblSavingsMonths", "13 Yr 7 Mo"},
        };
        for (const auto &[name, text] : rows)
            QTest::addRow("%s", name) << QString::fromLatin1(name) << QString::fromLatin1(text);
    }
    void sampleTwoFigures()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        open(2);
        makePage();
        page->UpdateDataLabels();
        QLabel *l = page->lytDebtReduction->findChild<QLabel *>(name);
        QVERIFY(l);
        QCOMPARE(l->text(), text);
        // Shown whole: the text fits its cell at the main window's size.
        page->lytDebtReduction->resize(830, 480);
        page->lytDebtReduction->show();
        QVERIFY(QTest::qWaitForWindowExposed(page->lytDebtReduction));
        QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(), qPrintable(l->text()));
    }

    void chartsFollowTheRefresh()
    {
        open(2);
        makePage();
        page->UpdateDataLabels();
        QCOMPARE(values(page->DonutChart), (std::vector<double>{11742, 10761, 2804}));
        QCOMPARE(values(page->BarChartInterest), (std::vector<double>{13565, 2804}));
        QCOMPARE(values(page->BarChart), (std::vector<double>{194, 31}));
        QCOMPARE(page->DonutChart->Series()->objectName(), QStringLiteral("DonutChartSeries"));
        QCOMPARE(page->BarChartInterest->Series()->objectName(), QStringLiteral("BarChartInterestSeries"));
        QCOMPARE(page->BarChart->Series()->objectName(), QStringLiteral("BarChartSeries"));
    }

    void beforeTheFirstRefreshChartsShowTheStoredResults()
    {
        // Results of an earlier run stay in the tables; a new page starts from
        // them, while the donut keeps its placeholders and the table is empty.
        open(2);
        makePage();
        page->UpdateDataLabels();
        open(1);
        makePage();
        QCOMPARE(values(page->DonutChart), (std::vector<double>{11242, 9445, 2141}));
        QCOMPARE(values(page->BarChartInterest), (std::vector<double>{13565, 2804}));
        QCOMPARE(values(page->BarChart), (std::vector<double>{194, 31}));
        QCOMPARE(page->lblR2C5->text(), QString());
        QCOMPARE(page->lblSavingsInterest->text(), QString());
        QCOMPARE(page->lblSavingsMonths->text(), QStringLiteral("13 Yr 7 Mo"));
    }

    void acceleratedPlanNotShorter()
    {
        // One fixed loan and no pledge money: both schedules take as long.
        fx->db().execBatch(QStringLiteral("UPDATE Plan SET StartDate = '2027-01-31', PledgeMoney = 0;"
                                          "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment)"
                                          " VALUES (1, 'Loan', 'Car', 6, 5000, 300);"));
        SortWorkingDebts(fx->db());
        makePage();
        page->UpdateDataLabels();
        QCOMPARE(page->lblR2C5->text(), page->lblR3C5->text());
        QCOMPARE(page->lblR4C5->text(), QStringLiteral("0"));
        QCOMPARE(page->lblR4C6->text(), QString());
        QCOMPARE(page->lblSavingsMonths->text(), QString());
        QCOMPARE(values(page->BarChart)[0], values(page->BarChart)[1]);
    }

    void themeSwitchChangesColoursNotFigures()
    {
        open(2);
        makePage();
        page->UpdateDataLabels();
        QStringList before;
        const auto labels = page->lytDebtReduction->findChildren<QLabel *>();
        for (QLabel *l : labels)
            before << l->text();
        const auto donut = values(page->DonutChart), months = values(page->BarChart);
        // A refresh now would show a different plan.
        open(1);

        TAppinfo::ThemeStyle = tsDark;
        page->MakeThemeAdjustments();
        QStringList after;
        for (QLabel *l : labels)
            after << l->text();
        QCOMPARE(after, before);
        QCOMPARE(values(page->DonutChart), donut);
        QCOMPARE(values(page->BarChart), months);

        for (TChartView *chart : {page->DonutChart, page->BarChartInterest, page->BarChart}) {
            QCOMPARE(chart->Background(), QColor(0x33, 0x33, 0x33));
            // Painted, whatever the app-wide style sheet says.
            chart->resize(177, 240);
            QCOMPARE(chart->grab().toImage().pixelColor(1, 1), QColor(0x33, 0x33, 0x33));
        }
        QCOMPARE(page->BarChart->barStyle.textColor, QColor(Qt::white));
        QCOMPARE(textColour(page->lblDebtFreeDate), kDarkLink);
        QCOMPARE(textColour(page->lblR2C4), QColor(Qt::white));

        TAppinfo::ThemeStyle = tsLight;
        page->MakeThemeAdjustments();
        QCOMPARE(page->BarChartInterest->Background(), QColor(Qt::white));
        QCOMPARE(page->BarChartInterest->barStyle.textColor, QColor(Qt::black));
        QCOMPARE(textColour(page->lblDebtFreeDate), kLightLink);
    }

    void dateFinderLink_data()
    {
        QTest::addColumn<int>("theme");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("hover");
        QTest::addRow("light") << int(tsLight) << kLightLink << kLightHover;
        QTest::addRow("dark") << int(tsDark) << kDarkLink << kDarkHover;
    }
    void dateFinderLink()
    {
        QFETCH(int, theme);
        QFETCH(QColor, normal);
        QFETCH(QColor, hover);
        TAppinfo::ThemeStyle = theme;
        makePage();
        QLabel *link = page->lblDebtFreeDate;
        QCOMPARE(link->text(), QStringLiteral("Date Finder"));
        QCOMPARE(link->toolTip(), QStringLiteral("Click to use the Date Finder feature"));
        QCOMPARE(textColour(link), normal);

        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(link, &enter);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->font().underline());
        QCOMPARE(textColour(link), hover);

        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(link, &leave);
        QVERIFY(!link->testAttribute(Qt::WA_SetCursor));
        QVERIFY(!link->font().underline());
        QCOMPARE(textColour(link), normal);

        // Only a label reacts.
        page->lblDebtFreeDateMouseEnter(page->DonutChart);
        QVERIFY(!page->DonutChart->testAttribute(Qt::WA_SetCursor));

        int opened = 0;
        page->OnDateFinder = [&] { ++opened; };
        link->resize(153, 19);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, 9));
        QCOMPARE(opened, 1);
        QTest::mouseClick(link, Qt::RightButton, {}, QPoint(20, 9));
        QCOMPARE(opened, 1);
    }

    void f1OpensTheGeneralHelpTopic()
    {
        makePage();
        QStringList topics;
        page->OnHelpKey = [&](const QString &t) { topics << t; };
        QTest::keyClick(page->lytDebtReduction, Qt::Key_F1);
        QCOMPARE(topics, QStringList{QStringLiteral("general")});
    }
};

QTEST_MAIN(Test_debtreduction)
#include "tst_debtreduction.moc"

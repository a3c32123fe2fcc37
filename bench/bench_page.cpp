// Responsiveness of the Debt Reduction tab: from the tab change to the page
// fully updated and painted, charts included (refresh plus one render of the
// whole page offscreen).
#include "BenchPlans.h"
#include "app/TAppinfo.h"
#include "engine/ui/TfDebtReduction.h"
#include "engine/ui/TfPaymentRec.h"
#include "store/DebtOrder.h"
#include "store/TdmSQLite.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct PageFixture {
    QTemporaryDir dir;
    std::unique_ptr<TdmSQLite> dm;
    std::unique_ptr<TfPaymentRec> engine;
    std::unique_ptr<TfDebtReduction> page;

    // stress = false: the shipped Sample 2; true: the 20-debt plan of
    // bench_engine (minimum schedule up to 500 payments a debt).
    explicit PageFixture(bool stress)
    {
        dm = OpenBenchPlan(dir, stress);
        engine = std::make_unique<TfPaymentRec>(*dm);
        page = std::make_unique<TfDebtReduction>(*dm, *engine);
        // The tab's size in the main window at its default size.
        page->lytDebtReduction->resize(830, 480);
        page->lytDebtReduction->show();
        QApplication::processEvents();
    }
};

void render(QWidget *w, QImage &img)
{
    QPainter p(&img);
    w->render(&p);
}

void TabChange(benchmark::State &state, bool stress)
{
    PageFixture f(stress);
    QWidget *w = f.page->lytDebtReduction;
    QImage img(w->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        f.page->UpdateDataLabels();
        render(w, img);
        benchmark::DoNotOptimize(img.constBits());
    }
    state.counters["months"] = f.page->lblR3C5->text().toDouble();
}

// The two parts on their own, to see where the time goes.
void RefreshOnly(benchmark::State &state, bool stress)
{
    PageFixture f(stress);
    for (auto _ : state)
        f.page->UpdateDataLabels();
}

void PaintOnly(benchmark::State &state, bool stress)
{
    PageFixture f(stress);
    f.page->UpdateDataLabels();
    QWidget *w = f.page->lytDebtReduction;
    QImage img(w->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        render(w, img);
        benchmark::DoNotOptimize(img.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(TabChange, sample2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TabChange, stress20, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefreshOnly, sample2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RefreshOnly, stress20, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaintOnly, sample2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PaintOnly, stress20, true)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}

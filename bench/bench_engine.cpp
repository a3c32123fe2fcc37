// Speed of the payoff engine on a real database file: the whole refresh, the
// Date Finder search, and a bare insert of the same rows as the floor.
#include "BenchPlans.h"
#include "app/TAppinfo.h"
#include "engine/TDebtReduction.h"
#include "engine/TPaymentRec.h"
#include "engine/TPaymentRecEngine.h"
#include "store/DebtOrder.h"
#include "store/TdmSQLite.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<TdmSQLite> dm;
    std::unique_ptr<TPaymentRec> rec;

    explicit Fixture(bool stress)
    {
        dm = OpenBenchPlan(dir, stress);
        rec = std::make_unique<TPaymentRec>(dm->conSQLite());
    }

    long long rows(const char *table)
    {
        return dm->conSQLite().scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toLongLong();
    }
};

void Refresh(benchmark::State &state, bool stress)
{
    Fixture f(stress);
    TDebtReduction r(f.dm->conSQLite());
    for (auto _ : state) {
        f.rec->btnMinimumPaymentsClick();
        f.rec->btnKorvoPaymentsClick();
        benchmark::DoNotOptimize(r.DebtCount());
        benchmark::DoNotOptimize(r.TotalDebt());
        benchmark::DoNotOptimize(r.InterestMinPmt());
        benchmark::DoNotOptimize(r.InterestKorvo());
        benchmark::DoNotOptimize(r.InterestSaved());
        benchmark::DoNotOptimize(r.MonthsMinPmt());
        benchmark::DoNotOptimize(r.MonthsKorvo());
        benchmark::DoNotOptimize(r.MonthsSaved());
        benchmark::DoNotOptimize(r.DebtFreeDateMinPmt());
        benchmark::DoNotOptimize(r.DebtFreeDateKorvo());
        benchmark::DoNotOptimize(r.YearsMonths());
        benchmark::DoNotOptimize(r.YrMo());
    }
    state.counters["min_rows"] = double(f.rows("tblMinPaymentsFromArray"));
    state.counters["kx_rows"] = double(f.rows("tblKXPaymentsFromArray"));
    state.counters["months"] = r.MonthsKorvo();
}

void DateFinder(benchmark::State &state, bool stress)
{
    Fixture f(stress);
    TPaymentPlan plan;
    f.rec->LoadPaymentPlan(plan, PrioritySortIndex);
    const TPaymentRecEngine engine;
    const int noPledge = engine.KorvoMonthsNoPledgeMoney(plan);
    const int target = std::max(2, noPledge / 2);
    TDateFinderResult result;
    for (auto _ : state)
        result = engine.DateFinderSearch(plan, target);
    state.counters["runs"] = result.LoopCount + 1;
    state.counters["target"] = target;
    state.counters["pledge"] = result.PledgeMoney;
}

// The floor: the same number of rows through a bare prepared statement.
void BareInsert(benchmark::State &state, bool stress)
{
    Fixture f(stress);
    f.rec->btnMinimumPaymentsClick();
    f.rec->btnKorvoPaymentsClick();
    const long long minRows = f.rows("tblMinPaymentsFromArray");
    const long long kxRows = f.rows("tblKXPaymentsFromArray");
    sqlite3 *db = f.dm->conSQLite().handle();
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN; DELETE FROM tblMinPaymentsFromArray; DELETE FROM tblKXPaymentsFromArray;",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt *m = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO tblMinPaymentsFromArray VALUES (?,?,?,?,?,?,?,?,?)", -1, &m, nullptr);
        for (long long i = 0; i < minRows; ++i) {
            sqlite3_bind_text(m, 1, "Creditor", -1, SQLITE_STATIC);
            sqlite3_bind_int(m, 2, int(i % 20) + 1);
            sqlite3_bind_int(m, 3, int(i % 500) + 1);
            sqlite3_bind_text(m, 4, "2027-01-31", -1, SQLITE_STATIC);
            for (int c = 5; c <= 9; ++c)
                sqlite3_bind_double(m, c, 1234.5678 + double(i));
            sqlite3_step(m);
            sqlite3_reset(m);
        }
        sqlite3_finalize(m);
        sqlite3_stmt *k = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO tblKXPaymentsFromArray VALUES (?,?,?,?,?,?,?,?,?,?)", -1, &k, nullptr);
        for (long long i = 0; i < kxRows; ++i) {
            sqlite3_bind_int64(k, 1, i + 1);
            sqlite3_bind_int(k, 2, int(i / 20) + 1);
            sqlite3_bind_text(k, 3, "2027-01-31", -1, SQLITE_STATIC);
            sqlite3_bind_int(k, 4, int(i % 20) + 1);
            sqlite3_bind_text(k, 5, "Creditor", -1, SQLITE_STATIC);
            for (int c = 6; c <= 10; ++c)
                sqlite3_bind_double(k, c, 1234.5678 + double(i));
            sqlite3_step(k);
            sqlite3_reset(k);
        }
        sqlite3_finalize(k);
        sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    }
    state.counters["rows"] = double(minRows + kxRows);
}

} // namespace

BENCHMARK_CAPTURE(Refresh, sample2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Refresh, stress20, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DateFinder, sample2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DateFinder, stress20, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareInsert, sample2, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareInsert, stress20, true)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();

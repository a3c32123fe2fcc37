#include "engine/TPaymentRec.h"

#include "app/TAppinfo.h"
#include "engine/CalendarDate.h"
#include "engine/TEngineLog.h"
#include "store/Db.h"

#include <QElapsedTimer>

#include <cmath>

TPaymentRec::TPaymentRec(Database &db, TEngineLog *log)
    : m_db(db), m_log(log), m_engine(log)
{
}

void TPaymentRec::SetLog(TEngineLog *log)
{
    m_log = log;
    m_engine.SetLog(log);
}

void TPaymentRec::log(const QString &line) const
{
    if (m_log)
        m_log->AddLogLine(line);
}

void TPaymentRec::ReadPaymentPlan(TPaymentPlan &plan, int sortIndex)
{
    {
        Statement st(m_db, QStringLiteral("SELECT PlanID, PlanName, StartDate, Strategy, PledgeMoney, PlanType FROM Plan;"));
        if (!st.step())
            throw DbError("The working plan has no Plan row.");
        plan.PlanId = st.getInt(0);
        plan.PlanName = st.getText(1);
        plan.StartDate = ParseIsoDate(st.getText(2));
        plan.Strategy = st.getText(3);
        plan.PledgeMoney = st.getDouble(4);
        plan.PlanType = st.getText(5);
    }
    plan.NumOneOffs = m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM OneOffPayments")).toInt();
    plan.NumDebts = m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM Debts")).toInt();

    plan.arrOneOffs.clear();
    if (plan.NumOneOffs > 0) {
        plan.arrOneOffs.reserve(plan.NumOneOffs);
        Statement st(m_db, QStringLiteral("SELECT OneOffDate, OneOffPayment FROM OneOffPayments ORDER BY OneOffDate"));
        while (st.step())
            plan.arrOneOffs.push_back({ParseIsoDate(st.getText(0)), st.getDouble(1)});
        plan.NumOneOffs = int(plan.arrOneOffs.size());
    }

    plan.arrDebts.clear();
    if (plan.NumDebts > 0) {
        const auto clause = DebtSortClauses.at(std::size_t(sortIndex));
        plan.arrDebts.reserve(plan.NumDebts);
        Statement st(m_db, QStringLiteral("SELECT Priority, DebtType, CreditorName, APR, Balance, Payment, OMI, "
                                          "Snowball, Avalanche FROM Debts ORDER BY %1;")
                               .arg(QLatin1String(clause.data(), qsizetype(clause.size()))));
        while (st.step()) {
            TDebts d;
            d.Priority = int(std::trunc(st.getDouble(0)));
            d.DebtType = st.getText(1);
            d.CreditorName = st.getText(2);
            d.APR = st.getDouble(3);
            d.Balance = st.getDouble(4);
            d.Payment = st.getDouble(5);
            d.OMI = st.getDouble(6);
            d.Snowball = st.getDouble(7);
            d.Avalanche = st.getDouble(8);
            plan.arrDebts.push_back(std::move(d));
        }
        plan.NumDebts = int(plan.arrDebts.size());
    }
}

void TPaymentRec::LoadPaymentPlan(TPaymentPlan &plan, int sortIndex)
{
    ReadPaymentPlan(plan, sortIndex);
    TPaymentRecEngine::InitializeWorkArrays(plan);
}

namespace {

// "YYYY-MM-DD" without allocating.
struct IsoDate {
    char text[11];
    explicit IsoDate(const std::chrono::year_month_day &d)
    {
        const int y = int(d.year());
        const unsigned m = unsigned(d.month()), dd = unsigned(d.day());
        const int parts[] = {y / 1000 % 10, y / 100 % 10, y / 10 % 10, y % 10};
        for (int i = 0; i < 4; ++i)
            text[i] = char('0' + parts[i]);
        text[4] = '-';
        text[5] = char('0' + m / 10 % 10);
        text[6] = char('0' + m % 10);
        text[7] = '-';
        text[8] = char('0' + dd / 10 % 10);
        text[9] = char('0' + dd % 10);
        text[10] = '\0';
    }
};

// Rows of one debt share the creditor's string; convert it once.
class NameCache {
public:
    const QByteArray &utf8(const QString &name)
    {
        if (name.constData() != m_name.constData() || name.size() != m_name.size()) {
            m_name = name;
            m_utf8 = name.toUtf8();
        }
        return m_utf8;
    }

private:
    QString m_name;
    QByteArray m_utf8;
};

} // namespace

void TPaymentRec::WriteMinPayments(const TMinPmtArray &rows)
{
    Transaction tx(m_db);
    m_db.execBatch(QStringLiteral("DELETE FROM tblMinPaymentsFromArray;"));
    NameCache names;
    int cn = 0, dt, pn, pd, bal, pmt, in, pri, nbal;
    m_db.insertArray(QStringLiteral("INSERT INTO tblMinPaymentsFromArray (CreditorName, Debt, PmtNumber, PmtDate, "
                                    "Balance, Payment, Interest, Principal, NewBalance) "
                                    "VALUES (:cn, :dt, :pn, :pd, :bal, :pmt, :int, :pri, :nbal)"),
                     rows.size(), [&](Statement &st, std::size_t i) {
                         if (cn == 0) {
                             cn = st.parameterIndex(":cn"), dt = st.parameterIndex(":dt");
                             pn = st.parameterIndex(":pn"), pd = st.parameterIndex(":pd");
                             bal = st.parameterIndex(":bal"), pmt = st.parameterIndex(":pmt");
                             in = st.parameterIndex(":int"), pri = st.parameterIndex(":pri");
                             nbal = st.parameterIndex(":nbal");
                         }
                         const TMinimumPayments &r = rows[i];
                         const QByteArray &name = names.utf8(r.CreditorName);
                         st.bindAt(cn, name.constData(), int(name.size()));
                         st.bindAt(dt, r.Debt + 1);
                         st.bindAt(pn, r.PmtNumber);
                         st.bindAt(pd, IsoDate(r.PmtDate).text, 10);
                         st.bindAt(bal, r.Balance);
                         st.bindAt(pmt, r.Payment);
                         st.bindAt(in, r.Interest);
                         st.bindAt(pri, r.Principal);
                         st.bindAt(nbal, r.NewBalance);
                     });
    tx.commit();
}

void TPaymentRec::WriteKXPayments(const TPaymentPlan &plan)
{
    const TKXPayments &rows = plan.KXPayments;
    Transaction tx(m_db);
    m_db.execBatch(QStringLiteral("DELETE FROM tblKXPaymentsFromArray;"));
    NameCache names;
    int rn = 0, pn, pd, pri, cn, sb, pa, in, pr, nb;
    m_db.insertArray(QStringLiteral("INSERT INTO tblKXPaymentsFromArray (RecordNum, PaymentNumber, PaymentDate, Priority, "
                                    "CreditorName, StartBalance, PaymentAmount, Interest, Principal, NewBalance) "
                                    "VALUES (:rn, :pn, :pd, :pri, :cn, :sb, :pa, :in, :pr, :nb)"),
                     rows.size(), [&](Statement &st, std::size_t i) {
                         if (rn == 0) {
                             rn = st.parameterIndex(":rn"), pn = st.parameterIndex(":pn");
                             pd = st.parameterIndex(":pd"), pri = st.parameterIndex(":pri");
                             cn = st.parameterIndex(":cn"), sb = st.parameterIndex(":sb");
                             pa = st.parameterIndex(":pa"), in = st.parameterIndex(":in");
                             pr = st.parameterIndex(":pr"), nb = st.parameterIndex(":nb");
                         }
                         const TKXPayment &r = rows[i];
                         const QByteArray &name = names.utf8(r.CreditorName);
                         st.bindAt(rn, r.RecordNum);
                         st.bindAt(pn, r.PaymentNumber);
                         st.bindAt(pd, IsoDate(r.PaymentDate).text, 10);
                         st.bindAt(pri, r.Priority);
                         st.bindAt(cn, name.constData(), int(name.size()));
                         st.bindAt(sb, r.StartBalance);
                         st.bindAt(pa, r.PaymentAmount);
                         st.bindAt(in, r.Interest);
                         st.bindAt(pr, r.Principal);
                         st.bindAt(nb, r.NewBalance);
                     });
    tx.commit();
}

void TPaymentRec::btnMinimumPaymentsClick()
{
    QElapsedTimer sw;
    if (m_log)
        sw.start();
    TPaymentPlan plan;
    ReadPaymentPlan(plan, PrioritySortIndex);
    const TMinPmtArray rows = m_engine.MinimumPaymentSchedule(plan.arrDebts, plan.StartDate, TAppinfo::GetMinPmtAllowed());
    if (m_log) {
        log(QStringLiteral("Calculations took %1 miliseconds").arg(sw.elapsed()));
        sw.restart();
    }
    WriteMinPayments(rows);
    if (m_log)
        log(QStringLiteral("SQL INSERT using ArrayDML %1 miliseconds").arg(sw.elapsed()));
}

void TPaymentRec::btnKorvoPaymentsClick()
{
    TPaymentPlan plan;
    LoadPaymentPlan(plan, PrioritySortIndex);
    TPaymentRecEngine::GrowKXPayments(plan);
    QElapsedTimer sw;
    if (m_log) {
        log(QStringLiteral("Initialize PmtPlan.NumMonths: %1").arg(plan.NumMonths));
        sw.start();
    }
    m_engine.DoKorvoCalculations(plan, 0, false, true);
    if (m_log) {
        log(QStringLiteral("Calculations took %1 ms").arg(sw.elapsed()));
        log(QStringLiteral("After PmtPlan.NumMonths: %1").arg(plan.NumMonths));
        sw.restart();
    }
    WriteKXPayments(plan);
    if (m_log)
        log(QStringLiteral("Database writes took %1 ms").arg(sw.elapsed()));
}

void TPaymentRec::btnDateFinderClick()
{
    TPaymentPlan plan;
    LoadPaymentPlan(plan, PrioritySortIndex);
    const TDateFinderResult r = m_engine.DateFinderSearch(plan, TAppinfo::DateFinderMonths);
    TAppinfo::DateFinderPledgeMoney = r.PledgeMoney;
    WriteKXPayments(plan);
}

std::chrono::year_month_day TPaymentRec::KorvoStartDate()
{
    TPaymentPlan plan;
    LoadPaymentPlan(plan, PrioritySortIndex);
    return plan.StartDate;
}

int TPaymentRec::KorvoMonthsNoPledgeMoney()
{
    TPaymentPlan plan;
    LoadPaymentPlan(plan, PrioritySortIndex);
    TPaymentRecEngine::GrowKXPayments(plan);
    return m_engine.KorvoMonthsNoPledgeMoney(plan);
}

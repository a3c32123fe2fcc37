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

void TPaymentRec::WriteMinPayments(const TMinPmtArray &rows)
{
    Transaction tx(m_db);
    m_db.execBatch(QStringLiteral("DELETE FROM tblMinPaymentsFromArray;"));
    m_db.insertArray(QStringLiteral("INSERT INTO tblMinPaymentsFromArray (CreditorName, Debt, PmtNumber, PmtDate, "
                                    "Balance, Payment, Interest, Principal, NewBalance) "
                                    "VALUES (:cn, :dt, :pn, :pd, :bal, :pmt, :int, :pri, :nbal)"),
                     rows.size(), [&rows](Statement &st, std::size_t i) {
                         const TMinimumPayments &r = rows[i];
                         st.bind(":cn", r.CreditorName);
                         st.bind(":dt", r.Debt + 1);
                         st.bind(":pn", r.PmtNumber);
                         st.bind(":pd", ToIsoDate(r.PmtDate));
                         st.bind(":bal", r.Balance);
                         st.bind(":pmt", r.Payment);
                         st.bind(":int", r.Interest);
                         st.bind(":pri", r.Principal);
                         st.bind(":nbal", r.NewBalance);
                     });
    tx.commit();
}

void TPaymentRec::WriteKXPayments(const TPaymentPlan &plan)
{
    const TKXPayments &rows = plan.KXPayments;
    Transaction tx(m_db);
    m_db.execBatch(QStringLiteral("DELETE FROM tblKXPaymentsFromArray;"));
    m_db.insertArray(QStringLiteral("INSERT INTO tblKXPaymentsFromArray (RecordNum, PaymentNumber, PaymentDate, Priority, "
                                    "CreditorName, StartBalance, PaymentAmount, Interest, Principal, NewBalance) "
                                    "VALUES (:rn, :pn, :pd, :pri, :cn, :sb, :pa, :in, :pr, :nb)"),
                     rows.size(), [&rows](Statement &st, std::size_t i) {
                         const TKXPayment &r = rows[i];
                         st.bind(":rn", r.RecordNum);
                         st.bind(":pn", r.PaymentNumber);
                         st.bind(":pd", ToIsoDate(r.PaymentDate));
                         st.bind(":pri", r.Priority);
                         st.bind(":cn", r.CreditorName);
                         st.bind(":sb", r.StartBalance);
                         st.bind(":pa", r.PaymentAmount);
                         st.bind(":in", r.Interest);
                         st.bind(":pr", r.Principal);
                         st.bind(":nb", r.NewBalance);
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

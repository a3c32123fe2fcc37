#include "store/TdmSQLite.h"

#include "app/Clock.h"
#include "app/TAppinfo.h"

TdmSQLite::TdmSQLite(const QString &databasePath)
{
    m_db.open(databasePath);
    InitializeNewPlan();
}

TdmSQLite::TdmSQLite(const QString &databasePath, PrivateCopy)
{
    m_db.openMemory();
    m_db.copyFrom(databasePath);
    // Anything else would fail later with a less helpful message.
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN "
                                   "('Plan', 'Debts', 'hist_Plan', 'tblKXPaymentsFromArray')")).toInt() != 4)
        throw DbError(QStringLiteral("%1 is not a plan database.").arg(databasePath).toStdString());
    InitializeNewPlan();
}

TdmSQLite::~TdmSQLite()
{
    m_db.close();
}

void TdmSQLite::Disconnect()
{
    m_db.close();
}

QString TdmSQLite::SQLDateText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

void TdmSQLite::InitializeNewPlan()
{
    Transaction tx(m_db);
    m_db.execBatch(QStringLiteral("DELETE FROM Plan;"
                                  "INSERT INTO Plan (PlanID) VALUES (0);"
                                  "DELETE FROM OneOffPayments;"
                                  "DELETE FROM Debts;"));
    tx.commit();
    TAppinfo::SetPlanModified(false);
}

void TdmSQLite::CopyPlanFromHist(int PlanID)
{
    const DbParams p{{QStringLiteral(":pid"), PlanID}};
    Transaction tx(m_db);
    // Without this check an unknown id would leave the working plan without
    // its one Plan row.
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM hist_Plan WHERE PlanId = :pid;"), p).toInt() == 0)
        throw DbError(QStringLiteral("The saved plan %1 does not exist.").arg(PlanID).toStdString());
    m_db.execBatch(QStringLiteral(
                       "DELETE FROM Plan;"
                       "INSERT INTO Plan (PlanId, PlanName, StartDate, Strategy, PledgeMoney, PlanType) "
                       "SELECT PlanId, PlanName, StartDate, Strategy, PledgeMoney, PlanType FROM hist_Plan WHERE PlanId = :pid;"),
                   p);
    m_db.execBatch(QStringLiteral(
                       "DELETE FROM OneOffPayments;"
                       "INSERT INTO OneOffPayments (OneOffDate, OneOffPayment) "
                       "SELECT OneOffDate, OneOffPayment FROM hist_OneOffPayments WHERE PlanId = :pid;"),
                   p);
    m_db.execBatch(QStringLiteral(
                       "DELETE FROM Debts;"
                       "INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) "
                       "SELECT Priority, DebtType, CreditorName, APR, Balance, Payment FROM hist_Debts "
                       "WHERE PlanId = :pid ORDER BY Priority;"),
                   p);
    tx.commit();
}

void TdmSQLite::SavePlan(int &PlanID)
{
    int id = PlanID;
    Transaction tx(m_db);
    if (id != 0)
        UpdateHistPlan(id);
    else
        InsertHistPlan(id);
    CopyOneOffsToHist(id);
    CopyDebtsToHist(id);
    tx.commit();
    PlanID = id; // only once everything is stored
}

void TdmSQLite::InsertHistPlan(int &PlanID)
{
    m_db.execBatch(QStringLiteral(
        "INSERT INTO hist_Plan (PlanName, StartDate, Strategy, PledgeMoney, PlanType) "
        "SELECT PlanName, StartDate, Strategy, PledgeMoney, PlanType FROM Plan;"));
    PlanID = m_db.scalar(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = :tbl;"),
                         {{QStringLiteral(":tbl"), QStringLiteral("hist_Plan")}})
                 .toInt();
}

void TdmSQLite::UpdateHistPlan(int PlanID)
{
    const QString today = SQLDateText(Clock::Today());
    m_db.execBatch(QStringLiteral("UPDATE Plan SET PlanId = :pid;"), {{QStringLiteral(":pid"), PlanID}});
    m_db.execBatch(QStringLiteral(
                       "UPDATE hist_Plan SET ( PlanName, StartDate, Strategy, PledgeMoney, PlanType, DateLastUpdated ) = "
                       "( SELECT P.PlanName, P.StartDate, P.Strategy, P.PledgeMoney, P.PlanType, :today "
                       "FROM Plan AS P WHERE P.PlanId = hist_Plan.PlanId ) WHERE hist_Plan.PlanId = :pid;"),
                   {{QStringLiteral(":today"), today}, {QStringLiteral(":pid"), PlanID}});
}

void TdmSQLite::CopyOneOffsToHist(int PlanID)
{
    m_db.execBatch(QStringLiteral(
                       "DELETE FROM hist_OneOffPayments WHERE PlanID = :pid;"
                       "INSERT INTO hist_OneOffPayments (PlanID, OneOffDate, OneOffPayment) "
                       "SELECT :pid, OneOffDate, OneOffPayment FROM OneOffPayments;"),
                   {{QStringLiteral(":pid"), PlanID}});
}

void TdmSQLite::CopyDebtsToHist(int PlanID)
{
    m_db.execBatch(QStringLiteral(
                       "DELETE FROM hist_Debts WHERE PlanID = :pid;"
                       "INSERT INTO hist_Debts (PlanID, Priority, DebtType, CreditorName, APR, Balance, Payment) "
                       "SELECT :pid, Priority, DebtType, CreditorName, APR, Balance, Payment FROM Debts;"),
                   {{QStringLiteral(":pid"), PlanID}});
}

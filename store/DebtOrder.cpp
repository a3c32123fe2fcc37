#include "store/DebtOrder.h"

#include "app/TAppinfo.h"
#include "store/Db.h"

QString SortClauseForStrategy(const QString &AStrategy)
{
    if (AStrategy == QLatin1String("Avalanche"))
        return QStringLiteral("Avalanche DESC");
    if (AStrategy == QLatin1String("Snowball"))
        return QStringLiteral("Snowball DESC");
    return QStringLiteral("Priority");
}

void SetPlanSortFromStrategy(const QString &AStrategy)
{
    TAppinfo::SetPlanSort(SortClauseForStrategy(AStrategy));
}

void RenumberDebts(Database &db, const QString &planSort)
{
    // Rowids of a table without AUTOINCREMENT start at 1 in an empty table and
    // follow insertion order, which numbers the sorted rows 1..n.
    const QString sql = Database::expandOrderBy(QStringLiteral(
        "DELETE FROM Debts_Temp;"
        "INSERT INTO Debts_Temp ( Priority, DebtType, CreditorName, APR, Balance, Payment ) "
        "SELECT Priority, DebtType, CreditorName, APR, Balance, Payment FROM Debts ORDER BY !ob;"
        "UPDATE Debts_Temp SET Priority = RowID;"
        "DELETE FROM Debts;"
        "INSERT INTO Debts ( Priority, DebtType, CreditorName, APR, Balance, Payment ) "
        "SELECT Priority, DebtType, CreditorName, APR, Balance, Payment FROM Debts_Temp ORDER BY Priority;"),
        planSort);
    Transaction tx(db);
    db.execBatch(sql);
    tx.commit();
}

void SortWorkingDebts(Database &db)
{
    SetPlanSortFromStrategy(db.scalar(QStringLiteral("SELECT Strategy FROM Plan")).toString());
    RenumberDebts(db, TAppinfo::GetPlanSort());
}

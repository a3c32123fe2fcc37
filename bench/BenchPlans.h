#pragma once
// The two plans every benchmark measures: the shipped Sample 2, and a
// 20-debt plan whose minimum schedule reaches 500 payments on most debts and
// whose accelerated schedule runs for over a decade.

#include "app/TAppinfo.h"
#include "store/DebtOrder.h"
#include "store/TdmSQLite.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

inline void LoadBenchPlan(TdmSQLite &dm, bool stress)
{
    Database &db = dm.conSQLite();
    if (!stress) {
        dm.CopyPlanFromHist(2);
    } else {
        db.execBatch(QStringLiteral("UPDATE Plan SET StartDate = '2027-01-31', PledgeMoney = 40;"));
        for (int i = 0; i < 20; ++i) {
            // Loans paying barely more than their interest take centuries;
            // large cards decline slowly towards the floor.
            const bool loan = i % 4 != 3;
            const double balance = 40000 + 5000 * i;
            const double apr = loan ? 4 + (i % 5) : 9 + (i % 3);
            const double payment = loan ? balance * apr / 1200 * 1.03 + 1 : balance * 0.02;
            db.execBatch(QStringLiteral("INSERT INTO Debts (Priority, DebtType, CreditorName, APR, Balance, Payment) "
                                        "VALUES (:p, :t, :n, :a, :b, :m);"),
                         {{QStringLiteral(":p"), i + 1},
                          {QStringLiteral(":t"), loan ? QStringLiteral("Loan") : QStringLiteral("Credit Card")},
                          {QStringLiteral(":n"), QStringLiteral("Creditor %1").arg(i + 1)},
                          {QStringLiteral(":a"), apr}, {QStringLiteral(":b"), balance},
                          {QStringLiteral(":m"), payment}});
        }
    }
    SortWorkingDebts(db);
}

// A private copy of the template database in `dir` with one of the two plans
// as its working plan.
inline std::unique_ptr<TdmSQLite> OpenBenchPlan(const QTemporaryDir &dir, bool stress)
{
    const QString path = dir.filePath(QStringLiteral("Orvessa.db"));
    QFile::copy(QStringLiteral(ORVESSA_TEMPLATE_DB), path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    TAppinfo::SetMinPmtAllowed(25);
    auto dm = std::make_unique<TdmSQLite>(path);
    LoadBenchPlan(*dm, stress);
    return dm;
}

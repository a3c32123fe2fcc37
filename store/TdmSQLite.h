#pragma once
// Owner of the one database connection and of the operations that move a plan
// between the working tables and the history of saved plans.

#include "store/Db.h"

#include <QDate>
#include <QString>

class TdmSQLite {
public:
    // Opens the database and starts a new, empty working plan.
    explicit TdmSQLite(const QString &databasePath);
    // Works on a private in-memory copy of the file, which stays untouched.
    struct PrivateCopy {};
    TdmSQLite(const QString &databasePath, PrivateCopy);
    ~TdmSQLite();

    Database &conSQLite() { return m_db; }

    void InitializeNewPlan();
    // Replaces the working plan by a copy of a saved plan. An id that names no
    // saved plan is refused and changes nothing.
    void CopyPlanFromHist(int PlanID);
    // Saves the working plan into the history; PlanID 0 asks for a new saved
    // plan and receives its id. All or nothing.
    void SavePlan(int &PlanID);
    // Closes the connection; the next statement opens it again.
    void Disconnect();

    static QString SQLDateText(const QDate &date);

private:
    void InsertHistPlan(int &PlanID);
    void UpdateHistPlan(int PlanID);
    void CopyOneOffsToHist(int PlanID);
    void CopyDebtsToHist(int PlanID);

    Database m_db;
};

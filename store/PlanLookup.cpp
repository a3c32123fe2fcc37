#include "store/PlanLookup.h"

#include "store/Db.h"

#include <QList>
#include <QStringList>

int SavedPlanId(Database &db, const QString &plan)
{
    bool isId = false;
    const int id = plan.toInt(&isId);
    if (isId && db.scalar(QStringLiteral("SELECT COUNT(*) FROM hist_Plan WHERE PlanID = :pid"),
                          {{QStringLiteral(":pid"), id}}).toInt() == 1)
        return id;
    Statement st(db, QStringLiteral("SELECT PlanID FROM hist_Plan WHERE PlanName = :name ORDER BY PlanID"));
    st.bind(":name", plan);
    QList<int> ids;
    while (st.step())
        ids << st.getInt(0);
    if (ids.isEmpty())
        throw EPlanLookup(QStringLiteral("No saved plan has the id or name \"%1\".").arg(plan).toStdString());
    if (ids.size() > 1) {
        QStringList list;
        for (int i : ids)
            list << QString::number(i);
        throw EPlanLookup(QStringLiteral("Several saved plans are named \"%1\" (ids %2); give the id instead.")
                              .arg(plan, list.join(QStringLiteral(", "))).toStdString());
    }
    return ids.first();
}

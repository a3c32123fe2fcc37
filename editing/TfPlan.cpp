#include "editing/TfPlan.h"

#include "app/TMainHost.h"
#include "store/TdmSQLite.h"

#include <QLineEdit>
#include <QVBoxLayout>

TfPlan::TfPlan(TdmSQLite &db, TMainHost *host, QObject *parent)
    : QObject(parent), m_db(db), m_host(host)
{
    setObjectName(QStringLiteral("fPlan"));
    lytPlan = new QWidget;
    lytPlan->setObjectName(QStringLiteral("lytPlan"));
    auto *l = new QVBoxLayout(lytPlan);
    edPlanName = new QLineEdit(lytPlan);
    edPlanName->setObjectName(QStringLiteral("edPlanName"));
    edPledgeMoney = new QLineEdit(lytPlan);
    edPledgeMoney->setObjectName(QStringLiteral("edPledgeMoney"));
    l->addWidget(edPlanName);
    l->addWidget(edPledgeMoney);
    l->addStretch();
}

TfPlan::~TfPlan()
{
    delete lytPlan;
}

void TfPlan::SQLDataToControls() {}
void TfPlan::SQLControlsToDatabase() {}
void TfPlan::DisableOnChangeEvents() {}
void TfPlan::EnableOnChangeEvents() {}
QString TfPlan::GetPlanName() const { return edPlanName->text(); }
void TfPlan::SetPlanName(const QString &Value) { edPlanName->setText(Value); }
void TfPlan::SetStrategyToCustom() {}
void TfPlan::MakeThemeAdjustments() {}

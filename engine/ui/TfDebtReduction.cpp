#include "engine/ui/TfDebtReduction.h"

#include "engine/ui/TfPaymentRec.h"
#include "store/TdmSQLite.h"

#include <QVBoxLayout>
#include <QWidget>

TfDebtReduction::TfDebtReduction(TdmSQLite &db, TfPaymentRec &engine, QObject *parent)
    : QObject(parent), m_db(db), m_engine(engine), theDebtRedution(db.conSQLite())
{
    setObjectName(QStringLiteral("fDebtReduction"));
    lytDebtReduction = new QWidget;
    lytDebtReduction->setObjectName(QStringLiteral("lytDebtReduction"));
    new QVBoxLayout(lytDebtReduction);
}

TfDebtReduction::~TfDebtReduction()
{
    delete lytDebtReduction;
}

void TfDebtReduction::UpdateDataLabels()
{
    m_engine.btnMinimumPaymentsClick();
    m_engine.btnKorvoPaymentsClick();
}

void TfDebtReduction::MakeThemeAdjustments() {}

void TfDebtReduction::lblDebtFreeDateClick()
{
    if (OnDateFinder)
        OnDateFinder();
}

#include "editing/TfDebts.h"

#include "app/TMainHost.h"
#include "store/TdmSQLite.h"

#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

TfDebts::TfDebts(TdmSQLite &db, TMainHost *host, QObject *parent)
    : QObject(parent), m_db(db), m_host(host)
{
    setObjectName(QStringLiteral("fDebts"));
    lytDebts = new QWidget;
    lytDebts->setObjectName(QStringLiteral("lytDebts"));
    auto *l = new QVBoxLayout(lytDebts);
    sgDebts = new QTableWidget(0, ColumnCount, lytDebts);
    sgDebts->setObjectName(QStringLiteral("sgDebts"));
    btnAddUpdate = new QToolButton(lytDebts);
    btnCancel = new QToolButton(lytDebts);
    l->addWidget(sgDebts);
}

TfDebts::~TfDebts()
{
    delete lytDebts;
}

void TfDebts::RefreshDebtGridWithData() {}
void TfDebts::UpdateSummaryInformation(bool) {}
void TfDebts::MakeThemeAdjustments() {}

#include "editing/TfOneoffs.h"

#include "app/TMainHost.h"
#include "store/TdmSQLite.h"

#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

TfOneoffs::TfOneoffs(TdmSQLite &db, TMainHost *host, QObject *parent)
    : QObject(parent), m_db(db), m_host(host)
{
    setObjectName(QStringLiteral("fOneoffs"));
    lytOneoffs = new QWidget;
    lytOneoffs->setObjectName(QStringLiteral("lytOneoffs"));
    auto *l = new QVBoxLayout(lytOneoffs);
    sgPayments = new QTableWidget(0, 5, lytOneoffs);
    sgPayments->setObjectName(QStringLiteral("sgPayments"));
    btnCancel = new QToolButton(lytOneoffs);
    l->addWidget(sgPayments);
}

TfOneoffs::~TfOneoffs()
{
    delete lytOneoffs;
}

void TfOneoffs::SQLDataToGrid() {}
void TfOneoffs::ResetEntryFields(int) {}

#include "reports/ui/TfReports.h"

#include "app/TMainHost.h"
#include "store/TdmSQLite.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

TfReports::TfReports(TdmSQLite &db, TMainHost *host, QObject *parent)
    : QObject(parent), m_db(db), m_host(host)
{
    setObjectName(QStringLiteral("fReports"));
    lytReports = new QWidget;
    lytReports->setObjectName(QStringLiteral("lytReports"));
    auto *v = new QVBoxLayout(lytReports);
    auto *lbl = new QLabel(QStringLiteral("Reports"), lytReports);
    lbl->setAlignment(Qt::AlignCenter);
    v->addWidget(lbl);
}

TfReports::~TfReports()
{
    delete lytReports;
}

void TfReports::UpdateInstructionTextAppearance() {}

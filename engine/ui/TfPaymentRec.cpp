#include "engine/ui/TfPaymentRec.h"

#include "store/TdmSQLite.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

TfPaymentRec::TfPaymentRec(TdmSQLite &db, QObject *parent)
    : QObject(parent), m_rec(db.conSQLite())
{
    setObjectName(QStringLiteral("fPaymentRec"));
    lytPaymentRec = new QWidget;
    lytPaymentRec->setObjectName(QStringLiteral("lytPaymentRec"));
    auto *v = new QVBoxLayout(lytPaymentRec);
    auto *buttons = new QHBoxLayout;
    btnMinimumPayments = new QPushButton(QStringLiteral("Minimum Payments"), lytPaymentRec);
    btnMinimumPayments->setObjectName(QStringLiteral("btnMinimumPayments"));
    btnKorvoPayments = new QPushButton(QStringLiteral("Accelerated Payments"), lytPaymentRec);
    btnKorvoPayments->setObjectName(QStringLiteral("btnKorvoPayments"));
    buttons->addWidget(btnMinimumPayments);
    buttons->addWidget(btnKorvoPayments);
    buttons->addStretch();
    v->addLayout(buttons);
    memLog = new QPlainTextEdit(lytPaymentRec);
    memLog->setObjectName(QStringLiteral("memLog"));
    memLog->setReadOnly(true);
    // A refresh with logging on writes thousands of lines; keep the page light.
    memLog->setMaximumBlockCount(20000);
    v->addWidget(memLog);
    connect(btnMinimumPayments, &QPushButton::clicked, this, &TfPaymentRec::btnMinimumPaymentsClick);
    connect(btnKorvoPayments, &QPushButton::clicked, this, &TfPaymentRec::btnKorvoPaymentsClick);
}

TfPaymentRec::~TfPaymentRec()
{
    m_rec.SetLog(nullptr);
    delete lytPaymentRec;
}

void TfPaymentRec::SetLogging(bool on)
{
    m_logging = on;
    m_rec.SetLog(on ? this : nullptr);
}

void TfPaymentRec::btnMinimumPaymentsClick()
{
    // The minimum-payment refresh starts a fresh log.
    memLog->clear();
    m_rec.btnMinimumPaymentsClick();
}

void TfPaymentRec::btnKorvoPaymentsClick()
{
    m_rec.btnKorvoPaymentsClick();
}

void TfPaymentRec::AddLogLine(const QString &line)
{
    memLog->appendPlainText(line);
}

#include "app/TfMain.h"

#include "store/TdmSQLite.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QStatusBar>

TfMain::TfMain(TdmSQLite &db, QWidget *parent)
    : QMainWindow(parent), m_db(db)
{
    setObjectName(QStringLiteral("fMain"));
    auto *sb = new QStatusBar(this);
    sb->setObjectName(QStringLiteral("sbMain"));
    sb->setFixedHeight(22);
    sb->setSizeGripEnabled(true);
    lblNotice = new QLabel(sb);
    lblNotice->setObjectName(QStringLiteral("lblNotice"));
    lblNotice->setFixedWidth(813);
    sb->addWidget(lblNotice);
    setStatusBar(sb);
    setCentralWidget(new QWidget(this));
    TAppinfo::OnThemeStyleApplied = [](TkxThemeStyle, const QString &stylePath) {
        QFile f(stylePath);
        // A missing or unreadable style file leaves the plain default look.
        qApp->setStyleSheet(f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString());
    };
    InitializeForm();
}

TfMain::~TfMain()
{
    TAppinfo::OnThemeStyleApplied = nullptr;
}

void TfMain::InitializeForm()
{
    setMinimumSize(926, 520);
    setGeometry(40, 40, 974, 547);
    TAppinfo::SetMinPmtAllowed(0);
    TAppinfo::LoadConfigSettings(*this);
    setWindowTitle(QString::fromLatin1(TAppinfo::ProductName));
    lblNotice->setText(TAppinfo::NoticeText);
}

void TfMain::SetFormLeft(int v)
{
    QRect g = geometry();
    g.moveLeft(v);
    setGeometry(g);
}

void TfMain::SetFormTop(int v)
{
    QRect g = geometry();
    g.moveTop(v);
    setGeometry(g);
}

void TfMain::SetFormHeight(int v)
{
    resize(width(), v);
}

void TfMain::SetFormWidth(int v)
{
    resize(v, height());
}

void TfMain::SetMaximized(bool v)
{
    setWindowState(v ? (windowState() | Qt::WindowMaximized) : (windowState() & ~Qt::WindowMaximized));
}

void TfMain::closeEvent(QCloseEvent *e)
{
    FormClose();
    e->accept();
}

void TfMain::FormClose()
{
    TAppinfo::SaveConfigSettings(*this);
}

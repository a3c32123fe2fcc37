#include "app/SingleInstance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString runtimeFolder()
{
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(QString::fromLocal8Bit(xdg)).isDir())
        return QString::fromLocal8Bit(xdg);
    return QDir::tempPath();
}

} // namespace

TSingleInstance::TSingleInstance(const QString &mutexName, const QString &dataFolder, QObject *parent)
    : QObject(parent)
{
    const QByteArray folderHash = QCryptographicHash::hash(QFileInfo(dataFolder).absoluteFilePath().toUtf8(),
                                                           QCryptographicHash::Sha1).toHex().left(12);
    m_serverName = QStringLiteral("%1-%2-%3").arg(mutexName).arg(getuid()).arg(QString::fromLatin1(folderHash));
}

TSingleInstance::~TSingleInstance()
{
    ReleaseSingleInstance();
}

bool TSingleInstance::CheckSingleInstance(const QString &openPlan)
{
    const QByteArray path = QFile::encodeName(runtimeFolder() + u'/' + m_serverName + QStringLiteral(".lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_lockFd = fd;
        return true;
    }
    if (fd >= 0)
        ::close(fd);
    // Another instance runs. If its window exists it listens; while it is
    // still starting nobody answers and we only beep.
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (socket.waitForConnected(500)) {
        socket.write("activate\n");
        if (!openPlan.isEmpty())
            socket.write("open " + openPlan.toUtf8().replace('\n', ' ') + '\n');
        socket.waitForBytesWritten(500);
        socket.disconnectFromServer();
    }
    QApplication::beep();
    return false;
}

void TSingleInstance::StartListening(QWidget *mainWindow)
{
    m_window = mainWindow;
    if (m_server || m_lockFd < 0)
        return;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_serverName); // a socket file left by a killed instance
    if (!m_server->listen(m_serverName))
        return; // later starts then only beep
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] { readRequests(s); });
            activate();
            readRequests(s);
        }
    });
}

void TSingleInstance::readRequests(QLocalSocket *s)
{
    // One request per line; anything else from the socket is ignored, and a
    // sender that never ends its line cannot make us hold unbounded data.
    while (s->canReadLine()) {
        const QByteArray line = s->readLine(4096).trimmed();
        if (line.startsWith("open "))
            emit openRequested(QString::fromUtf8(line.mid(5)));
    }
    if (s->bytesAvailable() > 4096)
        s->abort();
}

void TSingleInstance::activate()
{
    if (m_window) {
        if (m_window->isMinimized())
            m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }
    emit activationRequested();
}

void TSingleInstance::ReleaseSingleInstance()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    if (m_lockFd >= 0) {
        ::close(m_lockFd); // releases the lock
        m_lockFd = -1;
    }
}

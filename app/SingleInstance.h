#pragma once
// One running instance per user and data folder. An advisory lock on a file
// in the user's runtime folder marks the running instance (the kernel drops it
// when the process dies, so a killed instance never blocks); a local socket
// lets a second start ask it to come to the front.

#include <QObject>
#include <QPointer>
#include <QString>


class QLocalServer;
class QLocalSocket;
class QWidget;

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // The key should already be unique per user; the data folder is mixed in
    // so that runs on different data folders never see each other.
    TSingleInstance(const QString &mutexName, const QString &dataFolder, QObject *parent = nullptr);
    ~TSingleInstance() override;

    // True when this process is the only instance. Otherwise asks the running
    // instance to show its main window (and to open `openPlan`, when given),
    // beeps and returns false.
    bool CheckSingleInstance(const QString &openPlan = QString());
    // Starts answering later starts; call once the main window exists.
    void StartListening(QWidget *mainWindow);
    void ReleaseSingleInstance();

    QString serverName() const { return m_serverName; }

signals:
    void activationRequested();
    // A later start asked for this saved plan (an id or a name).
    void openRequested(const QString &plan);

private:
    void activate();
    void readRequests(QLocalSocket *s);

    QString m_serverName;
    int m_lockFd = -1;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_window;
};

#pragma once
// The application object. An error escaping an event handler is shown to the
// user and the program keeps running.

#include <QApplication>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

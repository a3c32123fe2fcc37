#include "app/TApplication.h"

#include "app/MsgDialogs.h"

#include <exception>

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Orvessa"));
    setOrganizationName(QStringLiteral("Talmaro"));
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        KxMsgDialog(QString::fromUtf8(e.what()), 1);
    } catch (...) {
        KxMsgDialog(QStringLiteral("An unexpected error occurred."), 1);
    }
    return false;
}

#include "app/UrlOpener.h"

#include "app/Links.h"
#include "app/MsgDialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QKeyEvent>
#include <QUrl>

namespace {

TOpenUrlHook &hook()
{
    static TOpenUrlHook h;
    return h;
}

bool openUrl(const QString &AUrl)
{
    if (AUrl.isEmpty())
        return true;
    if (hook())
        return hook()(AUrl);
    // The address is already percent-encoded; keep it exactly as built.
    return QDesktopServices::openUrl(QUrl::fromEncoded(AUrl.toUtf8()));
}

} // namespace

void SetOpenUrlHook(TOpenUrlHook h)
{
    hook() = std::move(h);
}

void OpenURL(const QString &AUrl)
{
    openUrl(AUrl);
}

void ShowHelpTopic(const QObject *AControl)
{
    const QString name = AControl ? AControl->objectName() : QStringLiteral("unknown");
    if (!openUrl(HelpTopicUrl(name)))
        KxMsgDialog(QStringLiteral("Unable to open help page: no program is set up to open web pages."), 2);
}

THelpKeyFilter *THelpKeyFilter::Instance()
{
    static THelpKeyFilter *filter = new THelpKeyFilter(QCoreApplication::instance());
    return filter;
}

bool THelpKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        ShowHelpTopic(watched);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void HandleHelpKey(QObject *control)
{
    if (control)
        control->installEventFilter(THelpKeyFilter::Instance());
}

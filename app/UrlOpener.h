#pragma once
// Hands web and mail addresses to the desktop's browser or mail client, and
// the F1 key of entry controls to the help site.

#include <QObject>
#include <QString>

#include <functional>

// Tests (and a headless run) receive the addresses here instead of a browser.
// The hook returns whether the address could be handed over.
using TOpenUrlHook = std::function<bool(const QString &)>;
void SetOpenUrlHook(TOpenUrlHook hook);

// Asks the desktop to open the address; the answer is not checked.
void OpenURL(const QString &AUrl);

// Opens the help page of the control's topic; a failure is reported in a box.
void ShowHelpTopic(const QObject *AControl);

// F1 on the watched control opens its help page and goes no further.
class THelpKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    static THelpKeyFilter *Instance();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Installs the F1 handling on a control (HandleHelpKey).
void HandleHelpKey(QObject *control);

#include "app/MsgDialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {

TMsgHook g_hook;

// Only the yes/no/cancel box may be dismissed without a button.
class KxMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool dismissable = false;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Escape && !dismissable) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent *e) override
    {
        if (!dismissable) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }
};

QMessageBox::Icon iconFor(int kind)
{
    switch (kind) {
    case 0: return QMessageBox::Warning;
    case 1: return QMessageBox::Critical;
    case 3: return QMessageBox::Question;
    default: return QMessageBox::Information;
    }
}

QString titleFor(int kind)
{
    switch (kind) {
    case 0: return QStringLiteral("Warning");
    case 1: return QStringLiteral("Error");
    case 3: return QStringLiteral("Confirm");
    default: return QStringLiteral("Information");
    }
}

int show(const QString &rawText, int kind, TMsgButtons buttons)
{
    QString text = rawText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (g_hook)
        return g_hook({text, kind, buttons});
    // A scripted run has nobody to answer: report on stderr and take the
    // default button.
    if (!qApp || qEnvironmentVariableIsSet("ORVESSA_MESSAGES_TO_STDERR")) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(titleFor(kind)), qPrintable(text));
        return buttons == mbOK ? mrOk : mrYes;
    }

    KxMessageBox box(iconFor(kind), titleFor(kind), text, QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    switch (buttons) {
    case mbOK:
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
        break;
    case mbYesNo:
        box.setDefaultButton(box.addButton(QMessageBox::Yes));
        box.addButton(QMessageBox::No);
        box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
        break;
    case mbYesNoCancel:
        box.setDefaultButton(box.addButton(QMessageBox::Yes));
        box.addButton(QMessageBox::No);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
        box.dismissable = true;
        break;
    }
    if (buttons == mbOK)
        box.setWindowFlags((box.windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
    box.exec();
    auto *clicked = box.clickedButton();
    if (!clicked)
        return buttons == mbOK ? mrOk : mrCancel;
    switch (box.standardButton(clicked)) {
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    case QMessageBox::Cancel: return mrCancel;
    default: return mrOk;
    }
}

} // namespace

void SetMsgDialogHook(TMsgHook hook)
{
    g_hook = std::move(hook);
}

void KxMsgDialog(const QString &AMessage, int AKind)
{
    show(AMessage, AKind, mbOK);
}

void KxMsgDialogFmt(const QString &AFormat, int AKind, const QString &AArg)
{
    QString text = AFormat;
    const int at = text.indexOf(QStringLiteral("%s"));
    if (at >= 0)
        text.replace(at, 2, AArg);
    show(text, AKind, mbOK);
}

int KxMsgDialogYN(const QString &AMessage, int AKind)
{
    return show(AMessage, AKind, mbYesNo);
}

int KxMsgDialogYNC(const QString &AMessage, int AKind)
{
    return show(AMessage, AKind, mbYesNoCancel);
}

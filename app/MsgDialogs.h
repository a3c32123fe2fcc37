#pragma once
// The program's only modal message boxes. Kinds: 0 warning, 1 error,
// 3 confirmation, anything else information. Answers: 6 Yes, 7 No, 2 Cancel.

#include <QString>

#include <functional>

enum TMsgButtons { mbOK, mbYesNo, mbYesNoCancel };

constexpr int mrYes = 6;
constexpr int mrNo = 7;
constexpr int mrCancel = 2;
constexpr int mrOk = 1;

struct TMsgRequest {
    QString text;
    int kind;
    TMsgButtons buttons;
};

// Tests (and a headless run) answer the boxes here instead of a person.
// When set, it receives every box and returns the answer code.
using TMsgHook = std::function<int(const TMsgRequest &)>;
void SetMsgDialogHook(TMsgHook hook);

void KxMsgDialog(const QString &AMessage, int AKind);
void KxMsgDialogFmt(const QString &AFormat, int AKind, const QString &AArg);
int KxMsgDialogYN(const QString &AMessage, int AKind);
int KxMsgDialogYNC(const QString &AMessage, int AKind);

#include "app/TitleBar.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <dwmapi.h>
#include <windows.h>
#endif

void UseDarkTitleBar(QWidget *AForm, bool ADark)
{
    if (!AForm)
        return;
#ifdef Q_OS_WIN
    const HWND hwnd = reinterpret_cast<HWND>(AForm->winId());
    if (!hwnd)
        return;
    const BOOL value = ADark ? TRUE : FALSE;
    DwmSetWindowAttribute(hwnd, 20, &value, sizeof(value));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
#else
    Q_UNUSED(ADark);
#endif
}

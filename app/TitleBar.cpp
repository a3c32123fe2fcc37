#include "app/TitleBar.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <dwmapi.h>
#endif

void UseDarkTitleBar(QWidget *AForm, bool ADark)
{
    if (!AForm)
        return;
#ifdef Q_OS_WIN
    // winId() creates the native window of a form not yet shown.
    const auto hwnd = reinterpret_cast<HWND>(AForm->window()->winId());
    if (!hwnd)
        return;
    constexpr DWORD kImmersiveDarkMode = 20;
    const DWORD value = ADark ? 0xFFFFFFFFu : 0u;
    DwmSetWindowAttribute(hwnd, kImmersiveDarkMode, &value, sizeof(value));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
#else
    Q_UNUSED(ADark);
#endif
}

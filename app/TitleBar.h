#pragma once
// The native title bar in the theme's colour. Style sheets colour only the
// client area, so each window calls this once before it is first shown, and
// the main window again after each theme switch.

class QWidget;

// Windows: sets the window manager's immersive dark mode attribute and has the
// frame redrawn. Elsewhere the window manager owns the title bar: nothing.
// A null form is ignored; failures leave the default title bar.
void UseDarkTitleBar(QWidget *AForm, bool ADark);

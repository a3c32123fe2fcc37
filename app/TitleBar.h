#pragma once
// The native title bar in the theme's colours. Only Windows lets a program
// colour it; elsewhere the window manager decides and this does nothing.

class QWidget;

void UseDarkTitleBar(QWidget *AForm, bool ADark);

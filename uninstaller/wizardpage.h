#pragma once

#include <QIcon>

class QWidget;

// What both pages of the wizard share as windows: the program's icon, a fixed dialog frame with
// only a close box, no taskbar entry, their designed size, a place in the middle of the screen,
// and that a closed page is gone.
void prepareWizardPage(QWidget *page);

// The program's icon in the sizes the system asks for.
QIcon sweepwrightIcon();

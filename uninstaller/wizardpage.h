#pragma once

#include <QIcon>

class QLabel;
class QWidget;

// What both pages of the wizard share: the program's icon, a fixed dialog frame with only a
// close box, no taskbar entry, their designed size, a place in the middle of the screen, that a
// closed page is gone, the fonts of their title and text, and that a page takes no press that
// comes within the system's double-click interval of its opening.
void prepareWizardPage(QWidget *page, QLabel *title, QLabel *text);

// The program's icon in the sizes the system asks for, and the first page's picture of it at
// 100, 125, 150 and 200 %.
QIcon sweepwrightIcon();

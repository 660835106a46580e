#pragma once

#include <QPoint>

class QWidget;

// Makes a window a fixed dialog of its own: a frame with only a close box, no taskbar entry,
// its present size for good, and released when closed. Like any main window it keeps the
// program running while it is open.
void makeFixedDialogWindow(QWidget *window);

// Puts a window in the middle of the screen it will open on. A window taller or wider than the
// screen opens at the screen's top-left corner instead, with its title and menu bars in view.
void centreOnScreen(QWidget *window);

// Puts a window's client area at a fixed place on the screen, as a form with a stored
// position opens; a screen too small to show it there gets it moved back into view, its
// top-left corner first.
void placeClientAt(QWidget *window, QPoint clientTopLeft);

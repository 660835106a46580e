#pragma once

class QWidget;

// The frame of a fixed dialog window, the platform's own: a caption with only a close box, and no
// taskbar entry. Each platform has its file (dialogframe_win.cpp, dialogframe_unix.cpp).
void giveFixedDialogFrame(QWidget *window);

#include "look/dialogframe.h"

#include <QWidget>

// A tool window keeps it out of the taskbar; the hints give a fixed dialog frame with only a close
// box.
void giveFixedDialogFrame(QWidget *window)
{
    window->setWindowFlags(
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

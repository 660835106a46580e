#include "wizardpage.h"

#include "windowplacement.h"

#include <QWidget>

void prepareWizardPage(QWidget *page)
{
    // A tool window keeps the page out of the taskbar; the hints give a fixed dialog frame with
    // only a close box.
    page->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint);
    // Tool windows do not keep a program running by default; a page does: the program ends when
    // its last page is gone.
    page->setAttribute(Qt::WA_QuitOnClose, true);
    page->setAttribute(Qt::WA_DeleteOnClose);
    page->setWindowIcon(sweepwrightIcon());
    page->setFixedSize(page->size());
    centreOnScreen(page);
}

QIcon sweepwrightIcon()
{
    QIcon icon;
    for (const int size : { 16, 32, 48 })
        icon.addFile(QStringLiteral(":/sweepwright/icons/sweepwright-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

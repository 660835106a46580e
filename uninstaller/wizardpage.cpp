#include "wizardpage.h"

#include "designfonts.h"
#include "windowplacement.h"

#include <QLabel>
#include <QWidget>

void prepareWizardPage(QWidget *page, QLabel *title, QLabel *text)
{
    // Designer stores whole point sizes only.
    title->setFont(designFont(QStringLiteral("Tahoma"), 14.25, true));
    text->setFont(designFont(QStringLiteral("Tahoma"), 9));
    makeFixedDialogWindow(page);
    page->setWindowIcon(sweepwrightIcon());
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

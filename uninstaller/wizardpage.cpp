#include "wizardpage.h"

#include "look/designfonts.h"
#include "look/windowplacement.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStyleHints>
#include <QWidget>

namespace {

// Keeps a page's buttons from taking a press that the user aimed at the page before it. "Next"
// opens Phase2 where Main was, its refuse button under the pointer: the second click of a
// double-click on "Next" would answer a question nobody has read. A press within the system's
// double-click interval of the page's opening is dropped, and the release that follows it
// clicks nothing, since its button was never down.
class EarlyPressFilter final : public QObject
{
public:
    explicit EarlyPressFilter(QWidget *page)
        : QObject(page)
    {
        page->installEventFilter(this);
        for (QAbstractButton *button : page->findChildren<QAbstractButton *>())
            button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            if (watched == parent())
                m_shown.start();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return watched != parent() && tooEarly();
        case QEvent::KeyPress:
            // A held or repeated space bar clicks as surely as the mouse does, and so does Enter,
            // which presses a focused button through its Space keys.
            return watched != parent() && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space
                && tooEarly();
        default:
            return false;
        }
    }

private:
    bool tooEarly() const
    {
        return !m_shown.isValid()
            || m_shown.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
    }

    QElapsedTimer m_shown;
};

} // namespace

void prepareWizardPage(QWidget *page, QLabel *title, QLabel *text)
{
    // Designer stores whole point sizes only.
    title->setFont(designFont(QStringLiteral("Tahoma"), 14.25, true));
    text->setFont(designFont(QStringLiteral("Tahoma"), 9));
    makeFixedDialogWindow(page);
    page->setWindowIcon(sweepwrightIcon());
    centreOnScreen(page);
    new EarlyPressFilter(page);
}

QIcon sweepwrightIcon()
{
    QIcon icon;
    for (const int size : { 16, 32, 48, 60, 72, 96 })
        icon.addFile(QStringLiteral(":/sweepwright/icons/sweepwright-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}

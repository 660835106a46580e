#include "wizardpage.h"

#include "designfonts.h"
#include "windowplacement.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
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

// Draws a bold title that the screen's scale would leave too light a second time, moved by the
// pixels its strokes lack, as Windows draws a bold that no face provides. At 100 % the label
// paints itself.
class TitleOverstrike final : public QObject
{
public:
    explicit TitleOverstrike(QLabel *title)
        : QObject(title)
    {
        title->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *title = static_cast<QLabel *>(watched);
        const qreal ratio = title->devicePixelRatioF();
        const qreal shortfall = boldStrokeShortfall(title->font(), ratio) / ratio;
        if (shortfall <= 0)
            return false;
        // As a label draws plain text; its background is already filled.
        QPainter painter(title);
        const int flags = int(QStyle::visualAlignment(title->layoutDirection(), title->alignment()))
            | (title->wordWrap() ? int(Qt::TextWordWrap) : 0);
        for (const QPointF offset : { QPointF(0, 0), QPointF(shortfall, 0), QPointF(0, shortfall),
                                      QPointF(shortfall, shortfall) }) {
            painter.setTransform(QTransform::fromTranslate(offset.x(), offset.y()));
            title->style()->drawItemText(&painter, title->contentsRect(), flags, title->palette(),
                                         title->isEnabled(), title->text(), title->foregroundRole());
        }
        return true;
    }
};

} // namespace

void prepareWizardPage(QWidget *page, QLabel *title, QLabel *text)
{
    // Designer stores whole point sizes only.
    title->setFont(designFont(QStringLiteral("Tahoma"), 14.25, true));
    new TitleOverstrike(title);
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

#include "look/scaledpicture.h"

#include <QEvent>
#include <QLabel>

namespace {

class ScaledPicture final : public QObject
{
public:
    ScaledPicture(QLabel *label, const QIcon &picture, QSize size)
        : QObject(label)
        , m_label(label)
        , m_picture(picture)
        , m_size(size)
    {
        choose();
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A window moved to a screen of another scale only learns so when it paints.
        if (watched == m_label && event->type() == QEvent::Paint)
            choose();
        return false;
    }

private:
    void choose()
    {
        const qreal scale = m_label->devicePixelRatioF();
        if (!m_label->pixmap().isNull() && qFuzzyCompare(m_label->pixmap().devicePixelRatio(), scale))
            return;
        m_label->setPixmap(m_picture.pixmap(m_size, scale));
    }

    QLabel *m_label;
    QIcon m_picture;
    QSize m_size;
};

} // namespace

void showScaledPicture(QLabel *label, const QIcon &picture, QSize size)
{
    new ScaledPicture(label, picture, size);
}

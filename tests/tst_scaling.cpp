// Every window at the scale CTest gives it (QT_SCALE_FACTOR), with the stand-in fonts or, given
// "--without-stand-ins", as on a system that has none: every caption fits its control, and every
// text is drawn from glyph outlines or from a bitmap made for its very pixel size, never from a
// small bitmap stretched to size.

#include "applicationsetup.h"
#include "fakeservices.h"
#include "programwindows.h"
#include "velmo.h"
#include "wrappingbutton.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPainterPath>
#include <QRawFont>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QtEndian>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    if (const auto *list = qobject_cast<const QComboBox *>(widget))
        return list->count() ? list->itemText(0) : QString();
    return {};
}

// The pixel sizes of the bitmap strikes in a font's EBLC table.
QList<int> strikePixelSizes(const QByteArray &eblc)
{
    constexpr int headerSize = 8;
    constexpr int recordSize = 48;
    constexpr int ppemYOffset = 45;
    QList<int> sizes;
    if (eblc.size() < headerSize)
        return sizes;
    const auto count = qFromBigEndian<quint32>(eblc.constData() + 4);
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype at = headerSize + qsizetype(i) * recordSize + ppemYOffset;
        if (at < eblc.size())
            sizes.append(static_cast<unsigned char>(eblc.at(at)));
    }
    return sizes;
}

} // namespace

class ScalingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void captionFitsItsControl_data();
    void captionFitsItsControl();
    void textIsDrawnAtItsSize_data();
    void textIsDrawnAtItsSize();

private:
    void addTextRows();
    QWidget *control(const QString &form, const QString &name) const;

    std::unique_ptr<FakeServices> m_fakes;
    std::vector<std::unique_ptr<QWidget>> m_windows;
};

void ScalingTest::initTestCase()
{
    m_fakes = std::make_unique<FakeServices>(QStringLiteral("Velmora"));
    for (const ProgramWindow &form : programWindows()) {
        m_windows.emplace_back(form.open(m_fakes->services()));
        m_windows.back()->setAttribute(Qt::WA_DeleteOnClose, false);
        m_windows.back()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_windows.back().get()));
    }
    // The widest captions the clock writes: the status sentence and the month's name on the
    // last day of September, a minute before one.
    m_fakes->clock.set(QDateTime(QDate(2026, 9, 30), QTime(12, 59, 59)));
    auto *velmo = static_cast<Velmo *>(m_windows.front().get());
    velmo->Timer1_Timer();
    QCOMPARE(velmo->findChild<QLabel *>(QStringLiteral("ThisMonth"))->text(),
             QStringLiteral("The current time is: September, 30 2026 at 12:59 PM"));
}

void ScalingTest::cleanupTestCase()
{
    m_windows.clear();
    m_fakes.reset();
}

QWidget *ScalingTest::control(const QString &form, const QString &name) const
{
    for (const std::unique_ptr<QWidget> &window : m_windows) {
        if (window->objectName() == form)
            return window->findChild<QWidget *>(name);
    }
    return nullptr;
}

void ScalingTest::addTextRows()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    for (const std::unique_ptr<QWidget> &window : m_windows) {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->objectName().isEmpty() && !shownText(widget).isEmpty())
                QTest::addRow("%s.%s", qPrintable(window->objectName()),
                              qPrintable(widget->objectName()))
                    << window->objectName() << widget->objectName();
        }
    }
}

void ScalingTest::captionFitsItsControl_data()
{
    addTextRows();
}

void ScalingTest::captionFitsItsControl()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QWidget *widget = control(form, name);
    const QFontMetricsF metrics(widget->font());
    const QString text = shownText(widget);
    const auto report = [&](qreal needed, qreal room) {
        return qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3")
                              .arg(text)
                              .arg(needed)
                              .arg(room));
    };

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        const QRect room = label->contentsRect();
        if (name == QLatin1String("ThisMonth") || name == QLatin1String("MonName")) {
            // One line, whole or as near whole as a pixel allows; "September" may lose two
            // columns of its last letter's pixels and stay legible.
            const qreal allowed = name == QLatin1String("MonName") ? 2 : 1;
            const qreal needed = metrics.horizontalAdvance(text);
            QVERIFY2(needed <= room.width() + allowed, report(needed, room.width()));
            return;
        }
        const int flags = static_cast<int>(label->alignment())
            | (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
        const QRectF needed = metrics.boundingRect(room, flags, text);
        QVERIFY2(needed.width() <= room.width(), report(needed.width(), room.width()));
        QVERIFY2(needed.height() <= room.height(), report(needed.height(), room.height()));
    } else if (auto *wrapping = qobject_cast<WrappingButton *>(widget)) {
        const QRect room = wrapping->captionArea();
        const QRectF needed = metrics.boundingRect(room, WrappingButton::captionFlags, text);
        QVERIFY2(needed.height() <= room.height(), report(needed.height(), room.height()));
        QVERIFY2(needed.width() <= room.width(), report(needed.width(), room.width()));
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const qreal needed = metrics.horizontalAdvance(text) + 2 * margin;
        QVERIFY2(needed <= button->width(), report(needed, button->width()));
        QVERIFY2(metrics.height() <= button->height(), report(metrics.height(), button->height()));
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect room = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, frame);
        QVERIFY2(metrics.horizontalAdvance(text) <= room.width() + 1,
                 report(metrics.horizontalAdvance(text), room.width()));
    } else if (auto *list = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            const qreal needed = metrics.horizontalAdvance(list->itemText(i));
            QVERIFY2(needed <= room.width(), report(needed, room.width()));
        }
    } else {
        QFAIL("a control this check does not know");
    }
}

void ScalingTest::textIsDrawnAtItsSize_data()
{
    addTextRows();
}

void ScalingTest::textIsDrawnAtItsSize()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QWidget *widget = control(form, name);
    const QRawFont face = QRawFont::fromFont(widget->font());
    QVERIFY(face.isValid());

    // Glyph outlines draw any size.
    const quint32 glyph = face.glyphIndexesForString(QStringLiteral("e")).value(0);
    if (!face.pathForGlyph(glyph).isEmpty())
        return;

    // A face of bitmaps only is drawn at the size of the strike Qt takes, multiplied by the
    // screen's ratio of device pixels: the font must hold a strike of that size.
    const int devicePixels = qRound(face.pixelSize() * widget->devicePixelRatioF());
    const QList<int> strikes = strikePixelSizes(face.fontTable("EBLC"));
    QStringList listed;
    for (const int size : strikes)
        listed.append(QString::number(size));
    QVERIFY2(strikes.contains(devicePixels),
             qPrintable(QStringLiteral("%1 has no outlines and strikes of %2 pixels, drawn at %3")
                            .arg(QFontInfo(widget->font()).family(), listed.join(u','))
                            .arg(devicePixels)));
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // "--without-stand-ins" is ours; every other argument is QtTest's.
    std::vector<char *> arguments;
    bool withoutStandIns = false;
    for (int i = 0; i < argc; ++i) {
        if (qstrcmp(argv[i], "--without-stand-ins") == 0)
            withoutStandIns = true;
        else
            arguments.push_back(argv[i]);
    }
    int count = static_cast<int>(arguments.size());

    QApplication::setDesktopSettingsAware(false);
    QApplication app(count, arguments.data());
    QLocale::setDefault(QLocale::c());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (withoutStandIns)
        setUpApplication(app, QStringLiteral("Velmora"), QStringList());
    else
        setUpApplication(app, QStringLiteral("Velmora"));

    ScalingTest test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "tst_scaling.moc"

// Every window at the scale CTest gives it (QT_SCALE_FACTOR), with the stand-in fonts or, given
// "--without-stand-ins", as on a system that has none: every caption fits its control, every
// text is drawn from glyph outlines or from a bitmap made for its very pixel size, never from a
// small bitmap stretched to size, wrapped lines are spaced as on Windows, the pictures are
// drawn from bitmaps made for the scale, and a bold title is as heavy at every scale.

#include "runtime/applicationsetup.h"
#include "look/designfonts.h"
#include "fakeservices.h"
#include "runtime/languages.h"
#include "programwindows.h"
#include "velmo.h"
#include "velmoracaptions.h"
#include "look/wrappingbutton.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
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

    // First: the glyph checks below read the faces through QRawFont, after which Qt's FreeType
    // engine draws a face of strikes without some of its glyphs.
    void marksLeaveInk_data();
    void marksLeaveInk();

    void captionFitsItsControl_data();
    void captionFitsItsControl();
    void drawnAtItsSize_data();
    void drawnAtItsSize();

private:
    void addTextRows(const char *aspect = nullptr);
    void checkGlyphs(const QWidget *widget);
    void checkLinePitch(QLabel *label);
    void checkWeight(QLabel *label);
    void checkPicture(QLabel *label, const QString &drawnFor, int size);
    QWidget *control(const QString &form, const QString &name) const;

    std::unique_ptr<FakeServices> m_fakes;
    std::vector<std::unique_ptr<QWidget>> m_windows;
};

void ScalingTest::initTestCase()
{
    m_fakes = std::make_unique<FakeServices>(QStringLiteral("Velmora"));
    for (const ProgramWindow &form : programWindows()) {
        // Each form's substitute faces are chosen by the captions of its own program.
        useCaptionSamples(form.captions);
        m_windows.emplace_back(form.open(m_fakes->services()));
        m_windows.back()->setAttribute(Qt::WA_DeleteOnClose, false);
        m_windows.back()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_windows.back().get()));
    }
    // The widest captions the clock writes: the status sentence and the month's name on the
    // 30th of the month whose name is widest in the language (September in English), a minute
    // before one.
    auto *velmo = static_cast<Velmo *>(m_windows.front().get());
    const QFontMetricsF metrics(velmo->findChild<QLabel *>(QStringLiteral("MonName"))->font());
    int widest = 1;
    for (int month = 2; month <= 12; ++month) {
        if (metrics.horizontalAdvance(QLocale().standaloneMonthName(month))
            > metrics.horizontalAdvance(QLocale().standaloneMonthName(widest)))
            widest = month;
    }
    m_fakes->clock.set(QDateTime(QDate(2026, widest, 30), QTime(12, 59, 59)));
    velmo->Timer1_Timer();
    // And an answer, whose face is chosen when the first one is written, by Velmora's captions
    // though the last window opened was another program's.
    velmo->findChild<QLineEdit *>(QStringLiteral("BandInput"))->setText(QStringLiteral("Spring Fair"));
    velmo->findChild<QLineEdit *>(QStringLiteral("WhereInput"))->setText(QStringLiteral("Town Hall"));
    for (const char *list : { "EndMonth", "EndDay", "EndHour", "EndMinute" })
        velmo->findChild<QComboBox *>(QLatin1String(list))->setCurrentIndex(2);
    velmo->Calculate_Click();
    QVERIFY(!velmo->findChild<QLabel *>(QStringLiteral("FinalCalculation"))->text().isEmpty());
    if (QLocale().language() == QLocale::English || QLocale().language() == QLocale::C)
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

void ScalingTest::addTextRows(const char *aspect)
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    if (aspect)
        QTest::addColumn<QString>("aspect");
    for (const std::unique_ptr<QWidget> &window : m_windows) {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->objectName().isEmpty() || shownText(widget).isEmpty())
                continue;
            QTestData &row = QTest::addRow("%s.%s", qPrintable(window->objectName()),
                                           qPrintable(widget->objectName()))
                << window->objectName() << widget->objectName();
            if (aspect)
                row << QString::fromLatin1(aspect);
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
    // The words of a failure, in bytes that live until QVERIFY2 has printed them: qPrintable()
    // of a text made here would point into freed memory by then.
    const auto report = [&](qreal needed, qreal room) {
        return QStringLiteral("\"%1\" needs %2 px, has %3")
            .arg(text)
            .arg(needed)
            .arg(room)
            .toLocal8Bit();
    };

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        const QRect room = label->contentsRect();
        if (name == QLatin1String("ThisMonth") || name == QLatin1String("MonName")) {
            // One line, whole or as near whole as a pixel allows; "September" may lose two
            // columns of its last letter's pixels and stay legible.
            const qreal allowed = name == QLatin1String("MonName") ? 2 : 1;
            const qreal needed = metrics.horizontalAdvance(text);
            QVERIFY2(needed <= room.width() + allowed, report(needed, room.width()).constData());
            return;
        }
        const int flags = static_cast<int>(label->alignment())
            | (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
        const QRectF needed = metrics.boundingRect(room, flags, text);
        QVERIFY2(needed.width() <= room.width(),
                 report(needed.width(), room.width()).constData());
        QVERIFY2(needed.height() <= room.height(),
                 report(needed.height(), room.height()).constData());
    } else if (auto *wrapping = qobject_cast<WrappingButton *>(widget)) {
        const QRect room = wrapping->captionArea();
        const QRectF needed = metrics.boundingRect(room, WrappingButton::captionFlags, text);
        QVERIFY2(needed.height() <= room.height(),
                 report(needed.height(), room.height()).constData());
        QVERIFY2(needed.width() <= room.width(),
                 report(needed.width(), room.width()).constData());
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const qreal needed = metrics.horizontalAdvance(text) + 2 * margin;
        QVERIFY2(needed <= button->width(), report(needed, button->width()).constData());
        QVERIFY2(metrics.height() <= button->height(),
                 report(metrics.height(), button->height()).constData());
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect room = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, frame);
        QVERIFY2(metrics.horizontalAdvance(text) <= room.width() + 1,
                 report(metrics.horizontalAdvance(text), room.width()).constData());
    } else if (auto *list = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            const qreal needed = metrics.horizontalAdvance(list->itemText(i));
            QVERIFY2(needed <= room.width(), report(needed, room.width()).constData());
        }
    } else {
        QFAIL("a control this check does not know");
    }
}

void ScalingTest::drawnAtItsSize_data()
{
    addTextRows("glyphs");
    // Three lines of Tahoma, which Wine's file would set one em apart.
    QTest::newRow("Phase2.Label2 line pitch") << "Phase2" << "Label2" << "line pitch";
    QTest::newRow("Main.Label1 weight") << "Main" << "Label1" << "weight";
    QTest::newRow("frmAbout.picIcon picture") << "frmAbout" << "picIcon" << "picture";
    QTest::newRow("Main.Image1 picture") << "Main" << "Image1" << "picture";
}

void ScalingTest::drawnAtItsSize()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, aspect);
    QWidget *widget = control(form, name);
    QVERIFY(widget);
    if (aspect == QLatin1String("line pitch"))
        checkLinePitch(qobject_cast<QLabel *>(widget));
    else if (aspect == QLatin1String("weight"))
        checkWeight(qobject_cast<QLabel *>(widget));

    else if (name == QLatin1String("picIcon"))
        checkPicture(qobject_cast<QLabel *>(widget), QStringLiteral(":/about/about-%1.png"), 32);
    else if (name == QLatin1String("Image1"))
        checkPicture(qobject_cast<QLabel *>(widget),
                     QStringLiteral(":/sweepwright/icons/sweepwright-%1.png"), 48);
    else
        checkGlyphs(widget);
}

void ScalingTest::checkGlyphs(const QWidget *widget)
{
    const QRawFont face = QRawFont::fromFont(widget->font());
    QVERIFY(face.isValid());

    // Glyph outlines draw any size.
    const quint32 glyph = face.glyphIndexesForString(QStringLiteral("e")).value(0);
    if (!face.pathForGlyph(glyph).isEmpty())
        return;

#ifdef _WIN32
    // Windows draws a raster face from the strike made for the em it is asked for, and keeps the
    // face's tables to itself: the size Qt asked for must be the size the caption needs.
    const QFontInfo drawn(widget->font());
    const int needed = qRound(widget->font().pointSizeF() * widget->logicalDpiY() / 72.0);
    QVERIFY2(drawn.pixelSize() == needed,
             qPrintable(QStringLiteral("%1 is drawn at %2 pixels to the em instead of %3")
                            .arg(drawn.family())
                            .arg(drawn.pixelSize())
                            .arg(needed)));
    return;
#endif
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

// Windows sets Tahoma's lines about 1.2 em apart, and MS Sans Serif's 13 pixels apart at 11
// pixels to the em. The label is filled with capitals, whose tops stand on one row in every
// line, and photographed at the screen's scale.
void ScalingTest::checkLinePitch(QLabel *label)
{
    QVERIFY(label && label->wordWrap());
    const QString caption = label->text();
    label->setText(QStringLiteral("HHHH ").repeated(40));
    const QImage shot = label->grab().toImage();
    label->setText(caption);

    QList<int> lineTops;
    bool inkAbove = false;
    for (int y = 0; y < shot.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < shot.width() && !ink; ++x)
            ink = qGray(shot.pixel(x, y)) < 128;
        if (ink && !inkAbove)
            lineTops.append(y);
        inkAbove = ink;
    }
    QVERIFY2(lineTops.size() >= 3, qPrintable(QStringLiteral("%1 lines").arg(lineTops.size())));
    const qreal pitch = qreal(lineTops.last() - lineTops.first()) / qreal(lineTops.size() - 1);
    const qreal em = QRawFont::fromFont(label->font()).pixelSize() * label->devicePixelRatioF();
    QVERIFY2(pitch >= 1.12 * em && pitch <= 1.3 * em,
             qPrintable(QStringLiteral("lines %1 px apart at %2 px to the em of %3")
                            .arg(pitch)
                            .arg(em)
                            .arg(QFontInfo(label->font()).family())));
}

// A bold caption as heavy at every scale: its ink is that of the same text drawn unscaled at the
// label's size in device pixels, where the strokes are thickened by the face's own pixel size.
void ScalingTest::checkWeight(QLabel *label)
{
    QVERIFY(label);
    const qreal ratio = label->devicePixelRatioF();
    const QImage shot = label->grab().toImage();
    QImage unscaled(shot.size(), QImage::Format_RGB32);
    unscaled.fill(label->palette().color(label->backgroundRole()));
    {
        QFont font = label->font();
        font.setPointSizeF(font.pointSizeF() * ratio);
        QPainter painter(&unscaled);
        painter.setFont(font);
        painter.setPen(label->palette().color(label->foregroundRole()));
        painter.drawText(unscaled.rect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
    }
    const auto ink = [](const QImage &image) {
        qreal sum = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                sum += 255 - qGray(image.pixel(x, y));
        }
        return sum;
    };
    const qreal weight = ink(shot) / ink(unscaled);
    QVERIFY2(weight > 0.95 && weight < 1.12,
             qPrintable(QStringLiteral("%1 of the ink at %2 times").arg(weight).arg(ratio)));
}

void ScalingTest::marksLeaveInk_data()
{
    // Each face and size the forms draw text in.
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("designedFamily");
    QTest::newRow("Velmo.Label1") << "Velmo" << "Label1" << "MS Sans Serif";
    QTest::newRow("Velmo.FinalCalculation") << "Velmo" << "FinalCalculation" << "MS Sans Serif";
    QTest::newRow("Main.Label1") << "Main" << "Label1" << "Tahoma";
    QTest::newRow("Main.Label2") << "Main" << "Label2" << "Tahoma";
}

// Every mark a caption may hold leaves ink, in the face and size the label draws in, at every
// scale, alone and between letters.
void ScalingTest::marksLeaveInk()
{
    QFETCH(QString, form);
    QFETCH(QString, name);
    QFETCH(QString, designedFamily);
    auto *label = qobject_cast<QLabel *>(control(form, name));
    QVERIFY(label);
    const QString caption = label->text();
    // A face standing in for the design's is drawn smoothed whatever the system's setting:
    // Wine, which does not smooth unless told, loses every hyphen of Wine's unhinted Tahoma at
    // 13 pixels to the em, and Linux's FreeType, which hints it, would never show that loss.
    if (QFontInfo(label->font()).family().compare(designedFamily, Qt::CaseInsensitive) != 0)
        QVERIFY2(label->font().styleStrategy() & QFont::PreferAntialias,
                 "a stand-in face drawn without smoothing");
    const auto ink = [label](const QString &text) {
        label->setText(text);
        const QImage shot = label->grab().toImage();
        const int background = qGray(label->palette().color(label->backgroundRole()).rgb());
        int sum = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x)
                sum += std::max(0, background - qGray(shot.pixel(x, y)));
        }
        return sum;
    };
    QString lost;
    for (const QChar mark : QStringLiteral("-0123456789.,:;!?'\"()&/%^")) {
        const QString alone(3, mark);
        const QString between = QStringLiteral("a%1b").arg(alone);
        const int drawn = ink(alone);
        if (drawn == 0 || ink(between) - ink(QStringLiteral("a   b")) < drawn / 2)
            lost.append(mark);
    }
    label->setText(caption);
    QVERIFY2(lost.isEmpty(), qPrintable(QStringLiteral("%1 at %2 points draws no ink for: %3")
                                            .arg(QFontInfo(label->font()).family())
                                            .arg(label->font().pointSizeF())
                                            .arg(lost)));
}

// The picture is the bitmap made for its size in device pixels, drawn pixel for pixel: a
// smaller one scaled up differs along every edge.
void ScalingTest::checkPicture(QLabel *label, const QString &drawnFor, int size)
{
    QVERIFY(label);
    const int devicePixels = qRound(size * label->devicePixelRatioF());
    const QImage expected = QImage(drawnFor.arg(devicePixels)).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!expected.isNull(), qPrintable(QStringLiteral("no picture of %1 pixels").arg(devicePixels)));
    const QImage shot = label->grab().toImage().convertToFormat(QImage::Format_ARGB32);

    // Wherever the label puts it: compared on the picture's opaque pixels only.
    const auto drawnAt = [&](int left, int top) {
        for (int y = 0; y < expected.height(); ++y) {
            for (int x = 0; x < expected.width(); ++x) {
                const QRgb want = expected.pixel(x, y);
                const QRgb got = shot.pixel(left + x, top + y);
                if (qAlpha(want) == 255
                    && (std::abs(qRed(want) - qRed(got)) > 8 || std::abs(qGreen(want) - qGreen(got)) > 8
                        || std::abs(qBlue(want) - qBlue(got)) > 8))
                    return false;
            }
        }
        return true;
    };
    for (int top = 0; top + expected.height() <= shot.height(); ++top) {
        for (int left = 0; left + expected.width() <= shot.width(); ++left) {
            if (drawnAt(left, top))
                return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("the picture of %1 pixels is not drawn as it is").arg(devicePixels)));
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // "--without-stand-ins" is ours; every other argument is QtTest's.
    std::vector<char *> arguments;
    bool withoutStandIns = false;
    QString language;
    for (int i = 0; i < argc; ++i) {
        if (qstrcmp(argv[i], "--without-stand-ins") == 0)
            withoutStandIns = true;
        else if (qstrcmp(argv[i], "--language") == 0 && i + 1 < argc)
            language = QString::fromLocal8Bit(argv[++i]);
        else
            arguments.push_back(argv[i]);
    }
    int count = static_cast<int>(arguments.size());

    QApplication::setDesktopSettingsAware(false);
    QApplication app(count, arguments.data());
    QLocale::setDefault(QLocale::c());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setUpApplication(app, QStringLiteral("Velmora"), velmoraCaptions);
    if (withoutStandIns) {
        // As on a system where none of the stand-ins was found: the program's default font is
        // chosen from the system's own faces.
        QFontDatabase::removeAllApplicationFonts();
        app.setFont(defaultFormFont());
    }

    // "--language de": every window in that language, from the build's catalogues.
    if (!language.isEmpty()
        && useLanguage(app, { language }, { QStringLiteral(CATALOGUE_FOLDER) }).name().left(2)
            != language.left(2)) {
        qCritical("no catalogue of the language %s in %s", qPrintable(language), CATALOGUE_FOLDER);
        return 1;
    }

    ScalingTest test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "tst_scaling.moc"

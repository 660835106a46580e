#include "fakeservices.h"
#include "mainpage.h"
#include "pagestestsupport.h"
#include "phase2.h"
#include "taskbar.h"
#include "testmain.h"
#include "look/wrappingbutton.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionGroupBox>

#include <memory>

// The two pages against their design: the values below are typed from it, in twips.
class SweepwrightPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { removeAllWindows(); }

    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void fontsAreTheDesigned_data();
    void fontsAreTheDesigned();
    void everyCaptionFitsItsControl_data();
    void everyCaptionFitsItsControl();
    void pagesAreFixedCentredDialogsOutsideTheTaskbar_data();
    void pagesAreFixedCentredDialogsOutsideTheTaskbar();
    void focusStartsOnTheFirstButtonAndTabsInDesignedOrder_data();
    void focusStartsOnTheFirstButtonAndTabsInDesignedOrder();
    void noButtonAnswersEnterOrEscapeForThePage_data();
    void noButtonAnswersEnterOrEscapeForThePage();
    void theImageShowsTheProgramsIcon();

private:
    FakeServices m_fake { QStringLiteral("Dovrik's Software Sweepwright") };

    QWidget *openPage(const QString &name)
    {
        QWidget *page = nullptr;
        if (name == QLatin1String("Main"))
            page = new Main(wizardServices(m_fake), QStringLiteral("/opt/dovrik"));
        else
            page = new Phase2(wizardServices(m_fake), QStringLiteral("/opt/dovrik"));
        page->show();
        return page;
    }
};

void SweepwrightPagesTest::controlsSitWhereDesigned_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Main.Label1") << "Main" << "Label1" << "Main" << twips(0, 120, 4575, 735)
                                 << "Dovrik's Software Sweepwright";
    QTest::newRow("Main.Label2") << "Main" << "Label2" << "Main"
                                 << twips(1560, 1920, 1695, 255) << "To begin, click next.";
    QTest::newRow("Main.Command1") << "Main" << "Command1" << "Main"
                                   << twips(840, 2400, 975, 375) << "Cancel";
    QTest::newRow("Main.Command2") << "Main" << "Command2" << "Main"
                                   << twips(3000, 2400, 975, 375) << "Next";
    QTest::newRow("Main.Image1") << "Main" << "Image1" << "Main" << twips(2040, 1080, 720, 720)
                                 << "";
    QTest::newRow("Phase2.Label1") << "Phase2" << "Label1" << "Phase2"
                                   << twips(120, 120, 4455, 735)
                                   << "Dovrik's Software Sweepwright";
    QTest::newRow("Phase2.Label2")
        << "Phase2" << "Label2" << "Phase2" << twips(240, 960, 4335, 735)
        << "This will uninstall all of my software that may be installed on your system, it "
           "will delete any trace of it, it will be as if it never existed.";
    QTest::newRow("Phase2.Frame1") << "Phase2" << "Frame1" << "Phase2"
                                   << twips(120, 1800, 4455, 1335)
                                   << "Are you absolutly sure?";
    QTest::newRow("Phase2.Command1")
        << "Phase2" << "Command1" << "Frame1" << twips(2400, 360, 1935, 735)
        << "NO! Your programs are great and I want to keep them all";
    QTest::newRow("Phase2.Command2") << "Phase2" << "Command2" << "Frame1"
                                     << twips(240, 360, 1935, 735)
                                     << "YES! get your crap off of my computer";
}

void SweepwrightPagesTest::controlsSitWhereDesigned()
{
    QFETCH(QString, page);
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);

    QWidget *window = openPage(page);
    auto *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);

    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), geometry);
    QVERIFY(widget->isVisible());
    if (auto *label = qobject_cast<QLabel *>(widget); label && !caption.isEmpty()) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QCOMPARE(button->text(), caption);
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QCOMPARE(frame->title(), caption);
    }
}

void SweepwrightPagesTest::fontsAreTheDesigned_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");

    // Controls that name no font have the runtime's default, MS Sans Serif 8.25 pt.
    QTest::newRow("Main.Label1") << "Main" << "Label1" << "Tahoma" << 14.25 << true;
    QTest::newRow("Main.Label2") << "Main" << "Label2" << "Tahoma" << 9.0 << false;
    QTest::newRow("Main.Command1") << "Main" << "Command1" << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Main.Command2") << "Main" << "Command2" << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Phase2.Label1") << "Phase2" << "Label1" << "Tahoma" << 14.25 << true;
    QTest::newRow("Phase2.Label2") << "Phase2" << "Label2" << "Tahoma" << 9.0 << false;
    QTest::newRow("Phase2.Frame1") << "Phase2" << "Frame1" << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Phase2.Command1")
        << "Phase2" << "Command1" << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("Phase2.Command2")
        << "Phase2" << "Command2" << "MS Sans Serif" << 8.25 << false;
}

void SweepwrightPagesTest::fontsAreTheDesigned()
{
    QFETCH(QString, page);
    QFETCH(QString, control);
    QFETCH(QString, family);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);

    QWidget *window = openPage(page);
    auto *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);

    const QFont font = widget->font();
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.bold(), bold);
    // The family must really be there (or its stand-in of the same name), not a substitute.
    QCOMPARE(QFontInfo(font).family(), family);
    QCOMPARE(QFontInfo(font).bold(), bold);
}

void SweepwrightPagesTest::everyCaptionFitsItsControl_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");

    for (const char *control : { "Label1", "Label2", "Command1", "Command2" }) {
        QTest::addRow("Main.%s", control) << "Main" << control;
        QTest::addRow("Phase2.%s", control) << "Phase2" << control;
    }
    QTest::newRow("Phase2.Frame1") << "Phase2" << "Frame1";
}

void SweepwrightPagesTest::everyCaptionFitsItsControl()
{
    QFETCH(QString, page);
    QFETCH(QString, control);

    QWidget *window = openPage(page);
    auto *widget = window->findChild<QWidget *>(control);
    QVERIFY(widget);
    const QFontMetrics metrics(widget->font());

    QRect area;
    QRect needed;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        area = label->contentsRect();
        needed = metrics.boundingRect(area, int(label->alignment()) | Qt::TextWordWrap,
                                      label->text());
    } else if (auto *wrapping = qobject_cast<WrappingButton *>(widget)) {
        area = wrapping->captionArea();
        needed = metrics.boundingRect(area, WrappingButton::captionFlags, wrapping->text());
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        needed = metrics.boundingRect(area, Qt::AlignCenter, button->text());
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        area = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
        area.setRight(frame->width() - 1);
        needed = metrics.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter, frame->title());
    }
    QVERIFY2(!area.isEmpty(), "no caption area");
    QVERIFY2(area.contains(needed),
             qPrintable(QStringLiteral("needs %1x%2 at %3,%4, has %5x%6 at %7,%8")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(needed.x())
                            .arg(needed.y())
                            .arg(area.width())
                            .arg(area.height())
                            .arg(area.x())
                            .arg(area.y())));
}

void SweepwrightPagesTest::pagesAreFixedCentredDialogsOutsideTheTaskbar_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QSize>("clientSize");

    QTest::newRow("Main") << "Main" << twips(0, 0, 4680, 3165).size();
    QTest::newRow("Phase2") << "Phase2" << twips(0, 0, 4680, 3210).size();
}

void SweepwrightPagesTest::pagesAreFixedCentredDialogsOutsideTheTaskbar()
{
    QFETCH(QString, page);
    QFETCH(QSize, clientSize);

    QWidget *window = openPage(page);

    QCOMPARE(window->objectName(), page);
    QCOMPARE(window->windowTitle(), QStringLiteral("Dovrik's Software Sweepwright"));
    QCOMPARE(window->size(), clientSize);
    QCOMPARE(window->minimumSize(), clientSize);
    QCOMPARE(window->maximumSize(), clientSize);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY2(keptOutOfTaskbar(window), "a taskbar entry of its own");
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY(qAbs(window->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window->geometry().center().y() - screen.center().y()) <= 1);
    const QList<QSize> iconSizes = window->windowIcon().availableSizes();
    for (const QSize size : { QSize(16, 16), QSize(32, 32), QSize(48, 48) })
        QVERIFY2(iconSizes.contains(size), qPrintable(QString::number(size.width())));
}

void SweepwrightPagesTest::focusStartsOnTheFirstButtonAndTabsInDesignedOrder_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("firstCaption");

    QTest::newRow("Main") << "Main" << "Cancel";
    QTest::newRow("Phase2") << "Phase2" << "NO! Your programs are great and I want to keep them all";
}

void SweepwrightPagesTest::focusStartsOnTheFirstButtonAndTabsInDesignedOrder()
{
    QFETCH(QString, page);
    QFETCH(QString, firstCaption);

    QWidget *window = openPage(page);
    auto *first = qobject_cast<QPushButton *>(window->focusWidget());
    QVERIFY(first);
    QCOMPARE(first->objectName(), QStringLiteral("Command1"));
    QCOMPARE(first->text(), firstCaption);

    // Labels, the frame and the image take no focus: Tab goes between the two buttons only.
    QStringList chain;
    QWidget *widget = first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(chain, (QStringList { QStringLiteral("Command1"), QStringLiteral("Command2") }));
}

void SweepwrightPagesTest::noButtonAnswersEnterOrEscapeForThePage_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("key");

    for (const char *page : { "Main", "Phase2" }) {
        QTest::addRow("%s, Escape", page) << page << int(Qt::Key_Escape);
        QTest::addRow("%s, Enter", page) << page << int(Qt::Key_Return);
    }
}

void SweepwrightPagesTest::noButtonAnswersEnterOrEscapeForThePage()
{
    QFETCH(QString, page);
    QFETCH(int, key);

    QWidget *window = openPage(page);
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    // The key goes to the page, not to a button: a focused button takes Enter as a press of
    // its own, but no button answers for the page as its default or cancel button.
    QTest::keyClick(window, Qt::Key(key));

    QCOMPARE(visibleWindowCount(), 1);
    QVERIFY(window->isVisible());
    QVERIFY(m_fake.programs.asked.isEmpty());
}

void SweepwrightPagesTest::theImageShowsTheProgramsIcon()
{
    QWidget *window = openPage(QStringLiteral("Main"));
    auto *image = window->findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image);

    const QPixmap shown = image->pixmap();
    QCOMPARE(shown.size(), QSize(48, 48));
    QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32),
             window->windowIcon().pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(image->focusPolicy(), Qt::NoFocus);
}

PROGRAM_TEST_MAIN(SweepwrightPagesTest, "Dovrik's Software Sweepwright", wizardCaptions)

#include "tst_wizardpages.moc"

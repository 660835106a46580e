// The main window against its design: where every control sits, what it says, how the
// keyboard walks through it, and how it behaves as a window. Expected values are typed here from
// the design (positions in twips), never read back from the form.

#include "fakeservices.h"
#include "testmain.h"
#include "velmo.h"

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

class VelmoTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void linesRunWhereDesigned_data();
    void linesRunWhereDesigned();
    void labelsStartWithTheirCaptions_data();
    void labelsStartWithTheirCaptions();
    void listsOfferTheDesignedItems_data();
    void listsOfferTheDesignedItems();
    void inputsStartEmpty();
    void fontsAreTheDesigns();
    void tabWalksTheDesignedOrder();
    void noButtonIsDefaultOrCancel();
    void menuHasTheDesignedItems();
    void windowIsSizedAndFramedAsDesigned();
    void resizingMovesNothing();
    void timerTicksEverySecondFromCreation();

private:
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Velmo> m_velmo;

    template<typename T>
    T *control(const char *name)
    {
        auto *found = m_velmo->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
};

void VelmoTest::init()
{
    m_fakes = std::make_unique<FakeServices>(QStringLiteral("Velmora"));
    m_velmo = std::make_unique<Velmo>(m_fakes->services());
}

void VelmoTest::cleanup()
{
    m_velmo.reset();
    m_fakes.reset();
}

void VelmoTest::controlsSitWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    const auto row = [](const char *name, int left, int top, int width, int height) {
        QTest::newRow(name) << QString::fromLatin1(name) << twips(left, top, width, height);
    };
    // Input area and result
    row("Label1", 720, 120, 3615, 255);
    row("Label2", 720, 360, 3735, 255);
    row("ThisMonth", 720, 720, 3735, 255);
    row("Label3", 360, 1320, 1935, 255);
    row("BandInput", 2520, 1320, 2415, 285);
    row("Label4", 360, 1800, 975, 255);
    row("WhereInput", 2520, 1800, 2415, 285);
    row("Label5", 360, 2280, 1935, 255);
    row("Label6", 2520, 2280, 2055, 255);
    row("EndMonth", 360, 2640, 1935, 315);
    row("EndDay", 2520, 2640, 2415, 315);
    row("Label22", 1320, 3120, 2415, 255);
    row("EndHour", 1920, 3480, 615, 315);
    row("EndMinute", 2520, 3480, 615, 315);
    row("Calculate", 960, 3960, 3015, 375);
    row("FinalCalculation", 120, 4560, 5055, 975);
    // Clock panel
    row("Label8", 6000, 0, 1575, 255);
    row("CurYear", 6000, 360, 735, 255);
    row("Label9", 6840, 360, 735, 255);
    row("CurMon", 6000, 720, 735, 255);
    row("Label10", 6840, 720, 735, 255);
    row("CurDay", 6000, 1080, 735, 255);
    row("Label11", 6840, 1080, 735, 255);
    row("CurHour", 6000, 1440, 735, 255);
    row("Label12", 6840, 1440, 735, 255);
    row("CurMin", 6000, 1800, 735, 255);
    row("Label13", 6840, 1800, 735, 255);
    row("CurSec", 6000, 2160, 735, 255);
    row("Label14", 6840, 2160, 735, 255);
    row("MonName", 6000, 2520, 735, 255);
    row("Label15", 6840, 2520, 1095, 255);
    row("MinNow", 6000, 2880, 735, 255);
    row("Label16", 6840, 2880, 1215, 255);
    row("DaysInMon", 6000, 3240, 855, 255);
    row("Label21", 6840, 3240, 1575, 255);
    row("HourNow", 6000, 3600, 855, 255);
    row("AM_PM", 6840, 3600, 615, 255);
    row("Label7", 6000, 3960, 2415, 255);
    // Working labels
    row("EndMonNum", 6000, 4560, 975, 255);
    row("Label17", 6960, 4560, 1095, 255);
    row("EndMon", 6000, 4920, 855, 255);
    row("Label20", 6960, 4920, 1095, 255);
    row("EndDays", 6000, 5280, 855, 255);
    row("Label18", 6960, 5280, 1095, 255);
    row("FinalHours", 6000, 5640, 855, 255);
    row("Label19", 6960, 5640, 1095, 255);
    row("FinalMinutes", 6000, 6000, 975, 255);
    row("Label23", 6960, 6000, 1095, 255);
    row("EndDayInMon", 2520, 6000, 1095, 255);
    row("EndMinCalc", 3000, 6720, 975, 255);
    row("EndHours", 6600, 6720, 855, 255);
    row("EndMinutes", 7680, 6720, 855, 255);
    row("Label24", 5640, 7200, 2895, 255);
}

void VelmoTest::controlsSitWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    auto *widget = control<QWidget>(qPrintable(name));
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->parentWidget(), m_velmo->centralWidget());
    QVERIFY(!widget->isHidden());
    QVERIFY(widget->isEnabled());
}

void VelmoTest::linesRunWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");

    QTest::newRow("Line1") << "Line1" << QPoint(0, 4440) << QPoint(5280, 4440);
    QTest::newRow("Line2") << "Line2" << QPoint(0, 1080) << QPoint(5280, 1080);
    QTest::newRow("Line3") << "Line3" << QPoint(5760, -120) << QPoint(5760, 4320);
    QTest::newRow("Line4") << "Line4" << QPoint(5760, 4320) << QPoint(8880, 4320);
}

void VelmoTest::linesRunWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);

    // A one-pixel line from one end point to the other.
    auto *line = control<QFrame>(qPrintable(name));
    const QRect expected(QPoint(from.x() / 15, from.y() / 15),
                         QSize(std::max((to.x() - from.x()) / 15, 1),
                               std::max((to.y() - from.y()) / 15, 1)));
    QCOMPARE(line->geometry(), expected);
    QCOMPARE(line->frameShadow(), QFrame::Plain);
    QCOMPARE(line->lineWidth(), 1);
    QCOMPARE(line->focusPolicy(), Qt::NoFocus);
}

void VelmoTest::labelsStartWithTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("centred");

    const auto row = [](const char *name, const char *caption, bool centred = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << centred;
    };
    row("Label1", "Where and when is the event?", true);
    row("Label2", "I will tell you what you probably already know!", true);
    row("ThisMonth", "CALCULATING CURRENT TIME, PLEASE WAIT.", true);
    row("Label3", "What is it you are going to?");
    row("Label4", "Where is it?");
    row("Label5", "What Month is it?");
    row("Label6", "What day is it?");
    row("Label22", "What time is it supposed to start?");
    row("FinalCalculation", "", true);
    row("Label7", "^^ Current hour in AM/PM format.");
    row("Label8", "Current Time:");
    row("Label9", "Year");
    row("Label10", "Month");
    row("Label11", "Day");
    row("Label12", "Hour");
    row("Label13", "Minute");
    row("Label14", "Second");
    row("Label15", "Month (Name)");
    row("Label16", "Minute (with \"0\")");
    row("Label17", "Month is in");
    row("Label18", "Days Until");
    row("Label19", "Hours Until");
    row("Label20", "Months Until");
    row("Label21", "Days in This Month");
    row("Label23", "Minutes Until");
    row("Label24", "EndDays       EndHours        EndMinutes");
    // Until the first tick or click, every value label shows its own name.
    for (const char *name : { "CurYear", "CurMon", "CurDay", "CurHour", "CurMin", "CurSec",
                              "MonName", "MinNow", "DaysInMon", "HourNow", "AM_PM", "EndMonNum",
                              "EndMon", "EndDays", "FinalHours", "FinalMinutes", "EndDayInMon",
                              "EndMinCalc", "EndHours", "EndMinutes" })
        row(name, name);
}

void VelmoTest::labelsStartWithTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, centred);

    auto *label = control<QLabel>(qPrintable(name));
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->alignment(), (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QVERIFY2(label->autoFillBackground(), "labels are opaque");
}

void VelmoTest::listsOfferTheDesignedItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("EndMonth") << "EndMonth"
                              << QStringList { "January", "February", "March",     "April",
                                               "May",     "June",     "July",      "August",
                                               "September", "October", "November", "December" };
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    QTest::newRow("EndDay") << "EndDay" << days;
    QTest::newRow("EndHour") << "EndHour"
                             << QStringList { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
                                              "11", "12" };
    QTest::newRow("EndMinute") << "EndMinute"
                               << QStringList { "00", "10", "20", "30", "40", "50" };
}

void VelmoTest::listsOfferTheDesignedItems()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);

    auto *list = control<QComboBox>(qPrintable(name));
    QStringList offered;
    for (int i = 0; i < list->count(); ++i)
        offered << list->itemText(i);
    QCOMPARE(offered, items);
    // A drop-down list: nothing but its items can be chosen.
    QVERIFY(!list->isEditable());
}

void VelmoTest::inputsStartEmpty()
{
    for (const char *name : { "EndMonth", "EndDay", "EndHour", "EndMinute" }) {
        auto *list = control<QComboBox>(name);
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(list->currentText(), QString());
    }
    for (const char *name : { "BandInput", "WhereInput" }) {
        QCOMPARE(control<QLineEdit>(name)->text(), QString());
        QVERIFY(!control<QLineEdit>(name)->isReadOnly());
    }
}

void VelmoTest::fontsAreTheDesigns()
{
    // Every control but the result uses the runtime's default font, 8.25 point MS Sans Serif.
    const QFont standard = control<QLabel>("Label1")->font();
    for (QWidget *widget : m_velmo->centralWidget()->findChildren<QWidget *>()) {
        if (widget->objectName() == QLatin1String("FinalCalculation"))
            continue;
        QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(widget->font().pointSizeF(), 8.25);
        QCOMPARE(widget->font().weight(), QFont::Normal);
        QVERIFY(!widget->font().italic());
    }
    // The result is larger: 9.75 points, in MS Sans Serif where the system has it, from the
    // first answer on.
    m_fakes->clock.set(QDateTime(QDate(2026, 3, 7), QTime(15, 20)));
    m_velmo->Timer1_Timer();
    control<QLineEdit>("BandInput")->setText(QStringLiteral("Spring Fair"));
    control<QLineEdit>("WhereInput")->setText(QStringLiteral("Town Hall"));
    for (const char *list : { "EndMonth", "EndDay", "EndHour", "EndMinute" })
        control<QComboBox>(list)->setCurrentIndex(2);
    m_velmo->Calculate_Click();
    QVERIFY(!control<QLabel>("FinalCalculation")->text().isEmpty());
    const QFont result = control<QLabel>("FinalCalculation")->font();
    QCOMPARE(result.pointSizeF(), 9.75);
    QCOMPARE(result.weight(), QFont::Normal);
    QVERIFY(QStringList({ "MS Sans Serif", "Tahoma" }).contains(QFontInfo(result).family()));
    const QString sample = QStringLiteral("It is 0 Months, -9 Days, 2 hours");
    QVERIFY(QFontMetrics(result).horizontalAdvance(sample)
            > QFontMetrics(standard).horizontalAdvance(sample) * 11 / 10);
}

void VelmoTest::tabWalksTheDesignedOrder()
{
    // GIVEN the window just opened
    m_velmo->show();
    QVERIFY(QTest::qWaitForWindowActive(m_velmo.get()));

    // THEN the focus is in the first text box
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("BandInput"));

    // WHEN Tab is pressed again and again, THEN the focus takes the designed path and wraps
    const QStringList path { "Calculate", "WhereInput", "EndMonth", "EndDay",
                             "EndHour",   "EndMinute",  "BandInput" };
    for (const QString &next : path) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    // AND Shift+Tab walks it backwards
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("EndMinute"));
}

void VelmoTest::noButtonIsDefaultOrCancel()
{
    auto *calculate = control<QPushButton>("Calculate");
    QCOMPARE(calculate->text(), QStringLiteral("TELL ME NOW!"));
    QVERIFY(!calculate->isDefault());
    QVERIFY(!calculate->autoDefault());

    m_velmo->show();
    QVERIFY(QTest::qWaitForWindowActive(m_velmo.get()));
    QSignalSpy clicks(calculate, &QPushButton::clicked);

    // Enter in a text box or a list presses nothing; Escape closes nothing.
    for (const char *name : { "BandInput", "WhereInput", "EndMonth" }) {
        QTest::keyClick(control<QWidget>(name), Qt::Key_Return);
        QTest::keyClick(control<QWidget>(name), Qt::Key_Enter);
    }
    QTest::keyClick(control<QWidget>("BandInput"), Qt::Key_Escape);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(m_velmo->isVisible());
}

void VelmoTest::menuHasTheDesignedItems()
{
    QList<QAction *> topLevel = m_velmo->menuBar()->actions();
    QCOMPARE(topLevel.size(), 1);
    auto *help = control<QMenu>("Help");
    QCOMPARE(topLevel.first()->menu(), help);
    QCOMPARE(help->title(), QStringLiteral("&Help"));

    const QList<QAction *> items = help->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0)->objectName(), QStringLiteral("Help_m"));
    QCOMPARE(items.at(0)->text(), QStringLiteral("&Help"));
    QCOMPARE(items.at(1)->objectName(), QStringLiteral("about"));
    QCOMPARE(items.at(1)->text(), QStringLiteral("&About"));
    for (QAction *item : items) {
        QVERIFY(item->shortcut().isEmpty());
        QVERIFY(!item->isCheckable());
        QVERIFY(item->isEnabled());
        QVERIFY(item->isVisible());
    }
}

void VelmoTest::windowIsSizedAndFramedAsDesigned()
{
    m_velmo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_velmo.get()));

    QCOMPARE(m_velmo->windowTitle(), QStringLiteral("Velmora"));
    // The client area below the menu bar
    QCOMPARE(m_velmo->centralWidget()->size(), QSize(5310 / 15, 5700 / 15));

    const Qt::WindowFlags flags = m_velmo->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY2(m_velmo->minimumSize() != m_velmo->maximumSize(), "the border can be dragged");

    // Centred on the screen
    const QRect screen = m_velmo->screen()->availableGeometry();
    const QPoint offCentre = m_velmo->frameGeometry().center() - screen.center();
    QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QString::number(offCentre.x())));
}

void VelmoTest::resizingMovesNothing()
{
    m_velmo->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_velmo.get()));
    QHash<QString, QRect> before;
    for (QWidget *widget : m_velmo->centralWidget()->findChildren<QWidget *>())
        before.insert(widget->objectName(), widget->geometry());

    for (const QSize size : { QSize(620, 540), QSize(120, 90), QSize(354, 400) }) {
        m_velmo->resize(size);
        QApplication::processEvents();
        for (QWidget *widget : m_velmo->centralWidget()->findChildren<QWidget *>())
            QCOMPARE(widget->geometry(), before.value(widget->objectName()));
    }
}

void VelmoTest::timerTicksEverySecondFromCreation()
{
    auto *timer = m_velmo->findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    QVERIFY(!timer->isSingleShot());
}

PROGRAM_TEST_MAIN(VelmoTest, "Velmora", velmoraCaptions)
#include "tst_velmo.moc"

// The Help window and the program's lifetime: every menu choice opens a window of its own at
// the designed place, each closes only itself, and the program lives as long as any window.

#include "help.h"
#include "taskbar.h"
#include "testmain.h"
#include "velmorawindowtest.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <memory>

class HelpTest : public VelmoraWindowTest
{
    Q_OBJECT

private slots:
    void opensAtItsFixedPlaceAndSize();
    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void eachMenuChoiceOpensAWindowOfItsOwn();
    void okClosesOnlyItsOwnWindow();
    void escapeClosesNothing();
    void closingTheMainWindowLeavesHelpOpen();
    void theLastWindowClosedEndsTheProgram();

private:
    static QList<Help *> openHelpWindows() { return openWindows<Help>(); }
    Help *chooseHelpFromTheMenu() { return chooseFromTheMenu<Help>("Help_m"); }
};

void HelpTest::opensAtItsFixedPlaceAndSize()
{
    Help *help = chooseHelpFromTheMenu();
    QVERIFY(help);
    QVERIFY(QTest::qWaitForWindowExposed(help));

    QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
    // The client area's top-left corner on the screen, and its size
    QCOMPARE(help->geometry(), QRect(2760 / 15, 3750 / 15, 5445 / 15, 2145 / 15));
    QCOMPARE(help->minimumSize(), help->maximumSize());

    const Qt::WindowFlags flags = help->windowFlags();
    QVERIFY2(keptOutOfTaskbar(help), "a taskbar entry of its own");
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY2(help->parentWidget() == nullptr, "a window of its own, without owner");

    auto *ok = help->findChild<QPushButton *>(QStringLiteral("OKButton"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(!ok->isDefault());
    QVERIFY(!ok->autoDefault());
    QVERIFY(QTest::qWaitForWindowActive(help));
    QCOMPARE(QApplication::focusWidget(), ok);
}

void HelpTest::controlsSitWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    QTest::newRow("OKButton") << "OKButton" << twips(4080, 120, 1215, 375) << "OK";
    QTest::newRow("Label1") << "Label1" << twips(240, 240, 3495, 495)
                            << "I really hope you don't need help with this simple program, "
                               "but if you do here is how to use it:";
    QTest::newRow("Label2") << "Label2" << twips(240, 960, 3495, 255)
                            << "1- Fill in all the neccecerry Information";
    QTest::newRow("Label3") << "Label3" << twips(240, 1320, 3495, 255)
                            << "2- Press the \"TELL ME NOW\" button";
    QTest::newRow("Label4") << "Label4" << twips(240, 1680, 3495, 255)
                            << "3- Repeat as neccecerry.";
}

void HelpTest::controlsSitWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);

    Help *help = chooseHelpFromTheMenu();
    QVERIFY(help);
    auto *widget = help->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    } else {
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
    }
}

void HelpTest::eachMenuChoiceOpensAWindowOfItsOwn()
{
    // WHEN Help, Help is chosen twice
    Help *first = chooseHelpFromTheMenu();
    Help *second = chooseHelpFromTheMenu();

    // THEN there are two windows, exactly on top of each other
    QVERIFY(first && second && first != second);
    QCOMPARE(openHelpWindows().size(), 2);
    QCOMPARE(first->geometry(), second->geometry());
    // AND the main window is untouched and still usable
    QVERIFY(m_velmo->isVisible());
    QVERIFY(m_velmo->isEnabled());
    QVERIFY(!first->isModal());
}

void HelpTest::okClosesOnlyItsOwnWindow()
{
    QPointer<Help> first = chooseHelpFromTheMenu();
    QPointer<Help> second = chooseHelpFromTheMenu();

    QTest::mouseClick(second->findChild<QPushButton *>(QStringLiteral("OKButton")),
                      Qt::LeftButton);

    QTRY_VERIFY(second.isNull()); // closed and released
    QVERIFY(first && first->isVisible());
    QVERIFY(m_velmo && m_velmo->isVisible());
}

void HelpTest::escapeClosesNothing()
{
    Help *help = chooseHelpFromTheMenu();
    QVERIFY(QTest::qWaitForWindowActive(help));

    QTest::keyClick(help, Qt::Key_Escape);
    QTest::keyClick(help->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::Key_Escape);
    QApplication::processEvents();

    QVERIFY(help->isVisible());
    QCOMPARE(openHelpWindows().size(), 1);
}

void HelpTest::closingTheMainWindowLeavesHelpOpen()
{
    Help *help = chooseHelpFromTheMenu();

    m_velmo->close();

    QTRY_VERIFY(m_velmo.isNull());
    QVERIFY(help->isVisible());
}

void HelpTest::theLastWindowClosedEndsTheProgram()
{
    // GIVEN a Help window open over the main window, and the program's event loop running
    QPointer<Help> help = chooseHelpFromTheMenu();
    bool runningWithoutMainWindow = false;

    // WHEN the main window is closed, THEN the program goes on with the Help window
    QTimer::singleShot(0, m_velmo, [this] { m_velmo->close(); });
    QTimer::singleShot(300, help, [&] {
        runningWithoutMainWindow = m_velmo.isNull() && help->isVisible();
        // WHEN the last window's OK button is pressed
        QTest::mouseClick(help->findChild<QPushButton *>(QStringLiteral("OKButton")),
                          Qt::LeftButton);
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    connect(&deadline, &QTimer::timeout, [] { QApplication::exit(99); });
    deadline.start(5000);

    // THEN the program ends by itself
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(runningWithoutMainWindow);
    QTRY_VERIFY(help.isNull());
}

PROGRAM_TEST_MAIN(HelpTest, "Velmora", velmoraCaptions)
#include "tst_help.moc"

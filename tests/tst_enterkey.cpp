// Enter presses the focused button, as Space does, on every window of both programs. (That Enter
// in a text box or list presses nothing is checked with the countdown window's own tests.)

#include "fakeservices.h"
#include "phase2.h"
#include "programwindows.h"
#include "testmain.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>

#include <memory>

class EnterKeyTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void aHeldKeyPressesNothingOnTheNextPage_data();
    void aHeldKeyPressesNothingOnTheNextPage();

private:
    QWidget *open(const QString &form);

    std::unique_ptr<FakeServices> m_fakes;
};

void EnterKeyTest::init()
{
    m_fakes = std::make_unique<FakeServices>(QStringLiteral("Velmora"));
}

void EnterKeyTest::cleanup()
{
    deleteAllWindows();
    m_fakes.reset();
}

QWidget *EnterKeyTest::open(const QString &form)
{
    QWidget *window = showProgramWindow(form, m_fakes->services());
    // A wizard page takes no key press within the double-click interval of its opening, so that a
    // press meant for the page before cannot answer it; the user here has had time to read it.
    if (form == QLatin1String("Main") || form == QLatin1String("Phase2"))
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    return window;
}

void EnterKeyTest::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");

    const QList<QPair<QString, QString>> buttons {
        { "Velmo", "Calculate" }, { "Help", "OKButton" },    { "Main", "Command1" },
        { "Main", "Command2" },   { "Phase2", "Command1" }, { "Phase2", "Command2" },
        { "frmAbout", "cmdSysInfo" }, { "frmAbout", "Command1" }, { "frmAbout", "Command2" },
    };
    for (const auto &[form, button] : buttons) {
        QTest::addRow("%s.%s, Return", qPrintable(form), qPrintable(button))
            << form << button << int(Qt::Key_Return);
        QTest::addRow("%s.%s, keypad Enter", qPrintable(form), qPrintable(button))
            << form << button << int(Qt::Key_Enter);
    }
}

void EnterKeyTest::enterPressesTheFocusedButton()
{
    QFETCH(QString, form);
    QFETCH(QString, button);
    QFETCH(int, key);

    // GIVEN a window whose button has the focus
    auto *pressed = open(form)->findChild<QPushButton *>(button);
    QSignalSpy clicks(pressed, &QPushButton::clicked);

    // WHEN the user presses Enter
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier
                                                                 : Qt::NoModifier;
    QTest::keyClick(pressed, Qt::Key(key), modifiers);

    // THEN the button is pressed once, and outside the About box, whose buttons take Enter as a
    // dialog's do, it is not a default button that did it
    QCOMPARE(clicks.count(), 1);
    if (form != QLatin1String("frmAbout"))
        QVERIFY(!pressed->isDefault());
}

void EnterKeyTest::aHeldKeyPressesNothingOnTheNextPage_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("repeats"); // how the system sends a held key's repeats

    for (const auto &[key, name] : { std::pair { Qt::Key_Return, "Enter" },
                                     std::pair { Qt::Key_Space, "Space" } }) {
        // X11 sends a release and a press at the same moment, which Qt does not always mark.
        for (const char *repeats : { "marked presses", "unmarked presses", "release and press" }) {
            QTest::addRow("%s held on Next, %s", name, repeats) << "Main" << int(key) << repeats;
            QTest::addRow("%s on YES at once, held past the interval, %s", name, repeats)
                << "Phase2" << int(key) << repeats;
        }
    }
}

void EnterKeyTest::aHeldKeyPressesNothingOnTheNextPage()
{
    QFETCH(QString, page);
    QFETCH(int, key);
    QFETCH(QString, repeats);

    // GIVEN a wizard page whose button has the focus; YES is pressed before the page has been
    // up for the double-click interval (long here, so that a slow machine presses in time), Next
    // after it
    QStyleHints *hints = QGuiApplication::styleHints();
    const auto restoreInterval = qScopeGuard(
        [hints, interval = hints->mouseDoubleClickInterval()] {
            hints->setMouseDoubleClickInterval(interval);
        });
    QWidget *window = nullptr;
    if (page == QLatin1String("Main")) {
        window = open(page);
    } else {
        hints->setMouseDoubleClickInterval(1500);
        window = showProgramWindow(page, m_fakes->services());
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    window->findChild<QPushButton *>(QStringLiteral("Command2"))->setFocus();

    // WHEN the key goes down, through the window as the keyboard sends it, and is held past the
    // double-click interval, repeating, before it comes up; the keyboard sends to the page on
    // the screen, whichever it is by then
    const auto send = [&](QEvent::Type type, bool marked, quint64 moment) {
        QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "", marked);
        event.setTimestamp(moment);
        for (QWidget *shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible()) {
                QApplication::sendEvent(shown->windowHandle(), &event);
                return;
            }
        }
    };
    send(QEvent::KeyPress, false, 1000);
    QTest::qWait(hints->mouseDoubleClickInterval() + 50);
    for (quint64 moment = 1660; moment < 1800; moment += 40) {
        if (repeats == QLatin1String("release and press"))
            send(QEvent::KeyRelease, false, moment);
        send(QEvent::KeyPress, repeats == QLatin1String("marked presses"), moment);
    }
    send(QEvent::KeyRelease, false, 1800);

    // THEN only Next has answered: the question is open and nothing started
    QList<Phase2 *> questions;
    for (QWidget *shown : QApplication::topLevelWidgets()) {
        if (auto *question = qobject_cast<Phase2 *>(shown); question && question->isVisible())
            questions.append(question);
    }
    QCOMPARE(questions.size(), 1);
    QVERIFY(m_fakes->programs.asked.isEmpty());
}

PROGRAM_TEST_MAIN(EnterKeyTest, "Velmora", velmoraCaptions)
#include "tst_enterkey.moc"

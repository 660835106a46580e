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
    void aHeldEnterPressesOnce();

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

void EnterKeyTest::aHeldEnterPressesOnce()
{
    // GIVEN the wizard's first page, with the focus on "Next"
    auto *next = open(QStringLiteral("Main"))->findChild<QPushButton *>(QStringLiteral("Command2"));
    QSignalSpy clicks(next, &QPushButton::clicked);

    // WHEN Enter is held: one press, then the keyboard's repeats
    QTest::keyClick(next, Qt::Key_Return);
    QPointer<QWidget> confirmation;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Phase2 *>(window))
            confirmation = window;
    }
    QVERIFY(confirmation);
    QWidget *focused = confirmation->findChild<QPushButton *>(QStringLiteral("Command1"));
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(focused, &repeat);
    }

    // THEN "Next" was pressed once, and the repeats pressed nothing on the next page
    QCOMPARE(clicks.count(), 1);
    QVERIFY(confirmation->isVisible());
    QVERIFY(m_fakes->programs.asked.isEmpty());
}

PROGRAM_TEST_MAIN(EnterKeyTest, "Velmora")
#include "tst_enterkey.moc"

// What an assistive client such as a screen reader learns of each window through QAccessible:
// every input announced with the words of the question that asks for it, and the status line,
// the result and the Help window's text readable as they stand on the screen.

#include "fakeservices.h"
#include "programwindows.h"
#include "testmain.h"
#include "velmo.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

// Everything a screen reader says of a control: its name, the labels that label it, and its
// description.
QString announced(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QStringList words { face->text(QAccessible::Name) };
    for (const auto &[label, relation] : face->relations(QAccessible::Label))
        words.append(label->text(QAccessible::Name));
    words.append(face->text(QAccessible::Description));
    return words.join(u' ');
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void everyInputIsAnnouncedWithItsQuestion_data();
    void everyInputIsAnnouncedWithItsQuestion();
    void theStatusLineAndTheResultAreReadable();
    void theHelpAndAboutWindowsAreReadable_data();
    void theHelpAndAboutWindowsAreReadable();

private:
    QWidget *open(const QString &form);

    std::unique_ptr<FakeServices> m_fakes;
};

void AccessibilityTest::cleanup()
{
    deleteAllWindows();
    m_fakes.reset();
}

QWidget *AccessibilityTest::open(const QString &form)
{
    m_fakes = std::make_unique<FakeServices>(QStringLiteral("Velmora"));
    return showProgramWindow(form, m_fakes->services());
}

void AccessibilityTest::everyInputIsAnnouncedWithItsQuestion_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("otherPart");

    QTest::newRow("what") << "BandInput" << "What is it you are going to?" << "" << "";
    QTest::newRow("where") << "WhereInput" << "Where is it?" << "" << "";
    QTest::newRow("month") << "EndMonth" << "What Month is it?" << "" << "";
    QTest::newRow("day") << "EndDay" << "What day is it?" << "" << "";
    QTest::newRow("hour") << "EndHour" << "What time is it supposed to start?" << "hour"
                          << "minute";
    QTest::newRow("minute") << "EndMinute" << "What time is it supposed to start?" << "minute"
                            << "hour";
}

void AccessibilityTest::everyInputIsAnnouncedWithItsQuestion()
{
    QFETCH(QString, input);
    QFETCH(QString, question);
    QFETCH(QString, part);
    QFETCH(QString, otherPart);

    QWidget *velmo = open(QStringLiteral("Velmo"));
    const QString words = announced(velmo->findChild<QWidget *>(input));

    QVERIFY2(words.contains(question), qPrintable(words));
    // The two time lists share one question and are told apart by what they hold.
    QVERIFY2(words.contains(part, Qt::CaseInsensitive), qPrintable(words));
    if (!otherPart.isEmpty())
        QVERIFY2(!words.contains(otherPart, Qt::CaseInsensitive), qPrintable(words));
}

void AccessibilityTest::theStatusLineAndTheResultAreReadable()
{
    // GIVEN the countdown after a clock tick, with an event filled in
    auto *velmo = static_cast<Velmo *>(open(QStringLiteral("Velmo")));
    m_fakes->clock.set(QDateTime(QDate(2026, 9, 30), QTime(12, 59, 59)));
    velmo->Timer1_Timer();
    velmo->findChild<QLineEdit *>(QStringLiteral("BandInput"))->setText(QStringLiteral("Spring Fair"));
    velmo->findChild<QLineEdit *>(QStringLiteral("WhereInput"))->setText(QStringLiteral("Town Hall"));
    for (const auto &[list, item] : { std::pair { "EndMonth", "December" }, { "EndDay", "25" },
                                      { "EndHour", "3" }, { "EndMinute", "00" } }) {
        auto *box = velmo->findChild<QComboBox *>(QLatin1String(list));
        box->setCurrentIndex(box->findText(QLatin1String(item)));
    }

    // WHEN the user presses "TELL ME NOW!"
    QTest::keyClick(velmo->findChild<QPushButton *>(QStringLiteral("Calculate")), Qt::Key_Space);

    // THEN a screen reader reads the status line and the result as they stand, each told what
    // it is
    auto *status = velmo->findChild<QLabel *>(QStringLiteral("ThisMonth"));
    auto *result = velmo->findChild<QLabel *>(QStringLiteral("FinalCalculation"));
    QAccessibleInterface *statusFace = QAccessible::queryAccessibleInterface(status);
    QAccessibleInterface *resultFace = QAccessible::queryAccessibleInterface(result);
    QCOMPARE(statusFace->text(QAccessible::Name),
             QStringLiteral("The current time is: September, 30 2026 at 12:59 PM"));
    QCOMPARE(resultFace->text(QAccessible::Name),
             QStringLiteral("It is 3 Months, 25 Days, -9 hours, and 1 minutes until Spring Fair "
                            "at Town Hall."));
    QVERIFY(!statusFace->text(QAccessible::Description).isEmpty());
    QVERIFY(!resultFace->text(QAccessible::Description).isEmpty());
}

void AccessibilityTest::theHelpAndAboutWindowsAreReadable_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("words");

    QTest::newRow("Help OK") << "Help" << "Help" << "OKButton" << "OK";
    QTest::newRow("Help Label1")
        << "Help" << "Help" << "Label1"
        << "I really hope you don't need help with this simple program, but if you do here is "
           "how to use it:";
    QTest::newRow("Help Label2") << "Help" << "Help" << "Label2"
                                 << "1- Fill in all the neccecerry Information";
    QTest::newRow("Help Label3") << "Help" << "Help" << "Label3"
                                 << "2- Press the \"TELL ME NOW\" button";
    QTest::newRow("Help Label4") << "Help" << "Help" << "Label4" << "3- Repeat as neccecerry.";
    QTest::newRow("About title") << "frmAbout" << "About Velmora" << "lblTitle" << "Velmora";
    QTest::newRow("About version")
        << "frmAbout" << "About Velmora" << "lblVersion" << "Version 1.0.0";
    QTest::newRow("About OK") << "frmAbout" << "About Velmora" << "cmdOK" << "OK";
    QTest::newRow("About System Info")
        << "frmAbout" << "About Velmora" << "cmdSysInfo" << "System Info...";
    QTest::newRow("About warning")
        << "frmAbout" << "About Velmora" << "Label1"
        << "Warning: I am sure this has untold bugs, dont bother me with them, email me and get "
           "the source code and fix them yourself.";
}

void AccessibilityTest::theHelpAndAboutWindowsAreReadable()
{
    QFETCH(QString, form);
    QFETCH(QString, windowName);
    QFETCH(QString, control);
    QFETCH(QString, words);

    QWidget *window = open(form);
    QAccessibleInterface *face
        = QAccessible::queryAccessibleInterface(window->findChild<QWidget *>(control));
    QCOMPARE(face->text(QAccessible::Name), words);
    QCOMPARE(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name), windowName);
}

PROGRAM_TEST_MAIN(AccessibilityTest, "Velmora", velmoraCaptions)
#include "tst_accessibility.moc"

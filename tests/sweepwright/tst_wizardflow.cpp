#include "fakeservices.h"
#include "mainpage.h"
#include "pagestestsupport.h"
#include "phase2.h"
#include "start/programfolder.h"
#include "testmain.h"

#include <QPushButton>
#include <QStyleHints>

Q_DECLARE_METATYPE(ProgramFolder)
Q_DECLARE_METATYPE(EarlyEnd)

// The wizard's four buttons with a program starter that only records what it is asked.
class SweepwrightFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { removeAllWindows(); }

    void cancelEndsWithoutStartingAnything();
    void nextReplacesMainWithPhase2WithoutAGap();
    void refuseEndsWithoutStartingAnything();
    void confirmStartsTheScriptInTheGivenFolderAndCloses_data();
    void confirmStartsTheScriptInTheGivenFolderAndCloses();
    void theProgramStaysUntilTheWatchIsOver();
    void theProgramLooksForTheScriptBesideItsExecutable();
    void aDoubleClickOnNextLeavesTheQuestionOpen();
    void enterTwiceOnNextLeavesTheQuestionOpen();
    void aScriptThatDoesNotStartIsReportedAndThePageStays();
    void withoutAFullFolderNothingIsStarted_data();
    void withoutAFullFolderNothingIsStarted();

private:
    static void click(QWidget *page, const char *button)
    {
        auto *control = page->findChild<QPushButton *>(QLatin1String(button));
        QVERIFY(control);
        QTest::mouseClick(control, Qt::LeftButton);
    }
};

void SweepwrightFlowTest::cancelEndsWithoutStartingAnything()
{
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    auto *main = new Main(wizardServices(fake), QStringLiteral("/opt/dovrik"));
    main->show();
    waitUntilPagesTakeClicks();

    QVERIFY(programEndsAfter([main] { click(main, "Command1"); }));

    QCOMPARE(visibleWindowCount(), 0);
    QVERIFY(fake.programs.asked.isEmpty());
    QVERIFY(fake.messages.shown.isEmpty());
}

// Watches Main disappear and notes whether Phase2 was already on the screen then.
class HideWatcher : public QObject
{
public:
    bool hidden = false;
    bool phase2WasShowing = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && !hidden) {
            hidden = true;
            phase2WasShowing = visiblePages<Phase2>().size() == 1;
        }
        return false;
    }
};

void SweepwrightFlowTest::nextReplacesMainWithPhase2WithoutAGap()
{
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    auto *main = new Main(wizardServices(fake), QStringLiteral("/opt/dovrik"));
    main->show();
    HideWatcher watcher;
    main->installEventFilter(&watcher);
    waitUntilPagesTakeClicks();

    QVERIFY(!programEndsAfter([main] { click(main, "Command2"); }));

    QVERIFY(watcher.hidden);
    QVERIFY2(watcher.phase2WasShowing, "Main went before Phase2 was on the screen");
    QCOMPARE(visibleWindowCount(), 1);
    QCOMPARE(visiblePages<Phase2>().size(), 1);
    QVERIFY(fake.programs.asked.isEmpty());
}

void SweepwrightFlowTest::refuseEndsWithoutStartingAnything()
{
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    auto *main = new Main(wizardServices(fake), QStringLiteral("/opt/dovrik"));
    main->show();
    waitUntilPagesTakeClicks();
    click(main, "Command2");
    Phase2 *page = visiblePages<Phase2>().value(0);
    waitUntilPagesTakeClicks();

    QVERIFY(programEndsAfter([page] { click(page, "Command1"); }));

    QCOMPARE(visibleWindowCount(), 0);
    QVERIFY(fake.programs.asked.isEmpty());
}

void SweepwrightFlowTest::confirmStartsTheScriptInTheGivenFolderAndCloses_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expectedProgram");
    QTest::addColumn<EarlyEnd>("watched"); // what the watch of the started script tells
    QTest::addColumn<QString>("report"); // the window shown after the page has closed, if any

    QTest::newRow("plain folder")
        << "/opt/dovrik" << "/opt/dovrik/Sweepwright.cmd" << EarlyEnd() << QString();
    QTest::newRow("trailing separator")
        << "/opt/dovrik/" << "/opt/dovrik/Sweepwright.cmd" << EarlyEnd() << QString();
    QTest::newRow("blanks and shell characters")
        << "/opt/Dovrik's apps; rm -rf $(x) & more"
        << "/opt/Dovrik's apps; rm -rf $(x) & more/Sweepwright.cmd" << EarlyEnd() << QString();

    const auto ended = [](EarlyEnd::Kind kind, int status, int signal, const char *words) {
        EarlyEnd end;
        end.kind = kind;
        end.exitStatus = status;
        end.signal = signal;
        end.signalName = signal != 0 ? QStringLiteral("Segmentation fault") : QString();
        end.lastWords = QLatin1String(words);
        return end;
    };
    const QString failed = QStringLiteral("Sweepwright.cmd started, but failed at once: ");
    const QString likely = QStringLiteral(". It has most likely removed nothing.");
    using Kind = EarlyEnd::Kind;
    QTest::newRow("the script ends well at once")
        << "/opt/dovrik" << "/opt/dovrik/Sweepwright.cmd" << ended(Kind::Succeeded, 0, 0, "")
        << QString();
    QTest::newRow("the script fails at once, and says why")
        << "/opt/dovrik" << "/opt/dovrik/Sweepwright.cmd"
        << ended(Kind::Failed, 2, 0, "/bin/sh: 0: cannot open /ssss: No such file")
        << failed + "it ended with exit status 2" + likely
            + "\n\nThe system said:\n/bin/sh: 0: cannot open /ssss: No such file";
    QTest::newRow("a program it needs is missing")
        << "/opt/dovrik" << "/opt/dovrik/Sweepwright.cmd"
        << ended(Kind::Failed, 127, 0, "env: 'dash': No such file or directory")
        << failed + "a program or library it needs was not found (exit status 127)" + likely
            + "\n\nThe system said:\nenv: 'dash': No such file or directory";
    QTest::newRow("a program it needs cannot be run")
        << "/opt/dovrik" << "/opt/dovrik/Sweepwright.cmd" << ended(Kind::Failed, 126, 0, "")
        << failed + "a program it needs could not be run (exit status 126)" + likely;
    QTest::newRow("ended by a signal, without a word")
        << "/opt/dovrik" << "/opt/dovrik/Sweepwright.cmd" << ended(Kind::Failed, 0, 11, "")
        << failed + "it was ended by signal 11 (Segmentation fault)" + likely;
    // The script's own window has said it already.
    QTest::newRow("the script has reported its failure itself")
        << "/opt/dovrik" << "/opt/dovrik/Sweepwright.cmd"
        << ended(Kind::Failed, 3, 0, "Sweepwright.cmd: Velmora has not been removed") << QString();
    EarlyEnd loop = ended(Kind::NeverGotGoing, 0, 0, "");
    loop.stuckIn = QStringLiteral("/usr/bin/env");
    QTest::newRow("the script never gets going")
        << "/opt/dovrik" << "/opt/dovrik/Sweepwright.cmd" << loop
        << "Sweepwright.cmd did not get going: 2 seconds after its start it was still in "
           "/usr/bin/env, which its first line names. Named without a command to run, "
           "/usr/bin/env starts the script itself again and again, for ever. It has been "
           "stopped, and nothing has been removed. The first line must name the script's "
           "interpreter, such as #!/bin/sh.";
}

void SweepwrightFlowTest::confirmStartsTheScriptInTheGivenFolderAndCloses()
{
    QFETCH(QString, folder);
    QFETCH(QString, expectedProgram);
    QFETCH(EarlyEnd, watched);
    QFETCH(QString, report);
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    fake.programs.watchAnswer = watched;
    // Through Main, so the folder is seen to reach the page that uses it.
    auto *main = new Main(wizardServices(fake), folder);
    main->show();
    waitUntilPagesTakeClicks();
    click(main, "Command2");
    Phase2 *page = visiblePages<Phase2>().value(0);
    waitUntilPagesTakeClicks();

    QVERIFY(programEndsAfter([page] { click(page, "Command2"); }));

    QCOMPARE(fake.programs.asked.size(), 1);
    QCOMPARE(fake.programs.asked.first(), expectedProgram);
    QCOMPARE(visibleWindowCount(), 0);
    if (report.isEmpty()) {
        QVERIFY(fake.messages.shown.isEmpty());
        return;
    }
    // The report window stands alone, as the script's own reports do, under the wizard's title.
    QCOMPARE(fake.messages.shown.size(), 1);
    const FakeMessageBoxes::Shown shown = fake.messages.shown.first();
    QCOMPARE(shown.prompt, report);
    QCOMPARE(shown.style, MessageStyle::Exclamation);
    QCOMPARE(shown.title, QStringLiteral("Dovrik's Software Sweepwright"));
    QCOMPARE(shown.parent, nullptr);
}

void SweepwrightFlowTest::theProgramStaysUntilTheWatchIsOver()
{
    // GIVEN the confirmation page, and a watch of the script that takes its time
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    fake.programs.holdWatch = true;
    auto *page = new Phase2(wizardServices(fake), QStringLiteral("/opt/dovrik"));
    page->show();
    waitUntilPagesTakeClicks();

    // WHEN the user confirms, THEN the page closes, but the program, without a window, stays
    QVERIFY(!programEndsAfter([page] { click(page, "Command2"); }));
    QCOMPARE(visibleWindowCount(), 0);

    // AND once the watch is over, it ends
    QVERIFY(fake.programs.held);
    QVERIFY(programEndsAfter([&fake] {
        fake.programs.held(EarlyEnd());
        fake.programs.held = nullptr;
    }));
    QVERIFY(fake.messages.shown.isEmpty());
}

void SweepwrightFlowTest::theProgramLooksForTheScriptBesideItsExecutable()
{
    // GIVEN the wizard as the program starts it, from this test's executable
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    Main *main = showFirstPage(wizardServices(fake));
    QVERIFY(main->isVisible());
    waitUntilPagesTakeClicks();

    // WHEN the user goes on and confirms
    click(main, "Command2");
    waitUntilPagesTakeClicks();
    click(visiblePages<Phase2>().value(0), "Command2");

    // THEN the script is the one in the folder the build put this executable in
    QCOMPARE(fake.programs.asked.size(), 1);
    QCOMPARE(fake.programs.asked.first(),
             QStringLiteral(TEST_EXECUTABLE_FOLDER "/Sweepwright.cmd"));
}

void SweepwrightFlowTest::aDoubleClickOnNextLeavesTheQuestionOpen()
{
    // GIVEN Main, read by the user
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    auto *main = new Main(wizardServices(fake), QStringLiteral("/opt/dovrik"));
    main->show();
    waitUntilPagesTakeClicks();
    auto *next = main->findChild<QPushButton *>(QStringLiteral("Command2"));
    const QPoint pointer = next->mapToGlobal(next->rect().center());

    // WHEN the user double-clicks "Next": the first click opens Phase2, the second comes at once
    QTest::mouseClick(next, Qt::LeftButton);
    Phase2 *page = visiblePages<Phase2>().value(0);
    QVERIFY(page);
    QWidget *under = page->childAt(page->mapFromGlobal(pointer));
    QVERIFY(under);
    QCOMPARE(under->objectName(), QStringLiteral("Command1")); // the refuse button, as designed
    // The second click comes as the system sends it: a press, the double-click, a release.
    QTest::mouseDClick(under, Qt::LeftButton, {}, under->mapFromGlobal(pointer));
    QTest::mouseRelease(under, Qt::LeftButton, {}, under->mapFromGlobal(pointer));

    // THEN the question stays open and nothing has started
    QCOMPARE(visiblePages<Phase2>().size(), 1);
    QVERIFY(fake.programs.asked.isEmpty());

    // AND a click after the double-click interval is the user's answer
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFromGlobal(pointer));
    QCOMPARE(visiblePages<Phase2>().size(), 0);
    QVERIFY(fake.programs.asked.isEmpty());
}

void SweepwrightFlowTest::enterTwiceOnNextLeavesTheQuestionOpen()
{
    // GIVEN Main, read by the user, with the focus on "Next"
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    auto *main = new Main(wizardServices(fake), QStringLiteral("/opt/dovrik"));
    main->show();
    waitUntilPagesTakeClicks();
    auto *next = main->findChild<QPushButton *>(QStringLiteral("Command2"));
    next->setFocus();

    // WHEN Enter is struck twice in quick succession: the second lands on Phase2's refuse button
    QTest::keyClick(next, Qt::Key_Return);
    Phase2 *page = visiblePages<Phase2>().value(0);
    QVERIFY(page);
    auto *refuse = page->findChild<QPushButton *>(QStringLiteral("Command1"));
    QTest::keyClick(refuse, Qt::Key_Return);

    // THEN the question stays open, as it does for a double-click
    QCOMPARE(visiblePages<Phase2>().size(), 1);

    // AND Enter after the double-click interval is the user's answer
    waitUntilPagesTakeClicks();
    QTest::keyClick(refuse, Qt::Key_Return);
    QCOMPARE(visiblePages<Phase2>().size(), 0);
    QVERIFY(fake.programs.asked.isEmpty());
}

void SweepwrightFlowTest::aScriptThatDoesNotStartIsReportedAndThePageStays()
{
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    fake.programs.answer = { false, QStringLiteral("No such file or directory") };
    auto *page = new Phase2(wizardServices(fake), QStringLiteral("/opt/dovrik"));
    page->show();
    waitUntilPagesTakeClicks();

    click(page, "Command2");

    QCOMPARE(fake.messages.shown.size(), 1);
    const FakeMessageBoxes::Shown shown = fake.messages.shown.first();
    QCOMPARE(shown.prompt,
             QStringLiteral("Sweepwright.cmd could not be started. Nothing has been removed.\n\n"
                            "No such file or directory"));
    QCOMPARE(shown.style, MessageStyle::Exclamation);
    QCOMPARE(shown.title, QStringLiteral("Dovrik's Software Sweepwright"));
    QCOMPARE(shown.parent, page);
    QCOMPARE(visiblePages<Phase2>().size(), 1);

    // Once the script can be started, the same page tries again and closes.
    fake.programs.answer = { true, {} };
    click(page, "Command2");

    QCOMPARE(fake.programs.asked.size(), 2);
    QCOMPARE(fake.messages.shown.size(), 1);
    QCOMPARE(visibleWindowCount(), 0);
}

void SweepwrightFlowTest::withoutAFullFolderNothingIsStarted_data()
{
    QTest::addColumn<ProgramFolder>("folder");
    QTest::addColumn<QString>("told");

    const QString notStarted
        = QStringLiteral("Sweepwright.cmd could not be started. Nothing has been removed.\n\n");
    QTest::newRow("no folder") << ProgramFolder(QString()) << notStarted;
    QTest::newRow("a relative folder") << ProgramFolder(QStringLiteral("bin")) << notStarted;
#ifndef _WIN32
    // A system that does not tell where the executable is, as without /proc: nothing starts
    // beside the command line's first word either, and the user is told why.
    const ProgramFolder untold = programFolderFromLink("/no/such/proc/self/exe");
    QVERIFY(!untold.isKnown());
    QTest::newRow("no /proc")
        << untold
        << notStarted
            + QStringLiteral("The system does not tell where the program's executable lies "
                             "(/no/such/proc/self/exe: ");
#endif
}

void SweepwrightFlowTest::withoutAFullFolderNothingIsStarted()
{
    QFETCH(ProgramFolder, folder);
    QFETCH(QString, told);

    // GIVEN a page that does not know the executable's folder in full
    FakeServices fake(QStringLiteral("Dovrik's Software Sweepwright"));
    auto *page = new Phase2(wizardServices(fake), folder);
    page->show();
    waitUntilPagesTakeClicks();

    // WHEN the user confirms
    click(page, "Command2");

    // THEN no script of that name is looked for in the working folder: nothing starts, the
    // user is told, and the page stays
    QVERIFY(fake.programs.asked.isEmpty());
    QCOMPARE(fake.messages.shown.size(), 1);
    const QString prompt = fake.messages.shown.first().prompt;
    QVERIFY2(prompt.startsWith(told), qPrintable(prompt));
    QCOMPARE(visiblePages<Phase2>().size(), 1);
}

PROGRAM_TEST_MAIN(SweepwrightFlowTest, "Dovrik's Software Sweepwright", wizardCaptions)

#include "tst_wizardflow.moc"

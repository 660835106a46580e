// Sweepwright as its main starts it, with the real program starter, clicked through at once:
// "Next", then the confirm button. A test copies it into a folder and starts it from there, to
// see which script it runs. What a message box would show goes to standard output. It ends as
// the program does: at once when the script could not start, after the watch when it did.
//
// With SWEEPWRIGHT_PROBE_HOLD set to a file's path, it prints "holding" once the pages are up,
// and waits (twenty seconds at most) for that file before it confirms, so that a test may
// change the world between the wizard's start and the confirmation.

#include "runtime/application.h"
#include "runtime/applicationsetup.h"
#include "mainpage.h"
#include "phase2.h"
#include "printedmessageboxes.h"
#include "wizardcaptions.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QPushButton>
#include <QThread>

#include <cstdio>

static void holdIfAsked()
{
    const QString hold = qEnvironmentVariable("SWEEPWRIGHT_PROBE_HOLD");
    if (hold.isEmpty())
        return;
    std::printf("holding\n");
    std::fflush(stdout);
    const QDeadlineTimer deadline(20000);
    while (!QFile::exists(hold) && !deadline.hasExpired())
        QThread::msleep(20);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    const QString title = QStringLiteral("Dovrik's Software Sweepwright");
    setUpApplication(app, title, wizardCaptions);
    PrintedMessageBoxes messages(title);
    SystemProgramStarter programs;
    ImmediateProgramEnd programEnd;
    HandlerGuard guard(messages, programEnd);

    Main *first = showFirstPage({ messages, programs, guard });
    first->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    holdIfAsked();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *page = qobject_cast<Phase2 *>(window); page && page->isVisible()) {
            page->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
            // Still open: the script did not start, and the user has been told why.
            if (page->isVisible())
                return 0;
        }
    }
    return QApplication::exec();
}

// Sweepwright as its main starts it, with the real program starter, clicked through at once:
// "Next", then the confirm button. A test copies it into a folder and starts it from there, to
// see which script it runs. What a message box would show goes to standard output.

#include "application.h"
#include "applicationsetup.h"
#include "mainpage.h"
#include "phase2.h"
#include "printedmessageboxes.h"
#include "wizardcaptions.h"

#include <QApplication>
#include <QPushButton>

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
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *page = qobject_cast<Phase2 *>(window); page && page->isVisible())
            page->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    }
    return 0;
}

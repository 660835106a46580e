// Velmora's About box with the real registry, file look-up and program start, "System Info..."
// pressed at once. A test starts it against a registry file of its own, from a working folder of
// its choice, to see what it starts. What a message box would show goes to standard output.

#include "runtime/applicationsetup.h"
#include "frmabout.h"
#include "printedmessageboxes.h"
#include "runtime/services.h"
#include "registry/systemregistry.h"
#include "velmoracaptions.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Velmora");
    setUpApplication(app, title, velmoraCaptions);
    SystemClock clock;
    PrintedMessageBoxes messages(title);
    SystemProgramStarter programs;
    SystemFileLookup files;
    ImmediateProgramEnd programEnd;
    HandlerGuard guard(messages, programEnd);
    const std::unique_ptr<Registry> registry = systemRegistry(title);
    Services services { clock, messages, programs, files, guard, *registry };

    frmAbout about(services);
    about.show();
    about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
    return 0;
}

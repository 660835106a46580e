#include "runtime/application.h"
#include "runtime/applicationsetup.h"
#include "runtime/languages.h"
#include "runtime/handlerguard.h"
#include "mainpage.h"
#include "runtime/messageboxes.h"
#include "start/programstarter.h"
#include "wizardcaptions.h"
#include "wizardinfo.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    useUserLanguage(app);
    const QString title = QStringView(WizardInfo::title).toString();
    setUpApplication(app, title, wizardCaptions);
    SystemMessageBoxes messages(title);
    SystemProgramStarter programs;
    ImmediateProgramEnd programEnd;
    HandlerGuard guard(messages, programEnd);

    showFirstPage({ messages, programs, guard });
    return QApplication::exec();
}

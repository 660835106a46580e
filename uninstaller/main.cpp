#include "application.h"
#include "applicationsetup.h"
#include "languages.h"
#include "handlerguard.h"
#include "mainpage.h"
#include "messageboxes.h"
#include "programstarter.h"
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

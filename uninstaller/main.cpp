#include "applicationsetup.h"
#include "mainpage.h"
#include "services.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Dovrik's Software Sweepwright");
    setUpApplication(app, title);
    SystemServices system(title);

    // The removal script belongs beside the executable.
    auto *window = new Main(system.services(), QCoreApplication::applicationDirPath());
    window->show();
    return QApplication::exec();
}

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

    showFirstPage(system.services());
    return QApplication::exec();
}

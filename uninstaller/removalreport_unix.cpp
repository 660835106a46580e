// sweepwright-report: shows what the removal script could not do. The wizard has closed by the
// time the script meets a refused password or a locked package manager, and a script's words on
// standard error reach nobody who started it from a menu, so the script hands them to this
// window instead.
//
// Usage: sweepwright-report <text>

#include "applicationsetup.h"
#include "messageboxes.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Dovrik's Software Sweepwright");
    setUpApplication(app, title);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2 || arguments[1].isEmpty()) {
        std::fputs("usage: sweepwright-report <text>\n", stderr);
        return 2;
    }
    SystemMessageBoxes(title).show(nullptr, arguments[1], MessageStyle::Exclamation);
    return 0;
}

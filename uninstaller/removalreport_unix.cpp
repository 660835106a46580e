// sweepwright-report: shows what the removal script could not do. The wizard has closed by the
// time the script meets a refused password or a locked package manager, and a script's words on
// standard error reach nobody who started it from a menu, so the script hands them to this
// window instead.
//
// Usage: sweepwright-report <text>

#include "applicationsetup.h"
#include "messageboxes.h"
#include "wizardcaptions.h"
#include "wizardinfo.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString title = QStringView(WizardInfo::title).toString();
    setUpApplication(app, title, wizardCaptions);
    const QStringList arguments = QApplication::arguments();
    QString text = arguments.size() == 2 ? arguments[1] : QString();
    if (text.trimmed().isEmpty()) {
        // The script meant to say something and could not: an empty window, or none, would
        // leave the user believing the removal went through.
        text = QStringLiteral("Sweepwright.cmd ended without saying what went wrong, so Velmora "
                              "may still be installed. To remove it yourself, open a terminal "
                              "and enter:\n\n    sudo apt purge velmora");
        std::fprintf(stderr, "usage: sweepwright-report <text>\nshown instead: %s\n",
                     qPrintable(text));
    }
    SystemMessageBoxes(title).show(nullptr, text, MessageStyle::Exclamation);
    return 0;
}

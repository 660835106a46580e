#include "programwindows.h"

#include "frmabout.h"
#include "help.h"
#include "mainpage.h"
#include "phase2.h"
#include "runtime/services.h"
#include "velmo.h"
#include "velmoracaptions.h"
#include "wizardcaptions.h"

#include <QApplication>

const std::vector<ProgramWindow> &programWindows()
{
    static const std::vector<ProgramWindow> windows {
        { QStringLiteral("Velmo"), [](Services &s) { return new Velmo(s); }, velmoraCaptions },
        { QStringLiteral("Help"), [](Services &s) { return new Help(s); }, velmoraCaptions },
        { QStringLiteral("frmAbout"), [](Services &s) { return new frmAbout(s); }, velmoraCaptions },
        { QStringLiteral("Main"),
          [](Services &s) {
              return new Main({ s.messages, s.programs, s.guard }, QStringLiteral("/opt"));
          },
          wizardCaptions },
        { QStringLiteral("Phase2"),
          [](Services &s) {
              return new Phase2({ s.messages, s.programs, s.guard }, QStringLiteral("/opt"));
          },
          wizardCaptions },
    };
    return windows;
}

QWidget *showProgramWindow(const QString &name, Services &services)
{
    for (const ProgramWindow &window : programWindows()) {
        if (window.name == name) {
            QWidget *shown = window.open(services);
            shown->show();
            return shown;
        }
    }
    qFatal("no program window is named %s", qPrintable(name));
}

void deleteAllWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget *> windows;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->parentWidget())
            windows.append(window);
    }
    qDeleteAll(windows);
}

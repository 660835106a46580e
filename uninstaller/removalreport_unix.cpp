// sweepwright-report: shows why the removal script did not remove Velmora. The wizard has closed
// by the time the script meets a refused password or a locked package manager, and a script's
// words on standard error reach nobody who started it from a menu, so the script hands the
// reason to this window instead, which tells it in the user's language.
//
// Usage: sweepwright-report <why> [what the system said]
//   why: no-pkexec, cancelled, refused or failed
// The window's text is written to standard error as well, for whoever keeps a log.

#include "runtime/applicationsetup.h"
#include "runtime/languages.h"
#include "runtime/messageboxes.h"
#include "wizardcaptions.h"
#include "wizardinfo.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

struct Reason
{
    const char *name;
    const char *text;
};

constexpr Reason reasons[] = {
    { "no-pkexec",
        QT_TRANSLATE_NOOP("RemovalReport",
            "Velmora has not been removed: removing it needs an administrator's "
            "consent, and pkexec, which asks for it, is not installed.") },
    { "cancelled",
        QT_TRANSLATE_NOOP("RemovalReport",
            "Velmora has not been removed: the request for an administrator's "
            "password was cancelled. Start Sweepwright again to remove it.") },
    { "refused",
        QT_TRANSLATE_NOOP("RemovalReport",
            "Velmora has not been removed: the removal was not authorised. Either "
            "no window to ask for an administrator's password could be shown (no "
            "authentication agent is running), or the password was not accepted.") },
    { "failed",
        QT_TRANSLATE_NOOP("RemovalReport",
            "Velmora has not been removed: the package manager could not remove it. "
            "If another program is installing or removing software, wait until it "
            "has finished, then start Sweepwright again.") },
};

QString reportText(const QStringList &arguments)
{
    const QString manual = QCoreApplication::translate("RemovalReport",
                               "To remove Velmora yourself, open a terminal and enter:")
        + QStringLiteral("\n\n    sudo apt purge velmora");
    const QString why = arguments.value(1);
    const auto reason = std::find_if(std::begin(reasons), std::end(reasons),
        [&](const Reason &r) { return why == QLatin1String(r.name); });
    // The script meant to say something and could not: an empty window, or none, would leave
    // the user believing the removal went through.
    if (reason == std::end(reasons))
        return QCoreApplication::translate("RemovalReport",
                   "Sweepwright.cmd ended without saying what went "
                   "wrong, so Velmora may still be installed.")
            + QStringLiteral("\n\n") + manual;
    QString text = QCoreApplication::translate("RemovalReport", reason->text);
    if (const QString said = arguments.value(2).trimmed(); !said.isEmpty())
        text += QStringLiteral("\n\n")
            + QCoreApplication::translate("RemovalReport", "The system said:") + u'\n' + said;
    return text + QStringLiteral("\n\n") + manual;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    useUserLanguage(app);
    const QString title = QStringView(WizardInfo::title).toString();
    setUpApplication(app, title, wizardCaptions);
    const QString text = reportText(QApplication::arguments());
    std::fprintf(stderr, "sweepwright-report: %s\n", qPrintable(text));
    SystemMessageBoxes(title).show(nullptr, text, MessageStyle::Exclamation);
    return 0;
}

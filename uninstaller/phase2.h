#pragma once

#include "start/programfolder.h"
#include "start/programstarter.h"
#include "wizardservices.h"

#include <QWidget>

#include <chrono>
#include <memory>

namespace Ui {
class Phase2;
}

// The confirmation page. Confirming starts the removal script and closes the page; a script
// that cannot be started is reported and the page stays, so the user may close it or try again.
// A script that starts is watched for a moment by the program, windowless after the page has
// closed: if it fails at once, or never gets going, a window says so, where nobody else would.
class Phase2 : public QWidget
{
    Q_OBJECT

public:
    // The file the removal work lies in, and the message when it cannot be started.
    static constexpr const char *scriptName = "Sweepwright.cmd";
    static constexpr const char *notStartedPrompt
        = QT_TR_NOOP("Sweepwright.cmd could not be started. Nothing has been removed.");
    // How long the started script is watched.
    static constexpr std::chrono::milliseconds scriptWatch { 2000 };
    // The exit status by which the script says that it has shown its failure in a window of
    // its own (packaging/Sweepwright.cmd does so through sweepwright-report): the watch then
    // shows no second one.
    static constexpr int reportedItselfStatus = 3;

    // scriptFolder: where the removal script is looked for, and nowhere else.
    Phase2(WizardServices services, ProgramFolder scriptFolder, QWidget *parent = nullptr);
    ~Phase2() override;

    // Handlers, called through the services' HandlerGuard.
    void Command1_Click();
    void Command2_Click();

    // What the user is told of a script that was watched; the empty text when nothing.
    static QString earlyEndReport(const EarlyEnd &end);

private:
    StartResult startScript();
    static QString howItFailed(const EarlyEnd &end);

    std::unique_ptr<Ui::Phase2> m_ui;
    WizardServices m_services;
    ProgramFolder m_scriptFolder;
};

#pragma once

#include "programfolder.h"
#include "programstarter.h"
#include "wizardservices.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Phase2;
}

// The confirmation page. Confirming starts the removal script and closes the page; a script
// that cannot be started is reported and the page stays, so the user may close it or try again.
class Phase2 : public QWidget
{
    Q_OBJECT

public:
    // The file the removal work lies in, and the message when it cannot be started.
    static constexpr const char *scriptName = "Sweepwright.cmd";
    static constexpr const char *notStartedPrompt
        = "Sweepwright.cmd could not be started. Nothing has been removed.";

    // scriptFolder: where the removal script is looked for, and nowhere else.
    Phase2(WizardServices services, ProgramFolder scriptFolder, QWidget *parent = nullptr);
    ~Phase2() override;

    // Handlers, called through the services' HandlerGuard.
    void Command1_Click();
    void Command2_Click();

private:
    StartResult startScript();

    std::unique_ptr<Ui::Phase2> m_ui;
    WizardServices m_services;
    ProgramFolder m_scriptFolder;
};

#pragma once

// Sweepwright is a two-page uninstall wizard. Main introduces it; "Next" opens a new Phase2 and
// only then closes Main, so a page is on the screen throughout. Phase2 asks for confirmation and
// starts the removal script, "Sweepwright.cmd", from the folder given to the pages: the folder
// of the Sweepwright executable, so that no file of that name elsewhere can take its place. The
// wizard itself removes nothing, and the program ends when its last page closes.

#include "start/programfolder.h"
#include "wizardservices.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Main;
}

class Main : public QWidget
{
    Q_OBJECT

public:
    // scriptFolder: where the removal script is looked for, and nowhere else.
    Main(WizardServices services, ProgramFolder scriptFolder, QWidget *parent = nullptr);
    ~Main() override;

    // Handlers, called through the services' HandlerGuard.
    void Command1_Click();
    void Command2_Click();

private:
    std::unique_ptr<Ui::Main> m_ui;
    WizardServices m_services;
    ProgramFolder m_scriptFolder;
};

// The wizard as the program starts it: Main on the screen, the removal script looked for in the
// folder the system gives for the executable.
Main *showFirstPage(WizardServices services);

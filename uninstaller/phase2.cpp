#include "phase2.h"
#include "ui_phase2.h"

#include "wizardpage.h"

#include <QDir>

#include <utility>

Phase2::Phase2(WizardServices services, ProgramFolder scriptFolder, QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Phase2>())
    , m_services(services)
    , m_scriptFolder(std::move(scriptFolder))
{
    m_ui->setupUi(this);
    prepareWizardPage(this, m_ui->Label1, m_ui->Label2);
    m_ui->Command1->setFocus();

    connectHandler(m_services.guard, m_ui->Command1, &QPushButton::clicked, this,
                   &Phase2::Command1_Click);
    connectHandler(m_services.guard, m_ui->Command2, &QPushButton::clicked, this,
                   &Phase2::Command2_Click);
}

Phase2::~Phase2() = default;

void Phase2::Command1_Click()
{
    close();
}

void Phase2::Command2_Click()
{
    const StartResult result = startScript();
    if (!result.started) {
        m_services.messages.show(this,
                                 QLatin1String(notStartedPrompt) + QStringLiteral("\n\n")
                                     + result.failureReason,
                                 MessageStyle::Exclamation, m_services.messages.programTitle());
        return;
    }
    // Nobody waits for the script: it goes on by itself after the wizard has ended.
    close();
}

StartResult Phase2::startScript()
{
    // By full path from the one folder, never by bare name: a bare name would be looked for in
    // the working folder or on the search path, where anyone could have put a file of that name.
    // Without a full folder the name would be looked for in the working folder after all.
    if (!m_scriptFolder.isKnown())
        return { false, m_scriptFolder.unknownReason() };
    const QString &folder = m_scriptFolder.path();
    if (!QDir::isAbsolutePath(folder))
        return { false, QStringLiteral("The folder of the program is not known.") };
    return m_services.programs.start(QDir(folder).absoluteFilePath(QLatin1String(scriptName)));
}

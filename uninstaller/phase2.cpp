#include "phase2.h"
#include "ui_phase2.h"

#include "wizardpage.h"

#include <QDir>
#include <QEventLoopLocker>

#include <memory>

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

    connectHandler(
        m_services.guard, m_ui->Command1, &QPushButton::clicked, this, &Phase2::Command1_Click);
    connectHandler(
        m_services.guard, m_ui->Command2, &QPushButton::clicked, this, &Phase2::Command2_Click);
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
            tr(notStartedPrompt) + QStringLiteral("\n\n") + result.failureReason,
            MessageStyle::Exclamation, m_services.messages.programTitle());
        return;
    }
    // Nobody waits for the script: the page closes at once, and the script goes on by itself
    // once the short watch is over.
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
        return { false, tr("The folder of the program is not known.") };
    // The program has no window left while the script is watched: this keeps it running until
    // the watch has told, and the user has read whatever it told.
    auto running = std::make_shared<QEventLoopLocker>();
    MessageBoxes &messages = m_services.messages;
    return m_services.programs.startWatched(
        QDir(folder).absoluteFilePath(QLatin1String(scriptName)), scriptWatch,
        [&messages, running](const EarlyEnd &end) {
            if (const QString report = earlyEndReport(end); !report.isEmpty())
                messages.show(nullptr, report, MessageStyle::Exclamation);
        });
}

QString Phase2::earlyEndReport(const EarlyEnd &end)
{
    QString report;
    switch (end.kind) {
    case EarlyEnd::Kind::StillRunning:
    case EarlyEnd::Kind::Succeeded:
        return {};
    case EarlyEnd::Kind::NeverGotGoing:
        report = tr("Sweepwright.cmd did not get going: %1 seconds after its start it was still in "
                    "%2, which its first line names. Named without a command to run, %2 starts "
                    "the script itself again and again, for ever. It has been stopped, and "
                    "nothing has been removed. The first line must name the script's "
                    "interpreter, such as #!/bin/sh.")
                     .arg(QString::number(scriptWatch.count() / 1000), end.stuckIn);
        break;
    case EarlyEnd::Kind::Failed:
        if (end.signal == 0 && end.exitStatus == reportedItselfStatus)
            return {};
        report = tr("Sweepwright.cmd started, but failed at once: %1. It has most likely removed "
                    "nothing.")
                     .arg(howItFailed(end));
        break;
    }
    if (end.lastWords.isEmpty())
        return report;
    return tr("%1\n\nThe system said:\n%2").arg(report, end.lastWords);
}

QString Phase2::howItFailed(const EarlyEnd &end)
{
    if (end.signal != 0)
        return tr("it was ended by signal %1 (%2)")
            .arg(QString::number(end.signal), end.signalName);
    // What shells and env end with when a command of the script's cannot be run.
    switch (end.exitStatus) {
    case 126:
        return tr("a program it needs could not be run (exit status 126)");
    case 127:
        return tr("a program or library it needs was not found (exit status 127)");
    default:
        return tr("it ended with exit status %1").arg(end.exitStatus);
    }
}

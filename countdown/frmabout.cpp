#include "frmabout.h"
#include "ui_frmabout.h"

#include "getkeyvalue.h"
#include "runtime/numbers.h"
#include "programinfo.h"
#include "look/scaledpicture.h"
#include "runtime/services.h"
#include "look/windowplacement.h"

#include <QDir>
#include <QKeyEvent>
#include <QStringBuilder>

#include <exception>

namespace {
// Where every instance opens: its client area's top-left corner on the screen.
constexpr QPoint designedPlace { 2340 / 15, 1935 / 15 };

// Line1 is drawn in two colours on one row: grey over white, an etched separator.
void paintLine(QWidget *element, const QColor &colour)
{
    QPalette palette = element->palette();
    palette.setColor(QPalette::Window, colour);
    element->setPalette(palette);
}

// The picture as drawn for 100 % and for screens scaled to 125, 150 and 200 %.
QIcon aboutPicture()
{
    QIcon picture;
    for (const int size : { 32, 40, 48, 64 })
        picture.addFile(QStringLiteral(":/about/about-%1.png").arg(size), QSize(size, size));
    return picture;
}

QString text(const std::u16string &value)
{
    return QString::fromStdU16String(value);
}
} // namespace

frmAbout::frmAbout(Services &services, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::frmAbout>())
    , m_services(services)
{
    m_ui->setupUi(this);
    makeFixedDialogWindow(this);
    placeClientAt(this, designedPlace);
    paintLine(m_ui->Line1_0, Qt::white);
    paintLine(m_ui->Line1_1, QColor(128, 128, 128));
    showScaledPicture(m_ui->picIcon, aboutPicture(), QSize(32, 32));
    m_ui->cmdOK->setFocus();

    connectHandler(services.guard, m_ui->cmdOK, &QPushButton::clicked, this,
                   &frmAbout::cmdOK_Click);
    connectHandler(services.guard, m_ui->cmdSysInfo, &QPushButton::clicked, this,
                   &frmAbout::cmdSysInfo_Click);
    // Command1 and Command2 have no handler: clicking them does nothing.
    services.guard.run(this, [this] { Form_Load(); });
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load()
{
    const QString title = QStringView(ProgramInfo::title).toString();
    setWindowTitle(tr("About %1").arg(title));
    m_ui->lblVersion->setText(tr("Version %1.%2.%3")
                                  .arg(integerToText(ProgramInfo::major),
                                       integerToText(ProgramInfo::minor),
                                       integerToText(ProgramInfo::revision)));
    m_ui->lblTitle->setText(title);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        m_ui->cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::StartSysInfo()
{
    // Step 1. Whatever fails on the way, an error in GetKeyValue included, ends in step 6.
    try {
        if (sysInfoStarted())
            return;
    } catch (const std::exception &) {
        // On to step 6.
    }

    // Step 6. The box stays open as it was.
    m_services.messages.show(this, tr("System Information Is Unavailable At This Time"),
                             MessageStyle::OkOnly);
}

bool frmAbout::sysInfoStarted()
{
    // Step 2. The tool's own path, started as it stands, without first looking for the file.
    std::u16string KeyVal;
    if (GetKeyValue(m_services.registry, registryLocalMachine,
                    u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", u"PATH", KeyVal))
        return started(text(KeyVal));

    // Step 3. Otherwise the folder of the shared tools.
    if (!GetKeyValue(m_services.registry, registryLocalMachine,
                     u"SOFTWARE\\Microsoft\\Shared Tools Location", u"MSINFO", KeyVal))
        return false;

    // Steps 4 and 5. The tool must be in that folder to be started. Off Windows the folder
    // separator takes the place of the backslash. The look-up ignores case, as the system's
    // does; the file it found is the one started, which on a file system that tells case apart
    // may be written in other letters than asked for.
    const QString folder = text(KeyVal) % QDir::separator();
    const QString found = m_services.files.firstMatch(folder % QStringLiteral("MSINFO32.EXE"));
    if (found.isEmpty())
        return false;
    return started(folder % found);
}

bool frmAbout::started(const QString &program)
{
    return m_services.programs.start(program).started;
}

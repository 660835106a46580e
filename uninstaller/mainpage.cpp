#include "mainpage.h"
#include "ui_mainpage.h"

#include "phase2.h"
#include "look/scaledpicture.h"
#include "wizardpage.h"

#include <utility>

Main::Main(WizardServices services, ProgramFolder scriptFolder, QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Main>())
    , m_services(services)
    , m_scriptFolder(std::move(scriptFolder))
{
    m_ui->setupUi(this);
    prepareWizardPage(this, m_ui->Label1, m_ui->Label2);
    showScaledPicture(m_ui->Image1, sweepwrightIcon(), QSize(48, 48));
    m_ui->Command1->setFocus();

    connectHandler(m_services.guard, m_ui->Command1, &QPushButton::clicked, this,
                   &Main::Command1_Click);
    connectHandler(m_services.guard, m_ui->Command2, &QPushButton::clicked, this,
                   &Main::Command2_Click);
}

Main::~Main() = default;

void Main::Command1_Click()
{
    close();
}

void Main::Command2_Click()
{
    // The next page first: were Main closed before it, no page would be left and the program
    // would end.
    auto *next = new Phase2(m_services, m_scriptFolder);
    next->show();
    close();
}

Main *showFirstPage(WizardServices services)
{
    auto *page = new Main(services, programFolder());
    page->show();
    return page;
}

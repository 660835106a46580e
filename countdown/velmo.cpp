#include "velmo.h"
#include "ui_velmo.h"

#include "designfonts.h"
#include "help.h"
#include "services.h"
#include "windowplacement.h"

#include <QTimer>

namespace {
constexpr QSize clientSize { 5310 / 15, 5700 / 15 };
} // namespace

Velmo::Velmo(Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::Velmo>())
    , m_services(services)
    , m_timer1(new QTimer(this))
{
    m_ui->setupUi(this);
    // Resizable and minimisable, never maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    // Designer stores whole point sizes only.
    m_ui->FinalCalculation->setFont(designFont(QStringLiteral("MS Sans Serif"), 9.75));

    // The client area below the menu bar has the designed size; the window grows by the bar.
    resize(clientSize.width(), clientSize.height() + m_ui->menuBar->sizeHint().height());
    centreOnScreen(this);
    m_ui->BandInput->setFocus();

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connectHandler(m_services.guard, m_timer1, &QTimer::timeout, this, &Velmo::Timer1_Timer);
    connectHandler(m_services.guard, m_ui->Help_m, &QAction::triggered, this,
                   &Velmo::Help_m_Click);
    m_timer1->start();
}

Velmo::~Velmo() = default;

void Velmo::Timer1_Timer()
{
}

void Velmo::Help_m_Click()
{
    // A fresh window each time, modeless and without owner; it deletes itself when closed.
    auto *help = new Help(m_services);
    help->show();
}

#include "help.h"
#include "ui_help.h"

#include "runtime/services.h"
#include "look/windowplacement.h"

namespace {
// Where every instance opens: its client area's top-left corner on the screen.
constexpr QPoint designedPlace { 2760 / 15, 3750 / 15 };
} // namespace

Help::Help(Services &services, QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Help>())
{
    m_ui->setupUi(this);
    makeFixedDialogWindow(this);
    placeClientAt(this, designedPlace);
    m_ui->OKButton->setFocus();

    connectHandler(services.guard, m_ui->OKButton, &QPushButton::clicked, this,
                   &Help::OKButton_Click);
}

Help::~Help() = default;

void Help::OKButton_Click()
{
    close();
}

#pragma once

#include <QWidget>

#include <memory>

struct Services;

namespace Ui {
class Help;
}

// The usage steps. Each instance is independent: OK closes only its own window, and Escape,
// which a dialog would take as a cancel, leaves it open.
class Help : public QWidget
{
    Q_OBJECT

public:
    explicit Help(Services &services, QWidget *parent = nullptr);
    ~Help() override;

    void OKButton_Click();

private:
    std::unique_ptr<Ui::Help> m_ui;
};

#pragma once

// The About box: the program's title, version and description, and a button that starts the
// system's information tool, found through the registry. Each box is independent of the main
// window and of every other About box, and closes only itself.

#include <QDialog>

#include <memory>

struct Services;

namespace Ui {
class frmAbout;
}

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(Services &services, QWidget *parent = nullptr);
    ~frmAbout() override;

    // Handlers, called through the services' HandlerGuard.
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    // Escape goes through cmdOK_Click, as the OK button is also the cancel button.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void StartSysInfo();
    bool sysInfoStarted();
    bool started(const QString &program);

    std::unique_ptr<Ui::frmAbout> m_ui;
    Services &m_services;
};

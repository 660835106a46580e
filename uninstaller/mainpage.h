#pragma once

// Sweepwright is a two-page uninstall wizard. Main introduces it; "Next" opens a new Phase2 and
// only then closes Main, so a page is on the screen throughout. Phase2 asks for confirmation and
// starts the removal script, "Sweepwright.cmd", from the folder given to the pages: the folder
// of the Sweepwright executable, so that no file of that name elsewhere can take its place. The
// wizard itself removes nothing, and the program ends when its last page closes.

#include <QCoreApplication>
#include <QString>
#include <QWidget>

#include <memory>

struct Services;

namespace Ui {
class Main;
}

class Main : public QWidget
{
    Q_OBJECT

public:
    // scriptFolder: where the removal script is looked for, and nowhere else.
    explicit Main(Services &services,
                  QString scriptFolder = QCoreApplication::applicationDirPath(),
                  QWidget *parent = nullptr);
    ~Main() override;

    // Handlers, called through the services' HandlerGuard.
    void Command1_Click();
    void Command2_Click();

private:
    std::unique_ptr<Ui::Main> m_ui;
    Services &m_services;
    QString m_scriptFolder;
};

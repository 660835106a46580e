#pragma once

// Velmo is Velmora's main window and its working store. The inputs say what, where and when the
// event is; the labels beyond the window's opening size hold the present time, written by the
// timer's tick, and every intermediate value of the countdown, written by "TELL ME NOW!". The
// handlers keep no variables: a step writes a caption, and a later step reads it back as text.
// Everything outside the process (clock, message boxes, programs) is reached through Services.

#include "look/designfonts.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QTimer;
struct Services;

namespace Ui {
class Velmo;
}

class Velmo : public QMainWindow
{
    Q_OBJECT

public:
    explicit Velmo(Services &services, QWidget *parent = nullptr);
    ~Velmo() override;

    // Handlers, called through the services' HandlerGuard.
    void Timer1_Timer();
    void Calculate_Click();
    void Help_m_Click();
    void about_Click();

private:
    bool presentTimeIsKnown() const;
    void writeAnswer(const QString &sentence);

    std::unique_ptr<Ui::Velmo> m_ui;
    Services &m_services;
    QTimer *m_timer1;
    // The answer's face, until the first answer is written. Where MS Sans Serif cannot draw its
    // size, choosing the stand-in measures faces for milliseconds (the more faces the system
    // has, the longer), which the window's first showing need not wait for: the label is empty
    // until then.
    std::optional<LateDesignFont> m_answerFont;
};

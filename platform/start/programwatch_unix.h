#pragma once

#include "start/programstarter.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <sys/types.h>

// Stays the parent of a started program. For the time of a watch it looks how the program fares,
// and tells once; from then on it only collects the program's end, so that no ended program is
// left behind as a zombie while this one runs. It goes when it has collected the end, or with
// the application, which leaves the program to run on.
class ProgramWatch final : public QObject
{
public:
    // errors: the file the program's standard error goes to, which the watch reads and closes;
    // -1 for none. Without watched, nothing is watched and the end is only collected.
    ProgramWatch(pid_t program, int errors, std::chrono::milliseconds watch,
                 EarlyEndHandler watched);
    ~ProgramWatch() override;

private:
    void look();
    void ended(int status);
    void watchEnds();
    void tell(EarlyEnd end);
    QString lastWords() const;

    pid_t m_program;
    int m_errors;
    QDeadlineTimer m_watchEnd;
    EarlyEndHandler m_watched;
    bool m_telling = false;
    QTimer m_timer;
};

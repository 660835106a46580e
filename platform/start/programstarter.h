#pragma once

#include <QString>

struct StartResult
{
    bool started = false;
    QString failureReason; // when not started: what is wrong, in words the user can act on
};

// Starts a program by its full path, without arguments, in a normal window that takes the focus,
// and does not wait for it. A path that is not a full one, or that holds a NUL, is refused: the
// working folder and the search path never decide what starts.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    virtual StartResult start(const QString &program) = 0;
};

class SystemProgramStarter final : public ProgramStarter
{
public:
    StartResult start(const QString &program) override;
};

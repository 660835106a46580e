#pragma once

#include <QString>

struct StartResult
{
    bool started = false;
    QString failureReason; // when not started: what is wrong, in words the user can act on
};

// Starts a program by its path, without arguments, in a normal window that takes the focus, and
// does not wait for it. The path is used as given: a caller that must not depend on the search
// path passes a full path.
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

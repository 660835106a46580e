#pragma once

#include <QString>
#include <QStringList>

// Window styles of a started program that the programs use.
enum class WindowStyle {
    NormalFocus = 1, // a normal window that takes the focus
};

struct StartResult
{
    bool started = false;
    QString failureReason; // when not started: what is wrong, in words the user can act on
};

// Starts a program by its path and does not wait for it. The path is used as given: a caller
// that must not depend on the search path passes a full path.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    virtual StartResult start(const QString &program, const QStringList &arguments,
                              WindowStyle style)
        = 0;
};

class SystemProgramStarter final : public ProgramStarter
{
public:
    StartResult start(const QString &program, const QStringList &arguments,
                      WindowStyle style) override;
};

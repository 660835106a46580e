#pragma once

#include <QString>

#include <chrono>
#include <functional>

struct StartResult
{
    bool started = false;
    QString failureReason; // when not started: what is wrong, in words the user can act on
};

// How a started program fared in the first moments after its start, while its starter watched.
struct EarlyEnd
{
    enum class Kind {
        StillRunning,  // still going when the watch ended, and left to run on by itself
        Succeeded,     // ended with exit status 0
        Failed,        // ended with another status, or was ended by a signal
        NeverGotGoing, // at the watch's end still in env, which its "#!" line names: stopped
    };

    Kind kind = Kind::StillRunning;
    int exitStatus = 0;  // Failed: the status it ended with, when no signal ended it
    int signal = 0;      // Failed: the signal that ended it, or 0
    QString signalName;  // and the system's words for that signal
    QString stuckIn;     // NeverGotGoing: the program it was stuck in
    QString lastWords;   // the last lines it wrote to standard error during the watch
};

using EarlyEndHandler = std::function<void(const EarlyEnd &)>;

// Starts a program by its full path, without arguments, in a normal window that takes the focus,
// and does not wait for it. A path that is not a full one, or that holds a NUL, is refused: the
// working folder and the search path never decide what starts.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    virtual StartResult start(const QString &program) = 0;

    // Starts the program as start() does, but stays its parent for the time of the watch, with
    // what it writes to standard error kept: once, from the event loop, watched is told how it
    // fared, when it ends or when the watch is over, whichever comes first. A program that is
    // still running then runs on by itself. This default watches nothing: it starts the
    // program and says that it still runs.
    virtual StartResult startWatched(const QString &program, std::chrono::milliseconds watch,
                                     EarlyEndHandler watched);
};

class SystemProgramStarter final : public ProgramStarter
{
public:
    StartResult start(const QString &program) override;
    StartResult startWatched(const QString &program, std::chrono::milliseconds watch,
                             EarlyEndHandler watched) override;
};

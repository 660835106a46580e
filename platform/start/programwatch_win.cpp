// The watched start on Windows, which watches nothing: a command script runs in a console window
// of its own (programstarter_win.cpp), where the user sees whatever it says when it fails.

#include "start/programstarter.h"

#include <utility>

StartResult SystemProgramStarter::startWatched(const QString &program,
                                               std::chrono::milliseconds watch,
                                               EarlyEndHandler watched)
{
    return ProgramStarter::startWatched(program, watch, std::move(watched));
}

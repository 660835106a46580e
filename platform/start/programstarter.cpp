// What every program starter shares: a start that nobody watches, told from the event loop, as
// a watch would tell it, so that callers meet one order of events from every starter.

#include "start/programstarter.h"

#include <QTimer>

#include <utility>

StartResult ProgramStarter::startWatched(const QString &program, std::chrono::milliseconds,
                                         EarlyEndHandler watched)
{
    const StartResult result = start(program);
    if (result.started)
        QTimer::singleShot(0, [watched = std::move(watched)] { watched(EarlyEnd()); });
    return result;
}

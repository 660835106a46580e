// The start of a program on Linux and other Unix systems: the checks that rule a start out, the
// start itself in the program's own folder and a session of its own, and the hand-over to a
// ProgramWatch, which stays its parent. StartDiagnosis says why a start fails.

#include "start/programstarter.h"
#include "start/programwatch_unix.h"
#include "start/startdiagnosis.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <utility>

extern char **environ;

namespace {

// What rules out the start of program before anything is looked at: the empty text when
// nothing does.
QString unfitPath(const QString &program)
{
    if (program.isEmpty())
        return StartDiagnosis::tr("No program was named.");
    // A path from outside (the registry) may hold a NUL, where the system's call would end it:
    // the program started would be another than the one named.
    if (program.contains(QChar(u'\0')))
        return StartDiagnosis::tr("The program's path holds a NUL character, which no path can "
                                  "hold, so it names no program that could be started.");
    // Whatever a relative path named would be found from the folder this program happened to
    // be started in, which is nobody's choice.
    if (!program.startsWith(u'/'))
        return StartDiagnosis::tr("%1 is not a full path: a program is started only by its full "
                                  "path, which begins with \"/\".")
            .arg(program);
    return StartDiagnosis::refusal(program);
}

// The parts of a start that must be let go of on every path.
struct SpawnSettings
{
    SpawnSettings()
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSettings()
    {
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
    }
    SpawnSettings(const SpawnSettings &) = delete;
    SpawnSettings &operator=(const SpawnSettings &) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

// Starts program, its standard error going to errors unless that is -1. Returns 0 and the new
// process, or the system's error (an errno value): the start reports the failure of its
// last step, the program's own, unlike a start through fork and exec.
// A file in memory for a program's standard error that can never hold more than its first
// megabyte: a program that writes on for hours after the watch, when nobody reads it any more,
// would otherwise hold ever more memory until it ends. What it writes beyond is refused, and
// writing to standard error is no reason for a program to stop. -1 without one.
int cappedErrorFile()
{
    constexpr off_t limit = off_t(1) << 20;
    const int file = memfd_create("standard error", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (file >= 0
        && (ftruncate(file, limit) != 0
            || fcntl(file, F_ADD_SEALS, F_SEAL_GROW | F_SEAL_SHRINK | F_SEAL_SEAL) != 0)) {
        close(file);
        return -1;
    }
    return file;
}

int spawn(const QString &program, int errors, pid_t &process)
{
    const QByteArray path = QFile::encodeName(program);
    // Whatever the program names by a relative path, its own "#!" interpreter included, is
    // looked for beside it, never wherever the user happened to start this program.
    const QByteArray folder = QFile::encodeName(QFileInfo(program).absolutePath());
    SpawnSettings settings;
    posix_spawn_file_actions_addchdir_np(&settings.actions, folder.constData());
    if (errors >= 0)
        posix_spawn_file_actions_adddup2(&settings.actions, errors, STDERR_FILENO);
    // A session of its own, so that nothing done to this program's session or terminal reaches
    // it, and the signals as a new program expects them: none blocked or ignored.
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&settings.attributes, &none);
    posix_spawnattr_setsigdefault(&settings.attributes, &all);
    posix_spawnattr_setflags(&settings.attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    char *const arguments[] = { const_cast<char *>(path.constData()), nullptr };
    return posix_spawn(&process, path.constData(), &settings.actions, &settings.attributes,
                       arguments, environ);
}

} // namespace

StartResult SystemProgramStarter::start(const QString &program)
{
    // A window's placement and focus belong to the started program and the window manager.
    // A script is started directly: it must be executable and names its own interpreter.
    if (const QString refusal = unfitPath(program); !refusal.isEmpty())
        return { false, refusal };
    pid_t process = 0;
    if (const int error = spawn(program, -1, process); error != 0)
        return { false, StartDiagnosis::failure(program, error) };
    new ProgramWatch(process, -1, {}, {});
    return { true, {} };
}

StartResult SystemProgramStarter::startWatched(const QString &program,
                                               std::chrono::milliseconds watch,
                                               EarlyEndHandler watched)
{
    if (const QString refusal = unfitPath(program); !refusal.isEmpty())
        return { false, refusal };
    // A file of no name, not a pipe: the program may write on after the watch, when nobody
    // reads any more, and a pipe would then end it. Without one, the program is watched all
    // the same, but what it says is not known.
    const int errors = cappedErrorFile();
    pid_t process = 0;
    if (const int error = spawn(program, errors, process); error != 0) {
        if (errors >= 0)
            close(errors);
        return { false, StartDiagnosis::failure(program, error) };
    }
    new ProgramWatch(process, errors, watch, std::move(watched));
    return { true, {} };
}

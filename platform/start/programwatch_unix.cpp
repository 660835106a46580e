// Watches a program this one has started, as its parent: how it ended if it ends soon, a start
// that never gets past env, and the last words it wrote to standard error.

#include "start/programwatch_unix.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace {

// How often the program is looked at while it is watched, and afterwards, when only its end is
// still to be collected.
constexpr std::chrono::milliseconds watchingInterval { 20 };
constexpr std::chrono::milliseconds collectingInterval { 1000 };
// How much of the end of standard error is read, and how many of its last lines are told.
constexpr off_t tailBytes = 4096;
constexpr qsizetype lastLineCount = 3;
constexpr qsizetype lineLimit = 400;

// The executable the process runs now, as the system tells it.
QString runningProgram(pid_t process)
{
    const QByteArray link = "/proc/" + QByteArray::number(process) + "/exe";
    QByteArray target(4096, '\0');
    const ssize_t length = readlink(link.constData(), target.data(), size_t(target.size()));
    return length > 0 ? QFile::decodeName(target.left(length)) : QString();
}

} // namespace

ProgramWatch::ProgramWatch(pid_t program, int errors, std::chrono::milliseconds watch,
                           EarlyEndHandler watched)
    : QObject(QCoreApplication::instance())
    , m_program(program)
    , m_errors(errors)
    , m_watchEnd(watch)
    , m_watched(std::move(watched))
{
    connect(&m_timer, &QTimer::timeout, this, &ProgramWatch::look);
    m_timer.start(m_watched ? watchingInterval : collectingInterval);
}

ProgramWatch::~ProgramWatch()
{
    if (m_errors >= 0)
        close(m_errors);
}

void ProgramWatch::look()
{
    // Whoever is told may open a modal window, whose event loop would come back here.
    if (m_telling)
        return;
    int status = 0;
    const pid_t found = waitpid(m_program, &status, WNOHANG);
    if (found == m_program) {
        ended(status);
    } else if (found < 0 && errno != EINTR) {
        // Collected elsewhere: nothing more can be learnt of it.
        m_timer.stop();
        deleteLater();
        if (m_watched)
            tell({});
    } else if (m_watched && m_watchEnd.hasExpired()) {
        watchEnds();
    }
}

void ProgramWatch::ended(int status)
{
    m_timer.stop();
    deleteLater();
    if (!m_watched)
        return;
    EarlyEnd end;
    end.kind = EarlyEnd::Kind::Failed;
    if (WIFSIGNALED(status)) {
        end.signal = WTERMSIG(status);
        end.signalName = QString::fromLocal8Bit(strsignal(end.signal));
    } else {
        end.exitStatus = WEXITSTATUS(status);
        if (end.exitStatus == 0)
            end.kind = EarlyEnd::Kind::Succeeded;
    }
    tell(end);
}

void ProgramWatch::watchEnds()
{
    const QString running = runningProgram(m_program);
    if (QFileInfo(running).fileName() != QLatin1String("env")) {
        m_timer.setInterval(collectingInterval);
        tell({});
        return;
    }
    // A script whose "#!" line names env without a command has env start the script itself,
    // which names env again, for ever: it never gets going, and would never end.
    kill(m_program, SIGKILL);
    int status = 0;
    while (waitpid(m_program, &status, 0) < 0 && errno == EINTR) { }
    m_timer.stop();
    deleteLater();
    EarlyEnd end;
    end.kind = EarlyEnd::Kind::NeverGotGoing;
    end.stuckIn = running;
    tell(end);
}

void ProgramWatch::tell(EarlyEnd end)
{
    end.lastWords = lastWords();
    const EarlyEndHandler watched = std::exchange(m_watched, {});
    m_telling = true;
    watched(end);
    m_telling = false;
}

QString ProgramWatch::lastWords() const
{
    // The file is of a fixed size; the program's own position in it, which it shares with
    // this process, is where its words end.
    const off_t end = m_errors < 0 ? -1 : lseek(m_errors, 0, SEEK_CUR);
    if (end <= 0)
        return {};
    const off_t from = std::max<off_t>(0, end - tailBytes);
    QByteArray tail(qsizetype(end - from), '\0');
    const ssize_t length = pread(m_errors, tail.data(), size_t(tail.size()), from);
    tail.truncate(std::max<qsizetype>(length, 0));
    QByteArrayList lines;
    for (const QByteArray &line : tail.split('\n')) {
        const QByteArray words = line.trimmed();
        if (!words.isEmpty())
            lines.append(words.size() > lineLimit ? words.left(lineLimit) + "..." : words);
    }
    // The first line read may be the end of a longer one.
    if (from > 0 && !lines.isEmpty())
        lines.removeFirst();
    lines = lines.mid(std::max<qsizetype>(0, lines.size() - lastLineCount));
    QString words = QString::fromLocal8Bit(lines.join('\n'));
    // What a program writes may hold anything; the window shows text, one line to a line.
    for (QChar &character : words) {
        if (character != u'\n' && character.category() == QChar::Other_Control)
            character = u' ';
    }
    return words;
}

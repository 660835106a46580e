#pragma once

#include <QString>

// The folder of the running program's executable, as the system tells it. Neither the command
// line's first word (any caller may set it) nor the working folder ever stands in for it: a
// program that looks for its own files there could be handed anybody's.
class ProgramFolder
{
public:
    // A folder given by the caller.
    ProgramFolder(QString path);
    // A folder the system did not tell, and why, in words for the user.
    static ProgramFolder unknown(QString reason);

    const QString &path() const { return m_path; }
    bool isKnown() const { return m_reason.isEmpty(); }
    const QString &unknownReason() const { return m_reason; }

private:
    ProgramFolder(QString path, QString reason);

    QString m_path;
    QString m_reason;
};

// Asks the system where this program's executable lies.
ProgramFolder programFolder();

#ifndef _WIN32
// The folder of the executable that a link of the system points to ("/proc/self/exe" on Linux).
// A name that does not come back to the same bytes from text is refused: the program would look
// in a folder of another name, which need not be its own.
ProgramFolder programFolderFromLink(const char *link);
#endif

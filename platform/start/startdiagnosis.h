#pragma once

#include <QCoreApplication>
#include <QString>

// Why a program cannot be started, in words a user can act on. Few things are ruled out before a
// start: what would keep the start waiting or is plainly no program, and Windows line ends,
// whose fault the system's own words hide. Everything else is explained after the system has
// refused the start, from its error and a look at the files it names.
class StartDiagnosis
{
    Q_DECLARE_TR_FUNCTIONS(StartDiagnosis)

public:
    // What rules out the start of program, a full path, before it is tried; the empty text when
    // nothing does.
    static QString refusal(const QString &program);

    // Why the system's start of program failed with error (an errno value): plain words, and
    // below them the system's own.
    static QString failure(const QString &program, int error);
};

#pragma once

#include <QString>

#include <exception>
#include <string>

// A run-time error of the form runtime: a number and a description, as the runtime's own
// error report shows them. Handlers raise it and never catch it; HandlerGuard reports it and
// ends the program, unless a routine deliberately installs its own handler.
class RuntimeError : public std::exception
{
public:
    RuntimeError(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.c_str(); }

    // The report the runtime shows before it ends the program.
    QString message() const;

    static RuntimeError overflow();             // 6
    static RuntimeError outOfMemory();          // 7
    static RuntimeError typeMismatch();         // 13
    static RuntimeError internalError();        // 51
    static RuntimeError fileNotFound();         // 53

private:
    int m_number;
    QString m_description;
    std::string m_what;
};

#include "runtimeerror.h"

#include <utility>

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
    , m_what(message().toStdString())
{
}

QString RuntimeError::message() const
{
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(m_number).arg(m_description);
}

RuntimeError RuntimeError::overflow()
{
    return { 6, QStringLiteral("Overflow") };
}

RuntimeError RuntimeError::outOfMemory()
{
    return { 7, QStringLiteral("Out of memory") };
}

RuntimeError RuntimeError::typeMismatch()
{
    return { 13, QStringLiteral("Type mismatch") };
}

RuntimeError RuntimeError::internalError()
{
    return { 51, QStringLiteral("Internal error") };
}

RuntimeError RuntimeError::fileNotFound()
{
    return { 53, QStringLiteral("File not found") };
}

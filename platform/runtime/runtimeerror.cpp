#include "runtime/runtimeerror.h"

#include <QCoreApplication>

#include <utility>

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
    , m_what(message().toStdString())
{
}

QString RuntimeError::message() const
{
    return QCoreApplication::translate("RuntimeError", "Run-time error '%1':\n\n%2")
        .arg(QString::number(m_number), m_description);
}

RuntimeError RuntimeError::overflow()
{
    return { 6, QCoreApplication::translate("RuntimeError", "Overflow") };
}

RuntimeError RuntimeError::outOfMemory()
{
    return { 7, QCoreApplication::translate("RuntimeError", "Out of memory") };
}

RuntimeError RuntimeError::typeMismatch()
{
    return { 13, QCoreApplication::translate("RuntimeError", "Type mismatch") };
}

RuntimeError RuntimeError::internalError()
{
    return { 51, QCoreApplication::translate("RuntimeError", "Internal error") };
}

RuntimeError RuntimeError::fileNotFound()
{
    return { 53, QCoreApplication::translate("RuntimeError", "File not found") };
}

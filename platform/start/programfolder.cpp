#include "start/programfolder.h"

#include <utility>

ProgramFolder::ProgramFolder(QString path) : m_path(std::move(path)) { }

ProgramFolder::ProgramFolder(QString path, QString reason)
    : m_path(std::move(path)), m_reason(std::move(reason))
{
}

ProgramFolder ProgramFolder::unknown(QString reason)
{
    return { QString(), std::move(reason) };
}

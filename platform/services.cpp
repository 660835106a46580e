#include "services.h"

SystemServices::SystemServices(const QString &programTitle)
    : m_messages(programTitle)
    , m_guard(m_messages, m_programEnd)
#ifndef _WIN32
    , m_registry(programTitle)
#endif
    , m_services { m_clock, m_messages, m_programs, m_files, m_guard, m_registry }
{
}

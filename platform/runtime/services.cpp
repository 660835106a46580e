#include "runtime/services.h"

#include "registry/systemregistry.h"

SystemServices::SystemServices(const QString &programTitle)
    : m_messages(programTitle)
    , m_guard(m_messages, m_programEnd)
    , m_registry(systemRegistry(programTitle))
    , m_services { m_clock, m_messages, m_programs, m_files, m_guard, *m_registry }
{
}

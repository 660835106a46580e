#pragma once

#include "runtime/clock.h"
#include "start/filelookup.h"
#include "runtime/handlerguard.h"
#include "runtime/messageboxes.h"
#include "start/programstarter.h"
#include "registry/registry.h"

#include <memory>

// Everything a form may need of the world outside the process. Forms receive it when they are
// created and keep only the reference, so tests can hand them doubles instead.
struct Services
{
    Clock &clock;
    MessageBoxes &messages;
    ProgramStarter &programs;
    FileLookup &files;
    HandlerGuard &guard;
    Registry &registry;
};

// The real services for a program whose title is programTitle.
class SystemServices
{
public:
    explicit SystemServices(const QString &programTitle);

    Services &services() { return m_services; }

private:
    SystemClock m_clock;
    SystemMessageBoxes m_messages;
    SystemProgramStarter m_programs;
    SystemFileLookup m_files;
    ImmediateProgramEnd m_programEnd;
    HandlerGuard m_guard;
    std::unique_ptr<Registry> m_registry;
    Services m_services;
};

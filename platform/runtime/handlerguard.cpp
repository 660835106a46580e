#include "runtime/handlerguard.h"

#include "runtime/messageboxes.h"

#include <cstdio>
#include <cstdlib>

void ImmediateProgramEnd::end(int exitStatus)
{
    std::fflush(nullptr);
    std::_Exit(exitStatus);
}

HandlerGuard::HandlerGuard(MessageBoxes &messages, ProgramEnd &programEnd)
    : m_messages(messages)
    , m_programEnd(programEnd)
{
}

void HandlerGuard::endWith(QWidget *window, const RuntimeError &error) noexcept
{
    try {
        m_messages.show(window, error.message(), MessageStyle::Critical);
    } catch (...) {
        // The program ends either way; the report is all that could not be shown.
        std::fputs(error.what(), stderr);
        std::fputc('\n', stderr);
    }
    m_programEnd.end(ExitStatusAfterRuntimeError);
}

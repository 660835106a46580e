#pragma once

#include "runtime/runtimeerror.h"

#include <QObject>

#include <exception>
#include <new>
#include <utility>

class MessageBoxes;
class QWidget;

// How the program ends after an error that nothing caught.
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int exitStatus) = 0;
};

// Ends the process at once, as the runtime does: no further handler may run, and open windows
// must not get the chance to act on a half-finished step.
class ImmediateProgramEnd final : public ProgramEnd
{
public:
    void end(int exitStatus) override;
};

// Every handler is called through here, so that no exception crosses Qt's event loop. A
// run-time error that the handler did not catch is reported with the runtime's message, and
// then the program ends with a non-zero exit status.
class HandlerGuard
{
public:
    static constexpr int ExitStatusAfterRuntimeError = 1;

    HandlerGuard(MessageBoxes &messages, ProgramEnd &programEnd);

    template<typename Handler>
    void run(QWidget *window, Handler &&handler) noexcept
    {
        try {
            std::forward<Handler>(handler)();
        } catch (const RuntimeError &error) {
            endWith(window, error);
        } catch (const std::bad_alloc &) {
            endWith(window, RuntimeError::outOfMemory());
        } catch (...) {
            endWith(window, RuntimeError::internalError());
        }
    }

private:
    void endWith(QWidget *window, const RuntimeError &error) noexcept;

    MessageBoxes &m_messages;
    ProgramEnd &m_programEnd;
};

// connect() for a form's handler: the design's handler name stays visible at the call site,
// and the call goes through the guard.
template<typename Sender, typename Signal, typename Form>
QMetaObject::Connection connectHandler(HandlerGuard &guard, const Sender *sender, Signal signal,
                                       Form *form, void (Form::*handler)())
{
    return QObject::connect(sender, signal, form, [&guard, form, handler] {
        guard.run(form, [form, handler] { (form->*handler)(); });
    });
}

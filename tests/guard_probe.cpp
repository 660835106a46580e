// A program whose only handler raises a run-time error from inside the event loop, with the
// real way of ending the program. The report goes to standard output instead of a message box,
// so that a test can read it.

#include "runtime/handlerguard.h"
#include "printedmessageboxes.h"
#include "runtime/runtimeerror.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class Form : public QWidget
{
public:
    void Failing_Timer() { throw RuntimeError::typeMismatch(); }
    void Later_Timer() { std::printf("a handler ran after the error\n"); }
};

// An orderly end would run this; the immediate end must not.
void atOrderlyExit()
{
    std::printf("an exit handler ran\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::atexit(atOrderlyExit);
    PrintedMessageBoxes messages(QStringLiteral("Probe"));
    ImmediateProgramEnd programEnd;
    HandlerGuard guard(messages, programEnd);

    Form form;
    QTimer failing;
    QTimer later;
    failing.setSingleShot(true);
    later.setSingleShot(true);
    connectHandler(guard, &failing, &QTimer::timeout, &form, &Form::Failing_Timer);
    connectHandler(guard, &later, &QTimer::timeout, &form, &Form::Later_Timer);
    failing.start(0);
    later.start(200);
    QApplication::exec();
    std::printf("the event loop returned normally\n");
    return 0;
}

// The guard is the last line of defence: an error that nothing caught must be reported with
// the runtime's words and end the program, and no exception may ever reach Qt's event loop.

#include "fakeservices.h"
#include "runtime/handlerguard.h"
#include "runtime/runtimeerror.h"
#include "testmain.h"

#include <QProcess>
#include <QTimer>

#include <new>
#include <stdexcept>

class HandlerGuardTest : public QObject
{
    Q_OBJECT

private slots:
    void reportsUncaughtErrorsAndEndsTheProgram_data();
    void reportsUncaughtErrorsAndEndsTheProgram();
    void aHandlerThatSucceedsEndsNothing();
    void connectedHandlersRunThroughTheGuard();
    void theRealEndStopsTheProcessAtOnce();
};

void HandlerGuardTest::reportsUncaughtErrorsAndEndsTheProgram_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");

    QTest::newRow("type mismatch") << 0 << "Run-time error '13':\n\nType mismatch";
    QTest::newRow("file not found") << 1 << "Run-time error '53':\n\nFile not found";
    QTest::newRow("out of memory") << 2 << "Run-time error '7':\n\nOut of memory";
    QTest::newRow("anything else") << 3 << "Run-time error '51':\n\nInternal error";
}

void HandlerGuardTest::reportsUncaughtErrorsAndEndsTheProgram()
{
    QFETCH(int, kind);
    QFETCH(QString, message);

    // GIVEN a handler that fails
    FakeServices fakes(QStringLiteral("Velmora"));
    QWidget window;
    const auto failing = [kind] {
        switch (kind) {
        case 0:
            throw RuntimeError::typeMismatch();
        case 1:
            throw RuntimeError::fileNotFound();
        case 2:
            throw std::bad_alloc();
        default:
            throw std::logic_error("unexpected");
        }
    };

    // WHEN it runs through the guard
    fakes.guard.run(&window, failing);

    // THEN the runtime's message shows once, over the window, under the program's title
    QCOMPARE(fakes.messages.shown.size(), 1);
    const auto &shown = fakes.messages.shown.first();
    QCOMPARE(shown.prompt, message);
    QCOMPARE(shown.title, QStringLiteral("Velmora"));
    QCOMPARE(shown.style, MessageStyle::Critical);
    QCOMPARE(shown.parent, &window);
    // AND the program ends with a non-zero status
    QCOMPARE(fakes.programEnd.endings.size(), 1);
    QVERIFY(fakes.programEnd.endings.first() != 0);
}

void HandlerGuardTest::aHandlerThatSucceedsEndsNothing()
{
    FakeServices fakes(QStringLiteral("Velmora"));
    bool ran = false;

    fakes.guard.run(nullptr, [&ran] { ran = true; });

    QVERIFY(ran);
    QVERIFY(fakes.messages.shown.isEmpty());
    QVERIFY(fakes.programEnd.endings.isEmpty());
}

namespace {
class Form : public QWidget
{
public:
    void Timer1_Timer() { throw RuntimeError::overflow(); }
};
} // namespace

void HandlerGuardTest::connectedHandlersRunThroughTheGuard()
{
    // GIVEN a handler wired to a timer, as the forms wire theirs
    FakeServices fakes(QStringLiteral("Velmora"));
    Form form;
    QTimer timer;
    connectHandler(fakes.guard, &timer, &QTimer::timeout, &form, &Form::Timer1_Timer);

    // WHEN the timer fires inside the event loop
    timer.setSingleShot(true);
    timer.start(0);

    // THEN the error is reported instead of escaping into the loop
    QTRY_COMPARE(fakes.programEnd.endings.size(), 1);
    QCOMPARE(
        fakes.messages.shown.first().prompt, QStringLiteral("Run-time error '6':\n\nOverflow"));
}

void HandlerGuardTest::theRealEndStopsTheProcessAtOnce()
{
    QProcess probe;
    probe.start(QStringLiteral(GUARD_PROBE_PATH), {});
    QVERIFY(probe.waitForFinished(20000));
    // A Windows program's standard output ends its lines with CR LF.
    const QString output = QString::fromLocal8Bit(probe.readAllStandardOutput())
                               .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QVERIFY(probe.exitCode() != 0);
    QVERIFY2(output.contains(QStringLiteral("[Probe] (16) Run-time error '13':\n\nType mismatch")),
        qPrintable(output));
    // Nothing runs after the report: no later handler, no orderly return from the loop, no
    // exit handler.
    QVERIFY2(!output.contains(QStringLiteral("after the error")), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("returned normally")), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("exit handler")), qPrintable(output));
}

PROGRAM_TEST_MAIN(HandlerGuardTest, "Velmora", velmoraCaptions)
#include "tst_handlerguard.moc"

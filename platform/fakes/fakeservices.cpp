#include "fakeservices.h"

QDateTime FakeClock::now()
{
    ++m_readings;
    return m_now;
}

void FakeMessageBoxes::present(QWidget *parent, const QString &prompt, MessageStyle style,
                               const QString &title)
{
    shown.append({ prompt, style, title, parent });
    if (whileOpen)
        whileOpen(shown.last());
}

StartResult FakeProgramStarter::start(const QString &program, const QStringList &arguments,
                                      WindowStyle style)
{
    asked.append({ program, arguments, style });
    return answer;
}

QString FakeFileLookup::firstMatch(const QString &path)
{
    asked.append(path);
    return answers.value(path);
}

FakeServices::FakeServices(const QString &programTitle)
    : messages(programTitle)
    , guard(messages, programEnd)
    , m_services { clock, messages, programs, files, guard }
{
}

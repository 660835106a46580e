#include "fakeservices.h"

#include <QTimer>

#include <utility>

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

StartResult FakeProgramStarter::start(const QString &program)
{
    asked.append(program);
    return answer;
}

StartResult FakeProgramStarter::startWatched(const QString &program, std::chrono::milliseconds,
                                             EarlyEndHandler watched)
{
    const StartResult result = start(program);
    if (!result.started)
        return result;
    if (holdWatch)
        held = std::move(watched);
    else
        QTimer::singleShot(0, [watched = std::move(watched), end = watchAnswer] { watched(end); });
    return result;
}

QString FakeFileLookup::firstMatch(const QString &path)
{
    asked.append(path);
    return answers.value(path);
}

RegistryResult FakeRegistry::openKey(RegistryKey root, const std::u16string &path,
                                     RegistryKey &key)
{
    const RegistryResult result = m_store.openKey(root, path, key);
    opens.append({ root, path, result, result == RegistryError::success ? key : 0 });
    return result;
}

RegistryResult FakeRegistry::queryValue(RegistryKey key, const std::u16string &name,
                                        std::uint32_t &type, unsigned char *buffer,
                                        std::uint32_t &size)
{
    queries.append(name);
    return m_store.queryValue(key, name, type, buffer, size);
}

RegistryResult FakeRegistry::closeKey(RegistryKey key)
{
    closes.append(key);
    return m_store.closeKey(key);
}

void FakeRegistry::set(const std::u16string &keyPath, const std::u16string &name,
                       std::uint32_t type, const std::vector<unsigned char> &data)
{
    // hex(<type>): writes any type's bytes as they are.
    QString quotedName = QString::fromStdU16String(name);
    quotedName.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    QByteArray bytes;
    for (const unsigned char byte : data)
        bytes += (bytes.isEmpty() ? "" : ",") + QByteArray::number(byte, 16).rightJustified(2, '0');
    m_file += '[' + QString::fromStdU16String(keyPath).toUtf8() + "]\r\n\"" + quotedName.toUtf8()
        + "\"=hex(" + QByteArray::number(type, 16) + "):" + bytes + "\r\n";
    m_store = RegistryStore(m_file);
}

FakeServices::FakeServices(const QString &programTitle)
    : messages(programTitle)
    , guard(messages, programEnd)
    , m_services { clock, messages, programs, files, guard, registry }
{
}

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

StartResult FakeProgramStarter::start(const QString &program)
{
    asked.append(program);
    return answer;
}

QString FakeFileLookup::firstMatch(const QString &path)
{
    asked.append(path);
    return answers.value(path);
}

RegistryResult FakeRegistry::openKey(RegistryKey root, const std::u16string &path,
                                     RegistryKey &key)
{
    const RegistryResult result = store.openKey(root, path, key);
    opens.append({ root, path, result, result == RegistryError::success ? key : 0 });
    return result;
}

RegistryResult FakeRegistry::queryValue(RegistryKey key, const std::u16string &name,
                                        std::uint32_t &type, unsigned char *buffer,
                                        std::uint32_t &size)
{
    queries.append(name);
    return store.queryValue(key, name, type, buffer, size);
}

RegistryResult FakeRegistry::closeKey(RegistryKey key)
{
    closes.append(key);
    return store.closeKey(key);
}

void FakeRegistry::set(const std::u16string &keyPath, const std::u16string &name,
                       std::uint32_t type, std::vector<unsigned char> data)
{
    store.setValue(keyPath, name, { type, std::move(data) });
}

FakeServices::FakeServices(const QString &programTitle)
    : messages(programTitle)
    , guard(messages, programEnd)
    , m_services { clock, messages, programs, files, guard, registry }
{
}

#pragma once

#include "registry/registrystore.h"
#include "runtime/services.h"

#include <QDateTime>
#include <QHash>
#include <QList>

#include <functional>

// Test doubles: each records what it was asked and answers at once.

class FakeClock final : public Clock
{
public:
    QDateTime now() override;

    void set(const QDateTime &now) { m_now = now; }
    int readings() const { return m_readings; }

private:
    QDateTime m_now { QDate(2026, 12, 7), QTime(20, 5, 9) };
    int m_readings = 0;
};

class FakeMessageBoxes final : public MessageBoxes
{
public:
    struct Shown
    {
        QString prompt;
        MessageStyle style;
        QString title;
        QWidget *parent;
    };

    using MessageBoxes::MessageBoxes;

    QList<Shown> shown;
    // Runs while the box is "open", as a modal box lets other events run.
    std::function<void(const Shown &)> whileOpen;

protected:
    void present(QWidget *parent, const QString &prompt, MessageStyle style,
                 const QString &title) override;
};

class FakeProgramStarter final : public ProgramStarter
{
public:
    StartResult start(const QString &program) override;
    // Starts as start() does; once started, tells watchAnswer from the event loop, or with
    // holdWatch keeps the handler, as a watch that is not over yet does.
    StartResult startWatched(const QString &program, std::chrono::milliseconds watch,
                             EarlyEndHandler watched) override;

    QStringList asked; // every program asked for, whether it started or not
    StartResult answer { true, {} };
    EarlyEnd watchAnswer;
    bool holdWatch = false;
    EarlyEndHandler held;
};

class FakeFileLookup final : public FileLookup
{
public:
    QString firstMatch(const QString &path) override;

    QStringList asked;
    QHash<QString, QString> answers; // path -> file name; unknown paths find nothing
};

class FakeProgramEnd final : public ProgramEnd
{
public:
    void end(int exitStatus) override { endings.append(exitStatus); }

    QList<int> endings;
};

// A registry of typed values set by the test; it records every call and answers as the
// system's registry would. The values are written as an export file's lines and read by the
// store that reads such files, on every platform.
class FakeRegistry final : public Registry
{
public:
    struct Opened
    {
        RegistryKey root;
        std::u16string path;
        RegistryResult result;
        RegistryKey key; // 0 when not opened
    };

    RegistryResult openKey(RegistryKey root, const std::u16string &path,
                           RegistryKey &key) override;
    RegistryResult queryValue(RegistryKey key, const std::u16string &name, std::uint32_t &type,
                              unsigned char *buffer, std::uint32_t &size) override;
    RegistryResult closeKey(RegistryKey key) override;

    // keyPath from the root's name, as "HKEY_LOCAL_MACHINE\SOFTWARE\...".
    void set(const std::u16string &keyPath, const std::u16string &name, std::uint32_t type,
             const std::vector<unsigned char> &data);

    QList<Opened> opens;
    QList<std::u16string> queries;
    QList<RegistryKey> closes;

private:
    QByteArray m_file = "Windows Registry Editor Version 5.00\r\n";
    RegistryStore m_store { m_file };
};

// A full set of doubles, wired the way SystemServices wires the real ones.
class FakeServices
{
public:
    explicit FakeServices(const QString &programTitle);
    FakeServices(const FakeServices &) = delete;
    FakeServices &operator=(const FakeServices &) = delete;

    Services &services() { return m_services; }

    FakeClock clock;
    FakeMessageBoxes messages;
    FakeProgramStarter programs;
    FakeFileLookup files;
    FakeProgramEnd programEnd;
    HandlerGuard guard;
    FakeRegistry registry;

private:
    Services m_services;
};

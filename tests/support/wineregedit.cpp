#include "wineregedit.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

// Every key a file of the table writes to, removed before the next file is imported.
const QByteArray cleanUp = "Windows Registry Editor Version 5.00\r\n\r\n"
                           "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]\r\n"
                           "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Tools]x]\r\n"
                           "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Next]\r\n"
                           "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"
                           "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared Tools]\r\n"
                           "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Shared Tools Location]\r\n";

// Runs Wine with the arguments in the folder; its output, or nothing when it did not run.
std::optional<QByteArray> wine(const QString &prefix, const QString &folder,
                               const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), prefix);
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("wine"), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return process.readAll();
}

QString utf16Text(const QByteArray &data)
{
    QString text(reinterpret_cast<const QChar *>(data.constData()), data.size() / 2);
    return text.left(text.indexOf(QChar(u'\0')));
}

} // namespace

WineRegedit::WineRegedit(const QString &prefix)
    : m_prefix(prefix)
{
}

std::optional<WineRegedit> WineRegedit::fromEnvironment()
{
    const QString prefix = qEnvironmentVariable("VELMORA_REGEDIT_PREFIX");
    if (prefix.isEmpty())
        return std::nullopt;
    return WineRegedit(prefix);
}

std::optional<QString> WineRegedit::imported(const QByteArray &file, const QString &key,
                                             const QString &name) const
{
    QTemporaryDir folder;
    QFile clean(folder.filePath(QStringLiteral("clean.reg")));
    QFile row(folder.filePath(QStringLiteral("row.reg")));
    if (!clean.open(QIODevice::WriteOnly) || clean.write(cleanUp) < 0
        || !row.open(QIODevice::WriteOnly) || row.write(file) < 0)
        return std::nullopt;
    clean.close();
    row.close();
    if (!wine(m_prefix, folder.path(), { "regedit", "/s", "clean.reg", "row.reg" }))
        return std::nullopt;
    QStringList query { "reg", "query", "HKEY_LOCAL_MACHINE\\" + key };
    query << (name.isEmpty() ? QStringList { "/ve" } : QStringList { "/v", name });
    const std::optional<QByteArray> shown = wine(m_prefix, folder.path(), query);
    if (!shown)
        return std::nullopt;
    const QString output = QString::fromLatin1(*shown);
    if (output.contains(QStringLiteral("registry key")))
        return QStringLiteral("no key");
    if (output.contains(QStringLiteral("registry value"))
        || output.contains(QStringLiteral("(value not set)")))
        return QStringLiteral("no value");
    static const QRegularExpression line(QStringLiteral("^    .*    (REG_\\w+)    ([^\\r\\n]*)"),
                                         QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(output);
    if (!match.hasMatch())
        return output;
    return match.captured(1) + QStringLiteral("    ") + match.captured(2);
}

QString regQueryForm(int type, const QByteArray &data)
{
    switch (type) {
    case -2:
        return QStringLiteral("no key");
    case -1:
        return QStringLiteral("no value");
    case 0:
        return QStringLiteral("REG_NONE    ") + QString::fromLatin1(data.toHex().toUpper());
    case 3:
        return QStringLiteral("REG_BINARY    ") + QString::fromLatin1(data.toHex().toUpper());
    case 4:
        if (data.size() != 4)
            return {};
        return QStringLiteral("REG_DWORD    0x")
            + QString::number(qFromLittleEndian<quint32>(data.constData()), 16);
    case 1:
    case 2: {
        const QString text = utf16Text(data);
        for (const QChar c : text) {
            if (c.unicode() < 0x20 || c.unicode() > 0x7E)
                return {};
        }
        return (type == 1 ? QStringLiteral("REG_SZ    ") : QStringLiteral("REG_EXPAND_SZ    "))
            + text;
    }
    default:
        return {};
    }
}

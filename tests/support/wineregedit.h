#pragma once

// Wine's regedit, a peer of the Windows registry editor that runs here: what its import makes of
// a registry file, read back with Wine's reg. Each file costs two starts of Wine, so the tests
// ask for it only when told which Wine prefix to use.

#include <QByteArray>
#include <QString>

#include <optional>

class WineRegedit
{
public:
    // The prefix named by VELMORA_REGEDIT_PREFIX, made by Wine on first use; nothing when the
    // variable is unset.
    static std::optional<WineRegedit> fromEnvironment();

    // Imports the file, after removing every key an earlier file may have left, and reads the
    // value name (empty: the default value) of HKEY_LOCAL_MACHINE\key as reg shows it: "no
    // key", "no value", or its type and data, "REG_SZ    text". Nothing when Wine could not run.
    std::optional<QString> imported(const QByteArray &file, const QString &key,
                                     const QString &name) const;

private:
    explicit WineRegedit(const QString &prefix);

    QString m_prefix;
};

// A value as reg shows it, for a value of the table: its type (-2 no key, -1 no value) and data.
// Empty for a value that reg cannot show faithfully: a type it does not name, or text beyond
// ASCII, which it writes in the console's code page.
QString regQueryForm(int type, const QByteArray &data);

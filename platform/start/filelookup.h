#pragma once

#include <QString>

// Looks up normal files (not folders, not hidden or system files). The file name part of the
// path may hold wildcards; the answer is the name of the first match, or the empty text.
class FileLookup
{
public:
    virtual ~FileLookup() = default;
    virtual QString firstMatch(const QString &path) = 0;
};

class SystemFileLookup final : public FileLookup
{
public:
    QString firstMatch(const QString &path) override;
};

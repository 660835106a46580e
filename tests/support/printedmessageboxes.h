#pragma once

#include "runtime/messageboxes.h"

#include <cstdio>

// For probe programs that a test starts: what a message box would show goes to standard output
// as "[title] (style) prompt", so the test can read it and no box waits for a user.
class PrintedMessageBoxes final : public MessageBoxes
{
public:
    using MessageBoxes::MessageBoxes;

protected:
    void present(QWidget *, const QString &prompt, MessageStyle style,
                 const QString &title) override
    {
        std::printf("[%s] (%d) %s\n", qPrintable(title), static_cast<int>(style),
                    qPrintable(prompt));
        std::fflush(stdout);
    }
};

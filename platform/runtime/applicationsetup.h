#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// What both programs do before their first window: their identity for the system, the form
// runtime's default font and its keyboard habits.
void setUpApplication(QApplication &app, const QString &programTitle);
// The same, with the stand-in fonts looked for in the given folders only.
void setUpApplication(QApplication &app, const QString &programTitle,
                      const QStringList &fontFolders);

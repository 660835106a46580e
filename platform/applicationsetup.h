#pragma once

#include <QString>

class QApplication;

// What both programs do before their first window: their identity for the system, and the
// form runtime's default font.
void setUpApplication(QApplication &app, const QString &programTitle);

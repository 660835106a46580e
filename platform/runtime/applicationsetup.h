#pragma once

#include <QString>

class QApplication;

// What both programs do before their first window: their identity for the system, the form
// runtime's default font and its keyboard habits.
void setUpApplication(QApplication &app, const QString &programTitle);

#pragma once

#include "look/designfonts.h"

#include <QString>

#include <span>

class QApplication;

// What both programs do before their first window: their identity for the system, the form
// runtime's default font, chosen by the program's widest captions, and its keyboard habits.
void setUpApplication(QApplication &app, const QString &programTitle,
                      std::span<const CaptionSample> widestCaptions);

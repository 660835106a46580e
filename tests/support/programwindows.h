#pragma once

#include "look/designfonts.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;
class Services;

// Every window of both programs, for the checks that hold on each of them. Another window joins
// all of those checks as one more entry in programwindows.cpp.
struct ProgramWindow
{
    QString name;
    std::function<QWidget *(Services &)> open;
    std::span<const CaptionSample> captions; // of the program the window belongs to
};

// In a fixed order, the countdown's main window first.
const std::vector<ProgramWindow> &programWindows();

// Opens the window of that name on the given services and shows it.
QWidget *showProgramWindow(const QString &name, Services &services);

// Deletes every window a test left open. Closed windows delete themselves later, so those
// deletions run first; menus belong to their window and go with it.
void deleteAllWindows();

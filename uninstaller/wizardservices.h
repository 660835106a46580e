#pragma once

#include "runtime/handlerguard.h"
#include "runtime/messageboxes.h"
#include "start/programstarter.h"

// What the wizard needs of the world outside the process: message boxes, the start of its script
// and the guard of its handlers. It reads no clock, looks up no file and opens no registry.
struct WizardServices
{
    MessageBoxes &messages;
    ProgramStarter &programs;
    HandlerGuard &guard;
};

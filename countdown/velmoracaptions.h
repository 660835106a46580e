#pragma once

#include "look/designfonts.h"

// Velmora's captions that run widest in faces other than the design's: the longest sentence the
// clock writes, the two captions of mostly lower-case letters, and the widest month name of the
// languages it speaks, which the clock panel's month label shows.
inline constexpr CaptionSample velmoraCaptions[] = {
    { u"The current time is: September, 30 2026 at 12:59 PM", 250.0, 258.4, 291.9 },
    { u"I will tell you what you probably already know!", 214.0, 226.9, 260.1 },
    { u"^^ Current hour in AM/PM format.", 159.0, 169.2, 193.4 },
    { u"septiembre", 51.0, 53.7, 62.2 },
};

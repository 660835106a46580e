#pragma once

#include "look/designfonts.h"

// The wizard's captions that run widest in faces other than the design's: its two answers,
// which must each fit their button.
inline constexpr CaptionSample wizardCaptions[] = {
    { u"NO! Your programs are great and I want to keep them all", 266.0, 278.4, 314.6 },
    { u"YES! get your crap off of my computer", 179.0, 186.6, 209.8 },
};

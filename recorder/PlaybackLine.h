#pragma once
// Choosing the output line the recorder's windows play on.

#include "platform/audio/AudioPlayer2.h"

// Selects the player's first wave line, or line 0 when none is a wave
// line, and answers it; -1 (nothing selected) when the player has no line.
int PickWaveLine(TAudioPlayer2& player);

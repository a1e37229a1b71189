#include "recorder/PlaybackLine.h"

int PickWaveLine(TAudioPlayer2& player) {
  // The line count is the highest line index, as for the recorders.
  const int highest = player.LineCount();
  if (highest < 0) return -1;
  int chosen = 0;
  for (int line = 0; line <= highest; ++line) {
    player.SetLine(line);
    if (player.LineIsWave()) {
      chosen = line;
      break;
    }
  }
  player.SetLine(chosen);
  return chosen;
}

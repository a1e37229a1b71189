#pragma once
// Looks at a window after each position report of its player, as the
// report lands: on a loaded machine a short stretch of playback may pass
// between two looks of a test's pump, so a state that lasts only that
// long is seen here or not at all.

#include <functional>
#include <memory>

#include "platform/audio/AudioPlayer2.h"

// The returned flag turns true after the first report at which `seen`
// holds; the window's own handling of the report runs first.
inline std::shared_ptr<bool> SeenAtATick(TAudioPlayer2& player, std::function<bool()> seen) {
  auto flag = std::make_shared<bool>(false);
  player.OnTimer = [tick = player.OnTimer, seen = std::move(seen), flag](TObject* sender, int current, int left,
                                                                       int right) {
    if (tick) tick(sender, current, left, right);
    if (!*flag && seen()) *flag = true;
  };
  return flag;
}

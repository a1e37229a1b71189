#include "platform/audio/FfmpegSetup.h"

#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

namespace detail {

void EnsureCodecLibrariesReady() {
  static std::once_flag once;
  // The libraries would otherwise print to stderr for every damaged frame.
  std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

}  // namespace detail

#pragma once
// One-time set-up of the codec libraries, safe to call from any thread.

namespace detail {
void EnsureCodecLibrariesReady();
}

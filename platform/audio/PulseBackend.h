#pragma once
// The backend over the sound server's native protocol.

#include <memory>

#include "platform/audio/AudioDevices.h"

namespace detail {

// Connects to the server named by the environment (PULSE_SERVER, or the
// user's default); null when it does not answer within the timeout.
std::shared_ptr<AudioBackend> ConnectPulseBackend(int timeoutMs);

}  // namespace detail

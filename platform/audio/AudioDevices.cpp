#include "platform/audio/AudioDevices.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>

#include "platform/audio/PulseBackend.h"
#include "platform/audio/VirtualBackend.h"

namespace detail {
namespace {

constexpr int kConnectTimeoutMs = 1500;
// After the server failed to answer, the virtual devices are used without
// asking again for a while, so creating components stays quick.
constexpr auto kRetryServerAfter = std::chrono::seconds(10);

std::string EnvironmentValue(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

}  // namespace

std::shared_ptr<AudioBackend> AcquireAudioBackend() {
  static std::mutex mutex;
  static std::weak_ptr<AudioBackend> shared;
  static std::string sharedKey;
  static std::string failedKey;
  static std::chrono::steady_clock::time_point failedAt;

  const std::string mode = EnvironmentValue("VELMORA_AUDIO");
  const std::string key = mode + "|" + EnvironmentValue("PULSE_SERVER");
  std::lock_guard lock(mutex);
  if (auto backend = shared.lock(); backend && sharedKey == key && backend->Healthy()) return backend;

  std::shared_ptr<AudioBackend> backend;
  const bool serverFailedLately =
      failedKey == key && std::chrono::steady_clock::now() - failedAt < kRetryServerAfter;
  if (mode != "virtual" && !serverFailedLately) {
    backend = ConnectPulseBackend(kConnectTimeoutMs);
    if (!backend) {
      failedKey = key;
      failedAt = std::chrono::steady_clock::now();
    }
  }
  if (!backend) backend = CreateVirtualBackend();
  shared = backend;
  sharedKey = key;
  return backend;
}

int ServerVolumeToComponent(std::uint32_t serverVolume, std::uint32_t serverNorm) {
  const std::uint64_t scaled = (static_cast<std::uint64_t>(serverVolume) * 65535 + serverNorm / 2) / serverNorm;
  return static_cast<int>(std::min<std::uint64_t>(scaled, 65535));
}

std::uint32_t ComponentVolumeToServer(int volume, std::uint32_t serverNorm) {
  const auto v = static_cast<std::uint64_t>(std::clamp(volume, 0, 65535));
  return static_cast<std::uint32_t>((v * serverNorm + 32767) / 65535);
}

}  // namespace detail

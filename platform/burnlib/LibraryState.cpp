#include "platform/burnlib/LibraryState.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include <libburn/libburn.h>

using namespace burn;

namespace burnlib {

State& TheState() {
  static State state;
  return state;
}

Callbacks CallbacksNow() {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.callbackMutex);
  return s.callbacks;
}

std::int32_t CopyOut(const std::string& text, char* buffer, std::int32_t* length) {
  if (!buffer || !length || *length <= 0) return foxabi::kErrInvalidArgument;
  if (static_cast<std::int64_t>(text.size()) + 1 > *length) return foxabi::kErrBufferTooSmall;
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  *length = static_cast<std::int32_t>(text.size() + 1);
  return foxabi::kOk;
}

void DropProject(State& s) {
  for (const AudioTrack& track : s.project.tracks) std::remove(track.cdAudio.c_str());
  if (s.project.prepared) burn_source_free(s.project.prepared);
  s.project = Project{};
}

void ReleaseDrive(State& s, bool eject) {
  if (!s.grabbed) return;
  burn_drive_release(s.grabbed[0].drive, eject ? 1 : 0);
  burn_drive_info_free(s.grabbed);
  s.grabbed = nullptr;
}

void JoinWorker(State& s) {
  if (!s.worker.joinable()) return;
  // A callback running on the worker may call back in; it cannot wait for itself.
  if (s.worker.get_id() == std::this_thread::get_id()) s.worker.detach();
  else s.worker.join();
}

}  // namespace burnlib

#pragma once
// The state behind the entry points: one library per process. Every entry
// point takes the lock; the worker thread of a burn or erase takes it only
// to read the callbacks.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/burnlib/Callbacks.h"
#include "platform/burnlib/DataImage.h"
#include "platform/burnlib/Devices.h"
#include "platform/burnlib/FoxBurnerAbi.h"


#define FOXAPI extern "C" __attribute__((visibility("default")))

namespace burn {
struct burn_drive;
struct burn_drive_info;
struct burn_source;
}

namespace burnlib {

struct AudioTrack {
  std::string source;
  std::string cdAudio;  // decoded copy in the work folder
  std::int64_t bytes = 0;
};

struct Project {
  bool exists = false;
  std::uint8_t kind = foxabi::kProjectAudioCd;
  std::vector<AudioTrack> tracks;
  std::shared_ptr<DataImage> data;  // shared with a burn writing further copies
  burn::burn_source* prepared = nullptr;  // data disc stream made by Prepare
  std::uint32_t preparedStart = 0;        // the sector that stream starts at
  bool isPrepared = false;
  std::int64_t preparedBytes = 0;
};

struct State {
  std::mutex mutex;
  bool initialized = false;
  std::string tmpPath;
  std::string workFolder;  // private folder for decoded audio
  std::string language;
  std::string languageFile;
  std::vector<Device> devices;
  const Device* current = nullptr;
  burn::burn_drive_info* grabbed = nullptr;  // the current optical drive
  std::int32_t burnSpeed = 0;  // chosen for the current device, kB/s; 0 = fastest
  std::int32_t readSpeed = 0;
  Project project;
  foxabi::OptionsRecord options{};
  foxabi::IsoInfoRecord isoInfo{};
  foxabi::BootInfoRecord bootInfo{};
  std::mutex callbackMutex;
  Callbacks callbacks;
  std::thread worker;
  std::atomic<bool> busy{false};
  std::atomic<bool> aborted{false};
  std::atomic<bool> stopVerify{false};
};

State& TheState();

// The locked state for an entry point that needs the library initialised.
#define FOX_LOCK_INITIALIZED()                               \
  State& s = TheState();                                     \
  std::lock_guard<std::mutex> lock(s.mutex);                 \
  if (!s.initialized) return foxabi::kErrNotInitialized

// A copy of the registered callbacks.
Callbacks CallbacksNow();

// Copies text into a caller's buffer of *length bytes; *length becomes the
// size used, terminating zero included.
std::int32_t CopyOut(const std::string& text, char* buffer, std::int32_t* length);

// Copies text into a fixed record field, cut to fit with its zero.
template <size_t N>
void CopyField(char (&field)[N], const std::string& text) {
  size_t n = text.size() < N - 1 ? text.size() : N - 1;
  for (size_t i = 0; i < N; ++i) field[i] = i < n ? text[i] : '\0';
}

// A text argument; null reads as empty.
inline std::string Text(const char* text) { return text ? text : ""; }

// Drops the current project with its decoded audio.
void DropProject(State& s);
// Releases the grabbed drive, if any.
void ReleaseDrive(State& s, bool eject);
// Waits for a finished worker thread.
void JoinWorker(State& s);

}  // namespace burnlib

#pragma once
// One running copy per program file name. The guard is an advisory lock
// on a file in the runtime folder; the kernel drops it when the holder
// ends, so a crashed copy never blocks the next one.

#include <string>

class TInstanceLock {
 public:
  TInstanceLock() = default;
  ~TInstanceLock();
  TInstanceLock(const TInstanceLock&) = delete;
  TInstanceLock& operator=(const TInstanceLock&) = delete;

  // Takes the lock named `name`; false when another process holds it.
  // When the lock file cannot be made at all the program may run: the
  // answer is then true.
  bool Acquire(const std::string& name);
  void Release();

 private:
  int fd_ = -1;
};

// Path of the lock file for `name`.
std::string InstanceLockPath(const std::string& name);

// The executable's base name ("Tavrin" for /opt/x/Tavrin).
std::string ProgramBaseName();

// Takes the lock named after the executable for the rest of the process;
// false when another copy of the same file name is running.
bool AcquireSingleInstance();

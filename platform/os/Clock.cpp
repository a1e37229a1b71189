#include "platform/os/Clock.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <thread>

namespace {

class SystemClock : public IClock {
 public:
  std::uint64_t TickCount64() override {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }

  SYSTEMTIME LocalTime() override {
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local {};
    localtime_r(&now.tv_sec, &local);
    SYSTEMTIME time;
    time.wYear = static_cast<WORD>(local.tm_year + 1900);
    time.wMonth = static_cast<WORD>(local.tm_mon + 1);
    time.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    time.wDay = static_cast<WORD>(local.tm_mday);
    time.wHour = static_cast<WORD>(local.tm_hour);
    time.wMinute = static_cast<WORD>(local.tm_min);
    time.wSecond = static_cast<WORD>(local.tm_sec > 59 ? 59 : local.tm_sec);  // leap second
    time.wMilliseconds = static_cast<WORD>(now.tv_nsec / 1000000);
    return time;
  }
};

SystemClock systemClock;
std::atomic<IClock*> currentClock = &systemClock;

}  // namespace

void SetClock(IClock* clock) { currentClock = clock != nullptr ? clock : &systemClock; }

std::uint64_t GetTickCount64() { return currentClock.load()->TickCount64(); }

DWORD GetTickCount() { return static_cast<DWORD>(GetTickCount64()); }

void GetLocalTime(SYSTEMTIME& time) { time = currentClock.load()->LocalTime(); }

void Sleep(DWORD milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

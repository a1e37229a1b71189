#pragma once
// A stand-in burner library for the binding and component tests: every
// entry point records its name and answers as the test sets it up, and
// the test fires the registered callbacks itself.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/burnlib/FoxBurnerAbi.h"

struct FakeControl {
  std::vector<std::string> calls;            // entry point names in call order
  std::map<std::string, std::int32_t> results;  // answer per name, default 0
  std::vector<std::string> devices;          // names GetDevices delivers
  std::int32_t reportedCount = -1;           // count it reports; -1: devices.size()
  std::uint8_t lastLetter = 0;               // of the last SetDevice
  std::uint8_t ready = 1;
  std::uint8_t capabilities[3] = {};
  // Aligned, so tests may bind references to the packed records' fields.
  alignas(8) foxabi::MediumRecord medium{};
  alignas(8) foxabi::OptionsRecord options{};
  alignas(8) foxabi::IsoInfoRecord isoInfo{};
  alignas(8) foxabi::BootInfoRecord bootInfo{};
  std::int32_t infoLevel = -1;
  foxabi::InfoTextCallback infoText = nullptr;
  foxabi::ProcessCallback process = nullptr;
  foxabi::BurnDoneCallback burnDone = nullptr;
  foxabi::EraseDoneCallback eraseDone = nullptr;
  foxabi::VideoScanDoneCallback videoScanDone = nullptr;
  void* user = nullptr;

  int Count(const std::string& name) const {
    int n = 0;
    for (const std::string& c : calls) n += c == name;
    return n;
  }
};

// Exported by the fake: its control block.
extern "C" using FakeControlFn = FakeControl* (*)();

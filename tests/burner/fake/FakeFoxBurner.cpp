// The stand-in burner library (see FakeControl.h). Built twice: complete,
// and without ResetCallbacks to stand for a library that lacks a name.

#include <cstring>

#include "FakeControl.h"

#define FOXFAKE extern "C" __attribute__((visibility("default"))) std::int32_t

namespace {

FakeControl gControl;

std::int32_t Record(const char* name) {
  gControl.calls.push_back(name);
  auto it = gControl.results.find(name);
  return it == gControl.results.end() ? 0 : it->second;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) FakeControl* FakeBurnerControl() { return &gControl; }

// ---- Entry points that hand data over

FOXFAKE GetDevices(char* buffer, std::int32_t* count, std::uint8_t) {
  std::memset(buffer, 0, foxabi::kDeviceBufferSize);
  for (size_t i = 0; i < gControl.devices.size() && i < foxabi::kDeviceSlots; ++i)
    std::strncpy(buffer + i * foxabi::kDeviceNameSize, gControl.devices[i].c_str(), foxabi::kDeviceNameSize - 1);
  *count = gControl.reportedCount >= 0 ? gControl.reportedCount : static_cast<std::int32_t>(gControl.devices.size());
  return Record("GetDevices");
}
FOXFAKE SetDevice(std::uint8_t letter) {
  gControl.lastLetter = letter;
  return Record("SetDevice");
}
FOXFAKE IsDeviceReady(std::uint8_t* ready) {
  *ready = gControl.ready;
  return Record("IsDeviceReady");
}
FOXFAKE GetDeviceCapabilities(std::uint8_t* caps) {
  std::memcpy(caps, gControl.capabilities, 3);
  return Record("GetDeviceCapabilities");
}
FOXFAKE GetMediumInformation(foxabi::MediumRecord* medium) {
  std::int32_t rc = Record("GetMediumInformation");
  if (rc == 0) *medium = gControl.medium;
  return rc;
}
FOXFAKE GetText(std::int32_t code, char* buffer, std::int32_t* length) {
  std::string text = "fake error " + std::to_string(code);
  std::strncpy(buffer, text.c_str(), static_cast<size_t>(*length));
  *length = static_cast<std::int32_t>(text.size() + 1);
  return Record("GetText");
}
FOXFAKE GetOptions(foxabi::OptionsRecord* o) { *o = gControl.options; return Record("GetOptions"); }
FOXFAKE SetOptions(foxabi::OptionsRecord o) { gControl.options = o; return Record("SetOptions"); }
FOXFAKE GetISOInfoEx(foxabi::IsoInfoRecord* i) { *i = gControl.isoInfo; return Record("GetISOInfoEx"); }
FOXFAKE SetISOInfoEx(foxabi::IsoInfoRecord i) { gControl.isoInfo = i; return Record("SetISOInfoEx"); }
FOXFAKE GetBootInfoEx(foxabi::BootInfoRecord* b) { *b = gControl.bootInfo; return Record("GetBootInfoEx"); }
FOXFAKE SetBootInfoEx(foxabi::BootInfoRecord b) { gControl.bootInfo = b; return Record("SetBootInfoEx"); }

// ---- Callbacks the tests fire

FOXFAKE SetInfoTextEventCallback(foxabi::InfoTextCallback fn, std::int32_t level, void* user) {
  gControl.infoText = fn;
  gControl.infoLevel = level;
  gControl.user = user;
  return Record("SetInfoTextEventCallback");
}
FOXFAKE SetProcessEventCallback(foxabi::ProcessCallback fn, void*) {
  gControl.process = fn;
  return Record("SetProcessEventCallback");
}
FOXFAKE SetBurnDoneEventCallback(foxabi::BurnDoneCallback fn, void*) {
  gControl.burnDone = fn;
  return Record("SetBurnDoneEventCallback");
}
FOXFAKE SetEraseDoneEventCallback(foxabi::EraseDoneCallback fn, void*) {
  gControl.eraseDone = fn;
  return Record("SetEraseDoneEventCallback");
}
FOXFAKE SetVideoScanDoneEventCallback(foxabi::VideoScanDoneCallback fn, void*) {
  gControl.videoScanDone = fn;
  return Record("SetVideoScanDoneEventCallback");
}
#ifndef FAKE_WITHOUT_RESET_CALLBACKS
FOXFAKE ResetCallbacks() {
  gControl.infoText = nullptr;
  gControl.process = nullptr;
  gControl.burnDone = nullptr;
  gControl.eraseDone = nullptr;
  gControl.videoScanDone = nullptr;
  return Record("ResetCallbacks");
}
#endif

// ---- Everything else only records the call
FOXFAKE Initialize(std::uint8_t /*useInternalAspi*/) { return Record("Initialize"); }
FOXFAKE DeInitialize() { return Record("DeInitialize"); }
FOXFAKE SetASPI(std::uint8_t /*internal*/) { return Record("SetASPI"); }
FOXFAKE SetTmpPath(const char* /*path*/) { return Record("SetTmpPath"); }
FOXFAKE GetTmpPath(char* /*buffer*/, std::int32_t* /*length*/) { return Record("GetTmpPath"); }
FOXFAKE SetLanguage(const char* /*language*/, const char* /*languageFile*/) { return Record("SetLanguage"); }
FOXFAKE GetLanguage(char* /*buffer*/, std::int32_t* /*length*/) { return Record("GetLanguage"); }
FOXFAKE GetDevice(std::uint8_t* /*letter*/) { return Record("GetDevice"); }
FOXFAKE GetDeviceInformation(char* /*buffer*/, std::int32_t* /*length*/) { return Record("GetDeviceInformation"); }
FOXFAKE GetMaxReadSpeed(std::int32_t* /*kbPerSec*/) { return Record("GetMaxReadSpeed"); }
FOXFAKE SetReadSpeed(std::int32_t /*kbPerSec*/) { return Record("SetReadSpeed"); }
FOXFAKE GetReadSpeed(std::int32_t* /*kbPerSec*/) { return Record("GetReadSpeed"); }
FOXFAKE GetMaxBurnSpeed(std::int32_t* /*kbPerSec*/) { return Record("GetMaxBurnSpeed"); }
FOXFAKE SetBurnSpeed(std::int32_t /*kbPerSec*/) { return Record("SetBurnSpeed"); }
FOXFAKE GetBurnSpeed(std::int32_t* /*kbPerSec*/) { return Record("GetBurnSpeed"); }
FOXFAKE ConvertSpeedFromKBPerSec(std::int32_t /*kbPerSec*/, double* /*factor*/) { return Record("ConvertSpeedFromKBPerSec"); }
FOXFAKE GetPossibleBurnSpeeds(std::int32_t* /*speeds*/, std::int32_t* /*count*/) { return Record("GetPossibleBurnSpeeds"); }
FOXFAKE EjectDevice() { return Record("EjectDevice"); }
FOXFAKE CloseDevice() { return Record("CloseDevice"); }
FOXFAKE Erase(std::uint8_t /*quick*/) { return Record("Erase"); }
FOXFAKE GetSessionInformation(std::int32_t /*session*/, std::int32_t* /*start*/, std::int32_t* /*sectors*/) { return Record("GetSessionInformation"); }
FOXFAKE CloseSession() { return Record("CloseSession"); }
FOXFAKE SaveDeviceSettingsToRegistry() { return Record("SaveDeviceSettingsToRegistry"); }
FOXFAKE SetDeviceSettingsFromRegistry() { return Record("SetDeviceSettingsFromRegistry"); }
FOXFAKE CreateProject(std::uint8_t /*kind*/) { return Record("CreateProject"); }
FOXFAKE DeleteProject() { return Record("DeleteProject"); }
FOXFAKE GetProjectType(std::uint8_t* /*kind*/) { return Record("GetProjectType"); }
FOXFAKE CreateDir(const char* /*path*/) { return Record("CreateDir"); }
FOXFAKE AddDir(const char* /*source*/, const char* /*destination*/) { return Record("AddDir"); }
FOXFAKE RemoveDir(const char* /*path*/) { return Record("RemoveDir"); }
FOXFAKE AddFile(const char* /*source*/, const char* /*destination*/, const char* /*name*/, std::uint8_t /*flag*/, std::uint8_t /*number*/) { return Record("AddFile"); }
FOXFAKE RemoveFile(const char* /*destination*/, const char* /*file*/) { return Record("RemoveFile"); }
FOXFAKE RenameFile(const char* /*destination*/, const char* /*oldName*/, const char* /*newName*/) { return Record("RenameFile"); }
FOXFAKE RenameDir(const char* /*path*/, const char* /*newName*/) { return Record("RenameDir"); }
FOXFAKE ClearAll() { return Record("ClearAll"); }
FOXFAKE StopMpegAction() { return Record("StopMpegAction"); }
FOXFAKE GetMpegCount(std::int32_t* /*count*/) { return Record("GetMpegCount"); }
FOXFAKE EraseMpegByIndex(std::int32_t /*index*/) { return Record("EraseMpegByIndex"); }
FOXFAKE SaveOptionsToRegistry() { return Record("SaveOptionsToRegistry"); }
FOXFAKE SetOptionsFromRegistry() { return Record("SetOptionsFromRegistry"); }
FOXFAKE PrepareISO(const char* /*isoPath*/) { return Record("PrepareISO"); }
FOXFAKE Prepare() { return Record("Prepare"); }
FOXFAKE GetImageSize(double* /*bytes*/) { return Record("GetImageSize"); }
FOXFAKE BuildISO(const char* /*isoPath*/) { return Record("BuildISO"); }
FOXFAKE BurnISO(const char* /*isoPath*/) { return Record("BurnISO"); }
FOXFAKE Burn() { return Record("Burn"); }
FOXFAKE Abort() { return Record("Abort"); }
FOXFAKE StopVerify() { return Record("StopVerify"); }
FOXFAKE SetVerify(std::uint8_t /*verify*/) { return Record("SetVerify"); }
FOXFAKE EraseDialog() { return Record("EraseDialog"); }
FOXFAKE BurnDialog() { return Record("BurnDialog"); }
FOXFAKE GetPlayTime(const char* /*file*/, std::int32_t* /*ms*/) { return Record("GetPlayTime"); }
FOXFAKE PlayAudioFile(const char* /*file*/) { return Record("PlayAudioFile"); }
FOXFAKE AudioFileStop() { return Record("AudioFileStop"); }
FOXFAKE SetFinalizeEventCallback(foxabi::FinalizeCallback /*fn*/, void* /*user*/) { return Record("SetFinalizeEventCallback"); }
FOXFAKE SetAddFileEventCallback(foxabi::AddFileCallback /*fn*/, void* /*user*/) { return Record("SetAddFileEventCallback"); }
FOXFAKE SetCreateDirEventCallback(foxabi::CreateDirCallback /*fn*/, void* /*user*/) { return Record("SetCreateDirEventCallback"); }
FOXFAKE SetRemoveFileEventCallback(foxabi::RemoveFileCallback /*fn*/, void* /*user*/) { return Record("SetRemoveFileEventCallback"); }
FOXFAKE SetAudioDecoderEventCallback(foxabi::AudioDecoderCallback /*fn*/, void* /*user*/) { return Record("SetAudioDecoderEventCallback"); }
FOXFAKE SetAudioDecodeDoneEventCallback(foxabi::AudioDecodeDoneCallback /*fn*/, void* /*user*/) { return Record("SetAudioDecodeDoneEventCallback"); }
FOXFAKE SetVideoScannerEventCallback(foxabi::VideoScannerCallback /*fn*/, void* /*user*/) { return Record("SetVideoScannerEventCallback"); }
FOXFAKE SetStartVerifyEventCallback(foxabi::StartVerifyCallback /*fn*/, void* /*user*/) { return Record("SetStartVerifyEventCallback"); }
FOXFAKE SetVerifyFileEventCallback(foxabi::VerifyFileCallback /*fn*/, void* /*user*/) { return Record("SetVerifyFileEventCallback"); }
FOXFAKE SetVerifyErrorEventCallback(foxabi::VerifyErrorCallback /*fn*/, void* /*user*/) { return Record("SetVerifyErrorEventCallback"); }
FOXFAKE SetVerifyDoneEventCallback(foxabi::VerifyDoneCallback /*fn*/, void* /*user*/) { return Record("SetVerifyDoneEventCallback"); }

#include "burner/FoxBurnerSDKMain.h"

#include <cstring>

#include "burner/FoxBurnerSDKCore.h"
#include "platform/burnlib/FoxBurnerAbi.h"

namespace {

// One active component per process: the library holds one state.
bool gSdkActive = false;

constexpr int kTextBufferSize = 1024;

}  // namespace

TFoxBurnerSDK::TFoxBurnerSDK(TComponent* owner)
    : TComponent(owner),
      options_(std::make_unique<TBurningOptions>(this)),
      isoInfo_(std::make_unique<TISOInfo>(this)),
      bootInfo_(std::make_unique<TBootInfo>(this)) {
  Publish("Active", &TFoxBurnerSDK::Active, &TFoxBurnerSDK::SetActive);
  Publish("UseInternalAspiOnInit", &TFoxBurnerSDK::UseInternalAspiOnInit, &TFoxBurnerSDK::SetUseInternalAspiOnInit);
  Publish("TempPath", &TFoxBurnerSDK::TempPath, &TFoxBurnerSDK::SetTempPath);
  Publish("LanguageFile", &TFoxBurnerSDK::LanguageFile, &TFoxBurnerSDK::SetLanguageFile);
  Publish("Language", &TFoxBurnerSDK::Language, &TFoxBurnerSDK::SetLanguage);
  Publish("InfoTextLevel", &TFoxBurnerSDK::InfoTextLevel, &TFoxBurnerSDK::SetInfoTextLevel);
  PublishOptionProperties();
}

TFoxBurnerSDK::~TFoxBurnerSDK() {
  Destroying();
  alive_.End();
  if (active_) ActivateSdk(false);
}

bool TFoxBurnerSDK::Check(std::int32_t code) {
  lastError_ = code;
  return code == 0;
}

void TFoxBurnerSDK::RequireActive() {
  if (active_) return;
  lastError_ = FOX_ERR_NOT_ACTIVE;
  throw EFoxBurnerSDK("TFoxBurnerSDK must be Active for this function");
}

bool TFoxBurnerSDK::ActivateSdk(bool value) {
  if (!value) {
    UnbindBurnerDll();
    gSdkActive = false;
    active_ = false;
    deviceCount_ = 0;
    currentDevice_ = 0;
    return true;
  }
  if (gSdkActive) throw EFoxBurnerSDK("Only one instance of TFoxBurnerSDK can be active at a time");
  switch (BindBurnerDll(BurnerDllPath())) {
    case BIND_NOT_LOADED: return Check(FOX_ERR_DLL_NOT_FOUND);
    case BIND_ENTRY_MISSING: return Check(FOX_ERR_DLL_STRUCTURE);
    default: break;
  }
  if (!Check(FoxBurnerDll.Initialize(useInternalAspi_ ? 1 : 0))) return false;
  gSdkActive = true;
  active_ = true;
  Check(FoxBurnerDll.SetTmpPath(tempPath_.c_str()));
  if (!languageFile_.empty() && !language_.empty())
    Check(FoxBurnerDll.SetLanguage(language_.c_str(), languageFile_.c_str()));
  RegisterCallbacks();
  PushOptions();
  PushIsoInfo();
  PushBootInfo();
  return true;
}

void TFoxBurnerSDK::SetActive(bool value) {
  lastError_ = 0;
  if (value == active_) return;
  if (IsLoading()) {
    active_ = value;
    return;
  }
  ActivateSdk(value);
}

void TFoxBurnerSDK::Loaded() {
  TComponent::Loaded();
  if (active_) {
    active_ = false;
    ActivateSdk(true);
  }
}

void TFoxBurnerSDK::SetTempPath(const std::string& value) {
  lastError_ = 0;
  if (value == tempPath_) return;
  if (IsLoading() || !active_) {
    tempPath_ = value;
  } else if (Check(FoxBurnerDll.SetTmpPath(value.c_str()))) {
    tempPath_ = value;
  }
}

void TFoxBurnerSDK::SetLanguage(const std::string& value) {
  lastError_ = 0;
  if (value == language_) return;
  language_ = value;
  if (active_ && !IsLoading() && !languageFile_.empty())
    Check(FoxBurnerDll.SetLanguage(language_.c_str(), languageFile_.c_str()));
}

void TFoxBurnerSDK::SetLanguageFile(const std::string& value) {
  lastError_ = 0;
  if (value == languageFile_) return;
  languageFile_ = value;
  language_.clear();
}

void TFoxBurnerSDK::SetOptions(const TBurningOptions* value) {
  lastError_ = 0;
  options_->Assign(value);
}

void TFoxBurnerSDK::SetISOInfo(const TISOInfo* value) {
  lastError_ = 0;
  isoInfo_->Assign(value);
}

void TFoxBurnerSDK::SetBootInfo(const TBootInfo* value) {
  lastError_ = 0;
  bootInfo_->Assign(value);
}

std::string TFoxBurnerSDK::GetLastErrorText() const {
  switch (lastError_) {
    case FOX_ERR_NOT_ACTIVE: return "SDK DLL is not initialized";
    case FOX_ERR_DLL_NOT_FOUND: return "SDK DLL file not found";
    case FOX_ERR_DLL_STRUCTURE: return "Structure error in SDK DLL: functions not found";
    default: break;
  }
  if (!active_) return "";
  char buffer[kTextBufferSize] = {};
  std::int32_t length = kTextBufferSize;
  if (FoxBurnerDll.GetText(lastError_, buffer, &length) != 0) return "";
  // The length counts the terminating zero; a wrong length stays in the buffer.
  if (length < 1 || length > kTextBufferSize) length = static_cast<std::int32_t>(strnlen(buffer, kTextBufferSize - 1)) + 1;
  return std::string(buffer, strnlen(buffer, static_cast<size_t>(length - 1)));
}

std::string TFoxBurnerSDK::DeviceName(int index) const {
  if (index < 1 || index > deviceCount_) throw EFoxBurnerSDK("Devices index out of bounds");
  return devices_[index - 1];
}

bool TFoxBurnerSDK::ClearAll() {
  RequireActive();
  return Check(FoxBurnerDll.ClearAll());
}

bool TFoxBurnerSDK::Prepare() {
  RequireActive();
  return Check(FoxBurnerDll.Prepare());
}

bool TFoxBurnerSDK::Burn() {
  RequireActive();
  return Check(FoxBurnerDll.Burn());
}

bool TFoxBurnerSDK::Abort() {
  RequireActive();
  return Check(FoxBurnerDll.Abort());
}

bool TFoxBurnerSDK::EjectDevice() {
  RequireActive();
  return Check(FoxBurnerDll.EjectDevice());
}

bool TFoxBurnerSDK::CloseDevice() {
  RequireActive();
  return Check(FoxBurnerDll.CloseDevice());
}

bool TFoxBurnerSDK::Erase(bool quick) {
  RequireActive();
  return Check(FoxBurnerDll.Erase(quick ? 1 : 0));
}

bool TFoxBurnerSDK::RefreshDevices(bool rescan) {
  RequireActive();
  char buffer[foxabi::kDeviceBufferSize] = {};
  std::int32_t count = 0;
  bool ok = Check(FoxBurnerDll.GetDevices(buffer, &count, rescan ? 1 : 0));
  if (ok) {
    // The table holds 26 names; a larger count is cut to it.
    deviceCount_ = count < 0 ? 0 : count > kMaxDevices ? kMaxDevices : count;
    for (int i = 0; i < kMaxDevices; ++i) {
      const char* entry = buffer + i * foxabi::kDeviceNameSize;
      devices_[i] = std::string(entry, strnlen(entry, foxabi::kDeviceNameSize));
    }
  }
  currentDevice_ = 0;
  return ok;
}

bool TFoxBurnerSDK::SelectDevice(std::uint8_t letter) {
  if (letter == currentDevice_) {
    lastError_ = 0;
    return true;
  }
  RequireActive();
  capabilities_.fill(false);
  bool ok = Check(FoxBurnerDll.SetDevice(letter));
  if (ok) currentDevice_ = letter;
  return ok;
}

bool TFoxBurnerSDK::IsDeviceReady() {
  RequireActive();
  std::uint8_t ready = 0;
  return Check(FoxBurnerDll.IsDeviceReady(&ready)) && ready != 0;
}

bool TFoxBurnerSDK::ReadDeviceCapabilities() {
  RequireActive();
  std::uint8_t bytes[foxabi::kCapabilityBytes] = {};
  bool ok = Check(FoxBurnerDll.GetDeviceCapabilities(bytes));
  if (ok)
    for (int bit = 0; bit < kCapabilityCount; ++bit) capabilities_[bit] = (bytes[bit / 8] >> (bit % 8)) & 1;
  return ok;
}

bool TFoxBurnerSDK::ReadMediumInfo() {
  RequireActive();
  foxabi::MediumRecord record{};
  if (!Check(FoxBurnerDll.GetMediumInformation(&record))) return false;
  mediumInfo_.MediumText = std::string(record.text, strnlen(record.text, sizeof record.text));
  mediumInfo_.Status = record.status;
  mediumInfo_.Capacity = record.capacity;
  mediumInfo_.Used = record.used;
  mediumInfo_.Free = record.free;
  mediumInfo_.SessionCount = record.sessionCount;
  mediumInfo_.LastSession = record.lastSession;
  mediumInfo_.Further = record.further;
  mediumInfo_.MediumTypeCode = record.typeCode;
  return true;
}

bool TFoxBurnerSDK::CreateBurnProject(std::uint8_t kind) {
  RequireActive();
  bool ok = Check(FoxBurnerDll.CreateProject(kind));
  if (ok) {
    FoxBurnerDll.SetDevice(currentDevice_);
    PushOptions();
  }
  return ok;
}

bool TFoxBurnerSDK::AddProjectFile(const std::string& source, const std::string& destination,
                                   const std::string& name, bool flag, std::uint8_t number) {
  RequireActive();
  return Check(FoxBurnerDll.AddFile(source.c_str(), destination.c_str(), name.c_str(), flag ? 1 : 0, number));
}

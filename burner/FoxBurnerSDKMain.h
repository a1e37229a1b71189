#pragma once
// The burner component: the one way the burner windows reach the burner
// library. It binds and initialises the library while Active, wraps the
// operations the windows use, keeps the last error, pushes the burning
// options, ISO identifiers and boot information whenever they change, and
// raises the library's callbacks as events on the GUI thread.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "burner/FoxBurnerSDKTypes.h"
#include "platform/base/Exceptions.h"
#include "platform/framework/Component.h"
#include "platform/os/Liveness.h"

class TFoxBurnerSDK;

class EFoxBurnerSDK : public Exception {
 public:
  explicit EFoxBurnerSDK(const std::string& message) : Exception(message) {}
};

// Codes of the component itself; other codes come from the library.
constexpr std::int32_t FOX_ERR_NOT_ACTIVE = 4096;
constexpr std::int32_t FOX_ERR_DLL_NOT_FOUND = 4097;
constexpr std::int32_t FOX_ERR_DLL_STRUCTURE = 4098;

class TBurningOptions : public TObject {
 public:
  explicit TBurningOptions(TFoxBurnerSDK* owner) : owner_(owner) {}
  std::string ClassName() const override { return "TBurningOptions"; }

  const std::string& VolumeLabel() const { return volumeLabel_; }
  void SetVolumeLabel(const std::string& value);
  std::int32_t SessionToImport() const { return sessionToImport_; }
  void SetSessionToImport(std::int32_t value);
  TBurningOptionSwitches Switches() const { return switches_; }
  void SetSwitches(TBurningOptionSwitches value);
  const std::string& BootImage() const { return bootImage_; }
  void SetBootImage(const std::string& value);
  std::int32_t CacheSize() const { return cacheSize_; }
  void SetCacheSize(std::int32_t value);
  std::int32_t Copies() const { return copies_; }
  void SetCopies(std::int32_t value);

  // Copies every property through its setter; another class is refused.
  void Assign(const TObject* source);

 private:
  void Changed();
  TFoxBurnerSDK* owner_;
  std::string volumeLabel_;
  std::int32_t sessionToImport_ = 0;
  TBurningOptionSwitches switches_{osJolietFileSystem, osUnderrunProtection, osEjectAfterBurn};
  std::string bootImage_;
  std::int32_t cacheSize_ = 0;
  std::int32_t copies_ = 0;
};

class TISOInfo : public TObject {
 public:
  static constexpr int kCount = 8;
  explicit TISOInfo(TFoxBurnerSDK* owner) : owner_(owner) {}
  std::string ClassName() const override { return "TISOInfo"; }

  // Index 1 to 8: AbstractFileIdentifier ... SystemIdentifier.
  const std::string& GetIdentifier(int index) const;
  void SetIdentifier(int index, const std::string& value);

  const std::string& AbstractFileIdentifier() const { return GetIdentifier(1); }
  void SetAbstractFileIdentifier(const std::string& v) { SetIdentifier(1, v); }
  const std::string& ApplicationIdentifier() const { return GetIdentifier(2); }
  void SetApplicationIdentifier(const std::string& v) { SetIdentifier(2, v); }
  const std::string& BiblioIdentifier() const { return GetIdentifier(3); }
  void SetBiblioIdentifier(const std::string& v) { SetIdentifier(3, v); }
  const std::string& CopyrightFileIdentifier() const { return GetIdentifier(4); }
  void SetCopyrightFileIdentifier(const std::string& v) { SetIdentifier(4, v); }
  const std::string& DataPreparerIdentifier() const { return GetIdentifier(5); }
  void SetDataPreparerIdentifier(const std::string& v) { SetIdentifier(5, v); }
  const std::string& PublisherIdentifier() const { return GetIdentifier(6); }
  void SetPublisherIdentifier(const std::string& v) { SetIdentifier(6, v); }
  const std::string& SetIdentifier() const { return GetIdentifier(7); }
  void SetSetIdentifier(const std::string& v) { SetIdentifier(7, v); }
  const std::string& SystemIdentifier() const { return GetIdentifier(8); }
  void SetSystemIdentifier(const std::string& v) { SetIdentifier(8, v); }

  void Assign(const TObject* source);

 private:
  TFoxBurnerSDK* owner_;
  std::array<std::string, kCount> identifiers_;
};

class TBootInfo : public TObject {
 public:
  explicit TBootInfo(TFoxBurnerSDK* owner) : owner_(owner) {}
  std::string ClassName() const override { return "TBootInfo"; }

  const std::string& DeveloperID() const { return developerId_; }
  void SetDeveloperID(const std::string& value);
  bool BootIndicator() const { return bootIndicator_; }
  void SetBootIndicator(bool value);
  std::int32_t LoadSegment() const { return loadSegment_; }
  void SetLoadSegment(std::int32_t value);
  TBootPlatformID PlatformID() const { return platformId_; }
  void SetPlatformID(TBootPlatformID value);
  TBootEmulation Emulation() const { return emulation_; }
  void SetEmulation(TBootEmulation value);
  std::int32_t SectorCount() const { return sectorCount_; }
  void SetSectorCount(std::int32_t value);

  void Assign(const TObject* source);

 private:
  void Changed();
  TFoxBurnerSDK* owner_;
  std::string developerId_;
  bool bootIndicator_ = true;
  std::int32_t loadSegment_ = 1984;
  TBootPlatformID platformId_ = bp80x86;
  TBootEmulation emulation_ = be144MB;
  std::int32_t sectorCount_ = 1;
};

class TFoxBurnerSDK : public TComponent {
 public:
  static constexpr int kMaxDevices = 26;
  static constexpr int kCapabilityCount = 19;

  explicit TFoxBurnerSDK(TComponent* owner);
  ~TFoxBurnerSDK() override;
  std::string ClassName() const override { return "TFoxBurnerSDK"; }

  // Published properties.
  bool Active() const { return active_; }
  void SetActive(bool value);
  bool UseInternalAspiOnInit() const { return useInternalAspi_; }
  void SetUseInternalAspiOnInit(bool value) { useInternalAspi_ = value; }
  const std::string& TempPath() const { return tempPath_; }
  void SetTempPath(const std::string& value);
  const std::string& LanguageFile() const { return languageFile_; }
  void SetLanguageFile(const std::string& value);
  const std::string& Language() const { return language_; }
  void SetLanguage(const std::string& value);
  TBurningOptions* Options() const { return options_.get(); }
  void SetOptions(const TBurningOptions* value);
  TISOInfo* ISOInfo() const { return isoInfo_.get(); }
  void SetISOInfo(const TISOInfo* value);
  TBootInfo* BootInfo() const { return bootInfo_.get(); }
  void SetBootInfo(const TBootInfo* value);
  TInfoTextLevel InfoTextLevel() const { return infoTextLevel_; }
  void SetInfoTextLevel(TInfoTextLevel value) { infoTextLevel_ = value; }

  TInfoTextEvent OnInfoText;
  TProcessEvent OnProcess;
  TEraseDoneEvent OnEraseDone;
  TFinalizeEvent OnFinalize;
  TBurnDoneEvent OnBurnDone;
  TAddFileEvent OnAddFile;
  TCreateDirEvent OnCreateDir;
  TRemoveFileEvent OnRemoveFile;
  TAudioDecoderEvent OnAudioDecoder;
  TAudioDecodeDoneEvent OnAudioDecodeDone;
  TVideoScannerEvent OnVideoScanner;
  TVideoScanDoneEvent OnVideoScanDone;
  TStartVerifyEvent OnStartVerify;
  TVerifyFileEvent OnVerifyFile;
  TVerifyErrorEvent OnVerifyError;
  TVerifyDoneEvent OnVerifyDone;

  // Run-time state.
  std::int32_t LastError() const { return lastError_; }
  std::string GetLastErrorText() const;
  int DeviceCount() const { return deviceCount_; }
  std::string DeviceName(int index) const;  // 1-based
  std::uint8_t CurrentDevice() const { return currentDevice_; }
  bool Capability(int bit) const { return bit >= 0 && bit < kCapabilityCount && capabilities_[bit]; }
  const TMediumInfo& MediumInfo() const { return mediumInfo_; }

  // Wrappers: true when the library returned 0 (the code is in LastError).
  bool ClearAll();
  bool Prepare();
  bool Burn();
  bool Abort();
  bool EjectDevice();
  bool CloseDevice();
  bool Erase(bool quick);
  bool RefreshDevices(bool rescan);
  bool SelectDevice(std::uint8_t letter);
  bool IsDeviceReady();
  bool ReadDeviceCapabilities();
  bool ReadMediumInfo();
  bool CreateBurnProject(std::uint8_t kind);
  bool AddProjectFile(const std::string& source, const std::string& destination, const std::string& name,
                      bool flag, std::uint8_t number);

  // Pushes the option objects to the library (only while active).
  void PushOptions();
  void PushIsoInfo();
  void PushBootInfo();

  // Whether the owned option objects should reach the library now.
  bool ReadyForPush() const { return active_ && !IsLoading(); }

 protected:
  void Loaded() override;

 private:
  friend struct FoxBurnerCallbacks;
  void RequireActive();
  bool Check(std::int32_t code);
  bool ActivateSdk(bool value);
  void RegisterCallbacks();
  // "Options.Switches", "BootInfo.LoadSegment", ...: reachable by name
  // from a form description.
  void PublishOptionProperties();
  // Runs an event on the GUI thread, unless the component is gone by then.
  void Deliver(std::function<void(TFoxBurnerSDK*)> fire);

  bool active_ = false;
  bool useInternalAspi_ = false;
  std::string tempPath_;
  std::string languageFile_;
  std::string language_;
  std::unique_ptr<TBurningOptions> options_;
  std::unique_ptr<TISOInfo> isoInfo_;
  std::unique_ptr<TBootInfo> bootInfo_;
  TInfoTextLevel infoTextLevel_ = ilInfo;

  std::int32_t lastError_ = 0;
  int deviceCount_ = 0;
  std::array<std::string, kMaxDevices> devices_;
  std::uint8_t currentDevice_ = 0;
  std::array<bool, kCapabilityCount> capabilities_{};
  TMediumInfo mediumInfo_;
  TLiveness alive_;  // ended on destruction
};

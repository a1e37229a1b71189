// The option objects of the burner component and how they reach the
// library: each change pushes the whole record while the owner is active.

#include <cstring>

#include "burner/FoxBurnerSDKCore.h"
#include "burner/FoxBurnerSDKMain.h"
#include "platform/burnlib/FoxBurnerAbi.h"

namespace {

// Copies text into a fixed record field, cut to `maxChars` with its zero.
template <size_t N>
void PutText(char (&field)[N], const std::string& text, size_t maxChars) {
  size_t n = std::min({text.size(), maxChars, N - 1});
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), n);
}

[[noreturn]] void RefuseAssign(const TObject* source, const TObject* target) {
  throw EConvertError("Cannot assign a " + (source ? source->ClassName() : std::string("nil")) + " to a " +
                      target->ClassName());
}

}  // namespace

// ---- TBurningOptions

void TBurningOptions::Changed() {
  if (owner_ && owner_->ReadyForPush()) owner_->PushOptions();
}

void TBurningOptions::SetVolumeLabel(const std::string& value) {
  volumeLabel_ = value;
  Changed();
}

void TBurningOptions::SetSessionToImport(std::int32_t value) {
  sessionToImport_ = value;
  Changed();
}

void TBurningOptions::SetSwitches(TBurningOptionSwitches value) {
  switches_ = value;
  Changed();
}

void TBurningOptions::SetBootImage(const std::string& value) {
  bootImage_ = value;
  Changed();
}

void TBurningOptions::SetCacheSize(std::int32_t value) {
  cacheSize_ = value;
  Changed();
}

void TBurningOptions::SetCopies(std::int32_t value) {
  copies_ = value;
  Changed();
}

// The copy keeps its own owner, so a component's options stay bound to it.
void TBurningOptions::Assign(const TObject* source) {
  auto* other = dynamic_cast<const TBurningOptions*>(source);
  if (!other) RefuseAssign(source, this);
  if (other == this) return;
  SetVolumeLabel(other->volumeLabel_);
  SetSessionToImport(other->sessionToImport_);
  SetSwitches(other->switches_);
  SetBootImage(other->bootImage_);
  SetCacheSize(other->cacheSize_);
  SetCopies(other->copies_);
}

// ---- TISOInfo

const std::string& TISOInfo::GetIdentifier(int index) const {
  static const std::string empty;
  return index >= 1 && index <= kCount ? identifiers_[index - 1] : empty;
}

void TISOInfo::SetIdentifier(int index, const std::string& value) {
  if (index < 1 || index > kCount) return;
  identifiers_[index - 1] = value;
  if (owner_ && owner_->ReadyForPush()) owner_->PushIsoInfo();
}

void TISOInfo::Assign(const TObject* source) {
  auto* other = dynamic_cast<const TISOInfo*>(source);
  if (!other) RefuseAssign(source, this);
  if (other == this) return;
  for (int i = 1; i <= kCount; ++i) SetIdentifier(i, other->identifiers_[i - 1]);
}

// ---- TBootInfo

void TBootInfo::Changed() {
  if (owner_ && owner_->ReadyForPush()) owner_->PushBootInfo();
}

void TBootInfo::SetDeveloperID(const std::string& value) {
  developerId_ = value;
  Changed();
}

void TBootInfo::SetBootIndicator(bool value) {
  bootIndicator_ = value;
  Changed();
}

void TBootInfo::SetLoadSegment(std::int32_t value) {
  loadSegment_ = value;
  Changed();
}

void TBootInfo::SetPlatformID(TBootPlatformID value) {
  platformId_ = value;
  Changed();
}

void TBootInfo::SetEmulation(TBootEmulation value) {
  emulation_ = value;
  Changed();
}

void TBootInfo::SetSectorCount(std::int32_t value) {
  sectorCount_ = value;
  Changed();
}

void TBootInfo::Assign(const TObject* source) {
  auto* other = dynamic_cast<const TBootInfo*>(source);
  if (!other) RefuseAssign(source, this);
  if (other == this) return;
  SetDeveloperID(other->developerId_);
  SetBootIndicator(other->bootIndicator_);
  SetLoadSegment(other->loadSegment_);
  SetPlatformID(other->platformId_);
  SetEmulation(other->emulation_);
  SetSectorCount(other->sectorCount_);
}

// ---- Pushing to the library

void TFoxBurnerSDK::PushOptions() {
  foxabi::OptionsRecord record{};
  FoxBurnerDll.GetOptions(&record);
  const TBurningOptions& o = *options_;
  PutText(record.volumeLabel, o.VolumeLabel(), 127);
  record.sessionToImport = o.SessionToImport();
  const TBurningOptionSwitches sw = o.Switches();
  record.joliet = sw.Contains(osJolietFileSystem);
  record.bootable = sw.Contains(osBootable);
  PutText(record.bootImage, o.BootImage(), 259);
  record.finalize = sw.Contains(osFinalize);
  record.testBurn = sw.Contains(osTestBurn);
  record.performOpc = sw.Contains(osPerformOPC);
  record.verifyAfterBurn = sw.Contains(osVerifyAfterBurn);
  record.cacheSize = o.CacheSize();
  record.underrunProtection = sw.Contains(osUnderrunProtection);
  record.ejectAfterBurn = sw.Contains(osEjectAfterBurn);
  record.copies = o.Copies();
  Check(FoxBurnerDll.SetOptions(record));
}

void TFoxBurnerSDK::PushIsoInfo() {
  foxabi::IsoInfoRecord record{};
  FoxBurnerDll.GetISOInfoEx(&record);
  const TISOInfo& i = *isoInfo_;
  PutText(record.abstractFile, i.GetIdentifier(1), 35);
  PutText(record.application, i.GetIdentifier(2), 127);
  PutText(record.biblio, i.GetIdentifier(3), 35);
  PutText(record.copyrightFile, i.GetIdentifier(4), 35);
  PutText(record.dataPreparer, i.GetIdentifier(5), 127);
  PutText(record.publisher, i.GetIdentifier(6), 127);
  PutText(record.volumeSet, i.GetIdentifier(7), 127);
  PutText(record.system, i.GetIdentifier(8), 30);
  Check(FoxBurnerDll.SetISOInfoEx(record));
}

void TFoxBurnerSDK::PushBootInfo() {
  foxabi::BootInfoRecord record{};
  FoxBurnerDll.GetBootInfoEx(&record);
  const TBootInfo& b = *bootInfo_;
  PutText(record.developerId, b.DeveloperID(), 23);
  record.bootIndicator = b.BootIndicator() ? 1 : 0;
  record.loadSegment = b.LoadSegment();
  record.platformId = b.PlatformID();
  record.emulation = b.Emulation();
  record.sectorCount = b.SectorCount();
  Check(FoxBurnerDll.SetBootInfoEx(record));
}

// ---- Published by name

namespace {

// A property of an option object, read and written through its accessors.
template <class Object, class Value, class Getter, class Setter>
TPropInfo OptionProperty(const std::string& name, Object* object, Getter get, Setter set) {
  return {name, detail::PropKindOf<Value>(),
          [object, get]() { return detail::ToPropValue<Value>(static_cast<Value>((object->*get)())); },
          [object, set, name](const TPropValue& v) { (object->*set)(detail::FromPropValue<Value>(v, name)); }};
}

}  // namespace

void TFoxBurnerSDK::PublishOptionProperties() {
  TBurningOptions* o = options_.get();
  using O = TBurningOptions;
  PublishProperty(OptionProperty<O, std::string>("Options.VolumeLabel", o, &O::VolumeLabel, &O::SetVolumeLabel));
  PublishProperty(OptionProperty<O, std::int32_t>("Options.SessionToImport", o, &O::SessionToImport,
                                                  &O::SetSessionToImport));
  // The switch set travels as its byte.
  PublishProperty({"Options.Switches", TPropKind::Integer,
                   [o]() { return TPropValue(static_cast<std::int64_t>(o->Switches().Bits())); },
                   [o](const TPropValue& v) {
                     o->SetSwitches(TBurningOptionSwitches::FromByte(
                         static_cast<std::uint8_t>(detail::FromPropValue<std::int64_t>(v, "Options.Switches"))));
                   }});
  PublishProperty(OptionProperty<O, std::string>("Options.BootImage", o, &O::BootImage, &O::SetBootImage));
  PublishProperty(OptionProperty<O, std::int32_t>("Options.CacheSize", o, &O::CacheSize, &O::SetCacheSize));
  PublishProperty(OptionProperty<O, std::int32_t>("Options.Copies", o, &O::Copies, &O::SetCopies));

  TISOInfo* iso = isoInfo_.get();
  static const char* const kIsoNames[TISOInfo::kCount] = {
      "AbstractFileIdentifier", "ApplicationIdentifier", "BiblioIdentifier",   "CopyrightFileIdentifier",
      "DataPreparerIdentifier", "PublisherIdentifier",   "SetIdentifier",      "SystemIdentifier"};
  for (int index = 1; index <= TISOInfo::kCount; ++index) {
    const std::string name = std::string("ISOInfo.") + kIsoNames[index - 1];
    PublishProperty({name, TPropKind::String, [iso, index]() { return TPropValue(iso->GetIdentifier(index)); },
                     [iso, index, name](const TPropValue& v) {
                       iso->SetIdentifier(index, detail::FromPropValue<std::string>(v, name));
                     }});
  }

  TBootInfo* b = bootInfo_.get();
  using B = TBootInfo;
  PublishProperty(OptionProperty<B, std::string>("BootInfo.DeveloperID", b, &B::DeveloperID, &B::SetDeveloperID));
  PublishProperty(OptionProperty<B, bool>("BootInfo.BootIndicator", b, &B::BootIndicator, &B::SetBootIndicator));
  PublishProperty(OptionProperty<B, std::int32_t>("BootInfo.LoadSegment", b, &B::LoadSegment, &B::SetLoadSegment));
  PublishProperty(OptionProperty<B, TBootPlatformID>("BootInfo.PlatformID", b, &B::PlatformID, &B::SetPlatformID));
  PublishProperty(OptionProperty<B, TBootEmulation>("BootInfo.Emulation", b, &B::Emulation, &B::SetEmulation));
  PublishProperty(OptionProperty<B, std::int32_t>("BootInfo.SectorCount", b, &B::SectorCount, &B::SetSectorCount));
}

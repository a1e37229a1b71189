#pragma once
// The burner library's enumerations, event types and medium information,
// as the burner component publishes them.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/base/Types.h"

enum TInfoTextLevel : std::uint8_t { ilInfo, ilLowDebug, ilMediumDebug, ilHighDebug };
enum TAudioFormat : std::uint8_t { afNo, afPCM, afMP3, afOGG };
enum TBurningOptionSwitch : std::uint8_t {
  osJolietFileSystem,
  osBootable,
  osFinalize,
  osTestBurn,
  osPerformOPC,
  osVerifyAfterBurn,
  osUnderrunProtection,
  osEjectAfterBurn,
};
enum TBootPlatformID : std::uint8_t { bp80x86, bpPowerPC, bpMac };
enum TBootEmulation : std::uint8_t { beNone, be12MB, be144MB, be288MB, beHDD };

// A set of switches in one byte: bit n is switch n.
class TBurningOptionSwitches {
 public:
  constexpr TBurningOptionSwitches() = default;
  constexpr TBurningOptionSwitches(std::initializer_list<TBurningOptionSwitch> switches) {
    for (TBurningOptionSwitch s : switches) bits_ |= Bit(s);
  }
  static constexpr TBurningOptionSwitches FromByte(std::uint8_t bits) {
    TBurningOptionSwitches set;
    set.bits_ = bits;
    return set;
  }
  constexpr std::uint8_t Bits() const { return bits_; }
  constexpr bool Contains(TBurningOptionSwitch s) const { return (bits_ & Bit(s)) != 0; }
  constexpr TBurningOptionSwitches With(TBurningOptionSwitch s) const { return FromByte(bits_ | Bit(s)); }
  constexpr TBurningOptionSwitches Without(TBurningOptionSwitch s) const {
    return FromByte(static_cast<std::uint8_t>(bits_ & ~Bit(s)));
  }
  constexpr bool operator==(const TBurningOptionSwitches&) const = default;

 private:
  static constexpr std::uint8_t Bit(TBurningOptionSwitch s) { return static_cast<std::uint8_t>(1u << s); }
  std::uint8_t bits_ = 0;
};

// The medium in the current device, as last read.
struct TMediumInfo {
  std::string MediumText;
  std::uint8_t Status = 0;  // 0 blank, 1 open, 2 closed
  double Capacity = 0;      // bytes
  double Used = 0;
  double Free = 0;
  std::int32_t SessionCount = 0;
  std::int32_t LastSession = 0;
  std::uint8_t Further = 0;
  std::uint8_t MediumTypeCode = 0;
};

// What a video scan reports; handlers may write into it, to no effect.
struct TVideoFormat {
  bool Flag = false;
  std::int32_t Values[6] = {};
};

using TInfoTextEvent = std::function<void(TObject* Sender, const std::string& InfoText, TInfoTextLevel Level)>;
using TProcessEvent = std::function<void(TObject* Sender, float Percent, float DeviceBuffer, float Cache,
                                         double BytesWritten, double ImageSize)>;
using TEraseDoneEvent = std::function<void(TObject* Sender, const std::string& Error)>;
using TFinalizeEvent = std::function<void(TObject* Sender)>;
using TBurnDoneEvent = std::function<void(TObject* Sender, const std::string& Error)>;
using TAddFileEvent = std::function<void(TObject* Sender, const std::string& FullPath, const std::string& JolietName,
                                         const std::string& ISOName, const std::string& UDFName, double DateTime,
                                         double FileSize)>;
using TCreateDirEvent = std::function<void(TObject* Sender, const std::string& FullName,
                                           const std::string& JolietName, const std::string& ISOName,
                                           const std::string& UDFName)>;
using TRemoveFileEvent = std::function<void(TObject* Sender, const std::string& FullPath,
                                            const std::string& DestinationPath, const std::string& _File)>;
using TAudioDecoderEvent =
    std::function<void(TObject* Sender, float Percent, const std::string& FileName, TAudioFormat _Type)>;
using TAudioDecodeDoneEvent = std::function<void(TObject* Sender, const std::string& FileName,
                                                 const std::string& Error, std::int32_t ErrorCode)>;
using TVideoScannerEvent = std::function<void(TObject* Sender, float Percent, const std::string& FileName)>;
using TVideoScanDoneEvent = std::function<void(TObject* Sender, const std::string& FileName, const std::string& Error,
                                               std::int32_t ErrorCode, TVideoFormat& CurrentFormat)>;
using TStartVerifyEvent = std::function<void(TObject* Sender)>;
using TVerifyFileEvent = std::function<void(TObject* Sender, const std::string& FileName)>;
using TVerifyErrorEvent =
    std::function<void(TObject* Sender, const std::string& FileName, const std::string& Error)>;
using TVerifyDoneEvent = std::function<void(TObject* Sender, std::int32_t NumErrors)>;

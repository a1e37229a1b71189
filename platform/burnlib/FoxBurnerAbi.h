#pragma once
// What crosses the boundary of the burner library: its records, its
// callback types and its error codes. Both the library and the programs'
// binding use these declarations, so the layouts cannot drift apart.
// Every integer is little-endian; every text is zero-terminated.

#include <cstddef>
#include <cstdint>

namespace foxabi {

#pragma pack(push, 1)

// Burning options, read with GetOptions and written with SetOptions.
struct OptionsRecord {
  char volumeLabel[128];
  std::int32_t sessionToImport;
  std::uint8_t joliet;
  std::uint8_t bootable;
  char bootImage[260];
  std::uint8_t finalize;
  std::uint8_t testBurn;
  std::uint8_t performOpc;
  std::uint8_t verifyAfterBurn;
  std::uint8_t reserved1[2];
  std::int32_t cacheSize;
  std::uint8_t underrunProtection;
  std::uint8_t ejectAfterBurn;
  std::uint8_t reserved2[2];
  std::int32_t copies;
};

// The eight identifiers of an ISO 9660 volume descriptor.
struct IsoInfoRecord {
  char abstractFile[36];
  char application[128];
  char biblio[36];
  char copyrightFile[36];
  char dataPreparer[128];
  char publisher[128];
  char volumeSet[128];
  char system[31];
};

// El Torito boot entry.
struct BootInfoRecord {
  char developerId[24];
  std::uint8_t bootIndicator;
  std::uint8_t reserved1[3];
  std::int32_t loadSegment;
  std::int32_t platformId;
  std::int32_t emulation;
  std::int32_t sectorCount;
};

// The medium in the current device.
struct MediumRecord {
  char text[25];
  std::uint8_t reserved1[3];
  std::uint8_t status;  // 0 blank, 1 appendable, 2 closed
  std::uint8_t reserved2[3];
  double capacity;      // bytes
  double used;
  double free;
  std::int32_t sessionCount;
  std::int32_t lastSession;
  std::uint8_t further;  // 1 when the medium can be erased
  std::uint8_t reserved3[3];
  std::uint8_t typeCode;
  std::uint8_t reserved4[3];
};

#pragma pack(pop)

static_assert(sizeof(OptionsRecord) == 412);
static_assert(offsetof(OptionsRecord, finalize) == 394);
static_assert(offsetof(OptionsRecord, cacheSize) == 400);
static_assert(offsetof(OptionsRecord, underrunProtection) == 404);
static_assert(offsetof(OptionsRecord, copies) == 408);
static_assert(sizeof(IsoInfoRecord) == 651);
static_assert(offsetof(IsoInfoRecord, system) == 620);
static_assert(sizeof(BootInfoRecord) == 44);
static_assert(offsetof(BootInfoRecord, sectorCount) == 40);
static_assert(sizeof(MediumRecord) == 72);
static_assert(offsetof(MediumRecord, capacity) == 32);
static_assert(offsetof(MediumRecord, typeCode) == 68);

constexpr int kDeviceSlots = 26;
constexpr int kDeviceNameSize = 50;
constexpr int kDeviceBufferSize = kDeviceSlots * kDeviceNameSize;  // 1300
constexpr int kCapabilityBytes = 3;

// Project kinds of CreateProject.
constexpr std::uint8_t kProjectAudioCd = 0;
constexpr std::uint8_t kProjectDataDisc = 2;

// Medium type codes of MediumRecord::typeCode.
constexpr std::uint8_t kMediumNone = 0;
constexpr std::uint8_t kMediumCdR = 2;
constexpr std::uint8_t kMediumCdRw = 3;
constexpr std::uint8_t kMediumDvdMinusR = 5;
constexpr std::uint8_t kMediumDvdPlusR = 6;
constexpr std::uint8_t kMediumDvdRam = 7;
constexpr std::uint8_t kMediumDvdMinusRwRestricted = 8;
constexpr std::uint8_t kMediumDvdMinusRw = 9;
constexpr std::uint8_t kMediumDvdPlusRw = 10;
constexpr std::uint8_t kMediumDvdPlusRDualLayer = 11;
constexpr std::uint8_t kMediumDvdMinusRDualLayer = 15;

// Capability bits of GetDeviceCapabilities (bit n = byte n / 8, bit n % 8).
enum Capability {
  kCapReadCdR = 0,
  kCapReadCdRw = 1,
  kCapReadDvdR = 2,
  kCapReadDvdRam = 3,
  kCapWriteCdR = 9,
  kCapWriteCdRw = 10,
  kCapWriteDvdR = 11,
  kCapWriteDvdRam = 12,
  kCapTestWrite = 16,
  kCapImageFile = 18,
};

// Error codes of the entry points; GetText gives their texts.
enum ErrorCode : std::int32_t {
  kOk = 0,
  kErrNotInitialized = 1,
  kErrNoDevice = 2,
  kErrNotReady = 3,
  kErrNoProject = 4,
  kErrFileNotReadable = 5,
  kErrProjectEmpty = 6,
  kErrBusy = 7,
  kErrNotSupported = 8,
  kErrMediumNotWritable = 9,
  kErrMediumNotErasable = 10,
  kErrImageFolder = 11,
  kErrNoSpace = 12,
  kErrInvalidArgument = 13,
  kErrDriveFailure = 14,
  kErrTempFolder = 15,
  kErrNotPrepared = 16,
  kErrBufferTooSmall = 17,
  kErrUnknownCode = 18,
  kErrBootImage = 19,
  kErrBootSettings = 20,
};

// Callbacks. The last argument is the user pointer given at registration.
// Text pointers marked "or null" read as the empty string when null.
extern "C" {
using InfoTextCallback = void (*)(const char* text, std::int32_t level, void* user);
using ProcessCallback = void (*)(float percent, float deviceBuffer, float cache, double bytesWritten,
                                 double imageSize, void* user);
using EraseDoneCallback = void (*)(const char* errorOrNull, void* user);
using FinalizeCallback = void (*)(void* user);
using BurnDoneCallback = void (*)(const char* errorOrNull, void* user);
using AddFileCallback = void (*)(const char* fullPath, const char* jolietName, const char* isoName,
                                 const char* udfName, double dateTime, double fileSize, void* user);
using CreateDirCallback = void (*)(const char* fullName, const char* jolietName, const char* isoName,
                                   const char* udfName, void* user);
using RemoveFileCallback = void (*)(const char* fullPath, const char* destinationPath, const char* file,
                                    void* user);
using AudioDecoderCallback = void (*)(float percent, const char* fileName, std::uint8_t format, void* user);
using AudioDecodeDoneCallback = void (*)(const char* fileName, const char* errorOrNull, std::int32_t code,
                                         void* user);
using VideoScannerCallback = void (*)(float percent, const char* fileName, void* user);
using VideoScanDoneCallback = void (*)(const char* fileName, const char* errorOrNull, std::int32_t code,
                                       std::uint8_t isNtsc, std::int32_t v1, std::int32_t v2, std::int32_t v3,
                                       std::int32_t v4, std::int32_t v5, std::int32_t v6, std::int32_t unused,
                                       void* user);
using StartVerifyCallback = void (*)(void* user);
using VerifyFileCallback = void (*)(const char* fileName, void* user);
using VerifyErrorCallback = void (*)(const char* fileName, const char* error, void* user);
using VerifyDoneCallback = void (*)(std::int32_t numErrors, void* user);
}

}  // namespace foxabi

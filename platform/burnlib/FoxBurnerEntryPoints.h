#pragma once
// Every entry point of the burner library, in the order the binding
// resolves them: FOX_ENTRY(name, parameter list). Each returns an int32_t
// error code (0 = success). Use with a macro of your own, e.g.
//   #define FOX_ENTRY(name, params) using name##Fn = std::int32_t(*) params;
//   FOX_ENTRY_POINTS
//   #undef FOX_ENTRY
// Speeds are in kB/s (1000 bytes a second); 0 asks for the fastest.
// GetPossibleBurnSpeeds takes in *count the room of `speeds` and gives
// back how many speeds there are, fastest first; null `speeds` only counts.

#include <cstdint>

#include "platform/burnlib/FoxBurnerAbi.h"

#define FOX_ENTRY_POINTS                                                                                    \
  FOX_ENTRY(Initialize, (std::uint8_t useInternalAspi))                                                     \
  FOX_ENTRY(DeInitialize, ())                                                                               \
  FOX_ENTRY(SetASPI, (std::uint8_t internal))                                                               \
  FOX_ENTRY(SetTmpPath, (const char* path))                                                                 \
  FOX_ENTRY(GetTmpPath, (char* buffer, std::int32_t* length))                                               \
  FOX_ENTRY(SetLanguage, (const char* language, const char* languageFile))                                  \
  FOX_ENTRY(GetLanguage, (char* buffer, std::int32_t* length))                                              \
  FOX_ENTRY(GetText, (std::int32_t code, char* buffer, std::int32_t* length))                               \
  FOX_ENTRY(GetDevices, (char* buffer, std::int32_t* count, std::uint8_t rescan))                           \
  FOX_ENTRY(SetDevice, (std::uint8_t letter))                                                               \
  FOX_ENTRY(GetDevice, (std::uint8_t* letter))                                                              \
  FOX_ENTRY(GetDeviceInformation, (char* buffer, std::int32_t* length))                                     \
  FOX_ENTRY(GetDeviceCapabilities, (std::uint8_t* capabilities))                                            \
  FOX_ENTRY(GetMaxReadSpeed, (std::int32_t* kbPerSec))                                                      \
  FOX_ENTRY(SetReadSpeed, (std::int32_t kbPerSec))                                                          \
  FOX_ENTRY(GetReadSpeed, (std::int32_t* kbPerSec))                                                         \
  FOX_ENTRY(GetMaxBurnSpeed, (std::int32_t* kbPerSec))                                                      \
  FOX_ENTRY(SetBurnSpeed, (std::int32_t kbPerSec))                                                          \
  FOX_ENTRY(GetBurnSpeed, (std::int32_t* kbPerSec))                                                         \
  FOX_ENTRY(ConvertSpeedFromKBPerSec, (std::int32_t kbPerSec, double* factor))                              \
  FOX_ENTRY(GetPossibleBurnSpeeds, (std::int32_t* speeds, std::int32_t* count))                             \
  FOX_ENTRY(EjectDevice, ())                                                                                \
  FOX_ENTRY(CloseDevice, ())                                                                                \
  FOX_ENTRY(IsDeviceReady, (std::uint8_t* ready))                                                           \
  FOX_ENTRY(Erase, (std::uint8_t quick))                                                                    \
  FOX_ENTRY(GetMediumInformation, (foxabi::MediumRecord* medium))                                           \
  FOX_ENTRY(GetSessionInformation, (std::int32_t session, std::int32_t* start, std::int32_t* sectors))      \
  FOX_ENTRY(CloseSession, ())                                                                               \
  FOX_ENTRY(SaveDeviceSettingsToRegistry, ())                                                               \
  FOX_ENTRY(SetDeviceSettingsFromRegistry, ())                                                              \
  FOX_ENTRY(CreateProject, (std::uint8_t kind))                                                             \
  FOX_ENTRY(DeleteProject, ())                                                                              \
  FOX_ENTRY(GetProjectType, (std::uint8_t* kind))                                                           \
  FOX_ENTRY(CreateDir, (const char* path))                                                                  \
  FOX_ENTRY(AddDir, (const char* source, const char* destination))                                          \
  FOX_ENTRY(RemoveDir, (const char* path))                                                                  \
  FOX_ENTRY(AddFile, (const char* source, const char* destination, const char* name, std::uint8_t flag,     \
                      std::uint8_t number))                                                                 \
  FOX_ENTRY(RemoveFile, (const char* destination, const char* file))                                        \
  FOX_ENTRY(RenameFile, (const char* destination, const char* oldName, const char* newName))                \
  FOX_ENTRY(RenameDir, (const char* path, const char* newName))                                             \
  FOX_ENTRY(ClearAll, ())                                                                                   \
  FOX_ENTRY(StopMpegAction, ())                                                                             \
  FOX_ENTRY(GetMpegCount, (std::int32_t* count))                                                            \
  FOX_ENTRY(EraseMpegByIndex, (std::int32_t index))                                                         \
  FOX_ENTRY(SetOptions, (foxabi::OptionsRecord options))                                                    \
  FOX_ENTRY(GetOptions, (foxabi::OptionsRecord* options))                                                   \
  FOX_ENTRY(SaveOptionsToRegistry, ())                                                                      \
  FOX_ENTRY(SetOptionsFromRegistry, ())                                                                     \
  FOX_ENTRY(SetISOInfoEx, (foxabi::IsoInfoRecord info))                                                     \
  FOX_ENTRY(GetISOInfoEx, (foxabi::IsoInfoRecord* info))                                                    \
  FOX_ENTRY(SetBootInfoEx, (foxabi::BootInfoRecord info))                                                   \
  FOX_ENTRY(GetBootInfoEx, (foxabi::BootInfoRecord* info))                                                  \
  FOX_ENTRY(PrepareISO, (const char* isoPath))                                                              \
  FOX_ENTRY(Prepare, ())                                                                                    \
  FOX_ENTRY(GetImageSize, (double* bytes))                                                                  \
  FOX_ENTRY(BuildISO, (const char* isoPath))                                                                \
  FOX_ENTRY(BurnISO, (const char* isoPath))                                                                 \
  FOX_ENTRY(Burn, ())                                                                                       \
  FOX_ENTRY(Abort, ())                                                                                      \
  FOX_ENTRY(StopVerify, ())                                                                                 \
  FOX_ENTRY(SetVerify, (std::uint8_t verify))                                                               \
  FOX_ENTRY(EraseDialog, ())                                                                                \
  FOX_ENTRY(BurnDialog, ())                                                                                 \
  FOX_ENTRY(GetPlayTime, (const char* file, std::int32_t* ms))                                              \
  FOX_ENTRY(PlayAudioFile, (const char* file))                                                              \
  FOX_ENTRY(AudioFileStop, ())                                                                              \
  FOX_ENTRY(SetInfoTextEventCallback, (foxabi::InfoTextCallback fn, std::int32_t level, void* user))        \
  FOX_ENTRY(SetProcessEventCallback, (foxabi::ProcessCallback fn, void* user))                              \
  FOX_ENTRY(SetEraseDoneEventCallback, (foxabi::EraseDoneCallback fn, void* user))                          \
  FOX_ENTRY(SetFinalizeEventCallback, (foxabi::FinalizeCallback fn, void* user))                            \
  FOX_ENTRY(SetBurnDoneEventCallback, (foxabi::BurnDoneCallback fn, void* user))                            \
  FOX_ENTRY(SetAddFileEventCallback, (foxabi::AddFileCallback fn, void* user))                              \
  FOX_ENTRY(SetCreateDirEventCallback, (foxabi::CreateDirCallback fn, void* user))                          \
  FOX_ENTRY(SetRemoveFileEventCallback, (foxabi::RemoveFileCallback fn, void* user))                        \
  FOX_ENTRY(SetAudioDecoderEventCallback, (foxabi::AudioDecoderCallback fn, void* user))                    \
  FOX_ENTRY(SetAudioDecodeDoneEventCallback, (foxabi::AudioDecodeDoneCallback fn, void* user))              \
  FOX_ENTRY(SetVideoScannerEventCallback, (foxabi::VideoScannerCallback fn, void* user))                    \
  FOX_ENTRY(SetVideoScanDoneEventCallback, (foxabi::VideoScanDoneCallback fn, void* user))                  \
  FOX_ENTRY(SetStartVerifyEventCallback, (foxabi::StartVerifyCallback fn, void* user))                      \
  FOX_ENTRY(SetVerifyFileEventCallback, (foxabi::VerifyFileCallback fn, void* user))                        \
  FOX_ENTRY(SetVerifyErrorEventCallback, (foxabi::VerifyErrorCallback fn, void* user))                      \
  FOX_ENTRY(SetVerifyDoneEventCallback, (foxabi::VerifyDoneCallback fn, void* user))                        \
  FOX_ENTRY(ResetCallbacks, ())

// The library's file in the program folder.
#define FOX_BURNER_LIBRARY_FILE "libFoxBurner.so"

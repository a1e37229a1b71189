// Entry points: burning options, ISO identifiers and boot information.

#include "platform/burnlib/EntryDeclarations.h"

using namespace burnlib;

FOXAPI std::int32_t SetOptions(foxabi::OptionsRecord options) {
  FOX_LOCK_INITIALIZED();
  // Texts from outside may lack their zero.
  options.volumeLabel[sizeof options.volumeLabel - 1] = '\0';
  options.bootImage[sizeof options.bootImage - 1] = '\0';
  s.options = options;
  return foxabi::kOk;
}

FOXAPI std::int32_t GetOptions(foxabi::OptionsRecord* options) {
  FOX_LOCK_INITIALIZED();
  if (!options) return foxabi::kErrInvalidArgument;
  *options = s.options;
  return foxabi::kOk;
}

FOXAPI std::int32_t SetISOInfoEx(foxabi::IsoInfoRecord info) {
  FOX_LOCK_INITIALIZED();
  info.abstractFile[sizeof info.abstractFile - 1] = '\0';
  info.application[sizeof info.application - 1] = '\0';
  info.biblio[sizeof info.biblio - 1] = '\0';
  info.copyrightFile[sizeof info.copyrightFile - 1] = '\0';
  info.dataPreparer[sizeof info.dataPreparer - 1] = '\0';
  info.publisher[sizeof info.publisher - 1] = '\0';
  info.volumeSet[sizeof info.volumeSet - 1] = '\0';
  info.system[sizeof info.system - 1] = '\0';
  s.isoInfo = info;
  return foxabi::kOk;
}

FOXAPI std::int32_t GetISOInfoEx(foxabi::IsoInfoRecord* info) {
  FOX_LOCK_INITIALIZED();
  if (!info) return foxabi::kErrInvalidArgument;
  *info = s.isoInfo;
  return foxabi::kOk;
}

FOXAPI std::int32_t SetBootInfoEx(foxabi::BootInfoRecord info) {
  FOX_LOCK_INITIALIZED();
  info.developerId[sizeof info.developerId - 1] = '\0';
  s.bootInfo = info;
  return foxabi::kOk;
}

FOXAPI std::int32_t GetBootInfoEx(foxabi::BootInfoRecord* info) {
  FOX_LOCK_INITIALIZED();
  if (!info) return foxabi::kErrInvalidArgument;
  *info = s.bootInfo;
  return foxabi::kOk;
}

FOXAPI std::int32_t SaveOptionsToRegistry() { return foxabi::kErrNotSupported; }
FOXAPI std::int32_t SetOptionsFromRegistry() { return foxabi::kErrNotSupported; }

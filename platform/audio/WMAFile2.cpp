#include "platform/audio/WMAFile2.h"

#include "platform/audio/WmaProfiles.h"

int TWMAFile2::ProfileCount() const { return static_cast<int>(detail::WmaProfiles().size()); }

std::string TWMAFile2::ProfileName() const {
  if (profile_ < 1 || profile_ > ProfileCount()) return "";
  return detail::WmaProfiles()[static_cast<size_t>(profile_ - 1)].name;
}

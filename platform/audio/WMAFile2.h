#pragma once
// The list of WMA output profiles, numbered from 1, for the format lists.

#include "platform/base/Types.h"

#include <string>

class TWMAFile2 : public TObject {
 public:
  std::string ClassName() const override { return "TWMAFile2"; }

  int ProfileCount() const;
  int Profile() const { return profile_; }
  void SetProfile(int profile) { profile_ = profile; }
  // Name of the selected profile, such as "8000Hz,mono,4kbps"; empty when
  // the selection is outside 1..ProfileCount.
  std::string ProfileName() const;

 private:
  int profile_ = 1;
};

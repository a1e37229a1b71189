#pragma once
// Checks a window's controls against its layout table: each row names a
// control by its name or caption on a parent, and gives its kind, place
// and size. The window's plain controls are checked against the few a
// skinned window may keep.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/framework/Controls.h"
#include "platform/framework/Forms.h"

struct TControlRow {
  std::string parent;  // the parent's name (or caption, for pages and groups)
  std::string name;    // the control's name, else its caption
  std::string kind;    // its class
  // A width of -1: the size follows the text; a left of kAnyPlace: the
  // place is not the table's to say.
  int left = kAnyPlace, top = 0, width = 0, height = 0;
  static constexpr int kAnyPlace = -1000;
};

inline std::string CaptionOf(const TControl* control) {
  return control->HasProperty("Caption") ? control->GetProp<std::string>("Caption") : control->Caption();
}

inline bool Answers(const TControl* control, const std::string& key) {
  return control->Name() == key || (!key.empty() && CaptionOf(control) == key);
}

// Every control on the window, parents before their children.
inline std::vector<TControl*> ControlsOf(TWinControl* parent) {
  std::vector<TControl*> all;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* control = parent->Controls(i);
    all.push_back(control);
    if (auto* holder = dynamic_cast<TWinControl*>(control)) {
      const std::vector<TControl*> below = ControlsOf(holder);
      all.insert(all.end(), below.begin(), below.end());
    }
  }
  return all;
}

inline void ExpectControls(TForm* form, const std::vector<TControlRow>& table) {
  const std::vector<TControl*> all = ControlsOf(form);
  for (const TControlRow& row : table) {
    const auto found = std::find_if(all.begin(), all.end(), [&](TControl* control) {
      const TWinControl* parent = control->Parent();
      return Answers(control, row.name) && parent && (parent == form ? row.parent.empty() : Answers(parent, row.parent));
    });
    if (found == all.end()) {
      ADD_FAILURE() << "no \"" << row.name << "\" on \"" << row.parent << "\"";
      continue;
    }
    const TControl* control = *found;
    EXPECT_EQ(control->ClassName(), row.kind) << row.name;
    if (row.left == TControlRow::kAnyPlace) continue;
    if (row.width < 0)
      EXPECT_EQ(std::make_pair(control->Left(), control->Top()), std::make_pair(row.left, row.top)) << row.name;
    else
      EXPECT_EQ(std::make_tuple(control->Left(), control->Top(), control->Width(), control->Height()),
                std::make_tuple(row.left, row.top, row.width, row.height))
          << row.name;
  }
}

// The plain framework controls on the window, by class, except those a
// skinned window keeps plain (labels, and the given ones).
inline std::set<std::string> PlainControlsOf(TForm* form, const std::set<std::string>& kept) {
  std::set<std::string> plain;
  for (TControl* control : ControlsOf(form)) {
    const std::string kind = control->ClassName();
    if (kind.rfind("Tzel", 0) == 0 || kind == "TLabel" || kept.count(kind)) continue;
    plain.insert(kind);
  }
  return plain;
}

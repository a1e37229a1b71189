#pragma once
// The "OutputFormat" keys of a settings file and the controls of an
// options window's format page, both ways, and the factory choices.

#include <array>

#include "common/FormatChoices.h"
#include "platform/framework/IniFiles.h"
#include "platform/framework/ListControls.h"

// TCheck is the window's check box class (Checked, SetChecked).
template <class TCheck>
struct TFormatControls {
  // The control of each key of FormatKeys(), in its order: a list, or for
  // the two VBR switches a check box.
  std::array<TComboBox*, kFormatKeyCount> Lists{};
  std::array<TCheck*, kFormatKeyCount> Checks{};

  // Takes the controls the window owns by their names.
  void Find(const TComponent* window) {
    for (int i = 0; i < kFormatKeyCount; ++i) {
      TComponent* control = window->FindComponent(FormatKeys()[i].Control);
      Lists[i] = dynamic_cast<TComboBox*>(control);
      Checks[i] = dynamic_cast<TCheck*>(control);
    }
  }

  // A missing key, no number or an index outside the list: the key's default.
  void Read(TIniFile& ini, const std::string& section) const {
    for (int i = 0; i < kFormatKeyCount; ++i) {
      const TFormatKey& key = FormatKeys()[i];
      if (Lists[i]) {
        const int count = Lists[i]->Items()->Count();
        Choose(Lists[i], IndexInList(ini.ReadInteger(section, key.Key, key.MissingDefault), count, key.MissingDefault));
      }
      if (Checks[i]) Checks[i]->SetChecked(ini.ReadBool(section, key.Key, key.MissingDefault != 0));
    }
  }
  void Write(TIniFile& ini, const std::string& section) const {
    for (int i = 0; i < kFormatKeyCount; ++i) {
      if (Lists[i]) ini.WriteInteger(section, FormatKeys()[i].Key, Lists[i]->ItemIndex());
      if (Checks[i]) ini.WriteBool(section, FormatKeys()[i].Key, Checks[i]->Checked());
    }
  }
  void SetFactory() const {
    for (int i = 0; i < kFormatKeyCount; ++i) {
      if (Lists[i]) Choose(Lists[i], FormatKeys()[i].FactoryValue);
      if (Checks[i]) Checks[i]->SetChecked(FormatKeys()[i].FactoryValue != 0);
    }
  }

 private:
  // A list shorter than the index (the recorder's WMA list once the
  // writer's profiles replaced it) chooses nothing.
  static void Choose(TComboBox* list, int index) {
    list->SetItemIndex(index < list->Items()->Count() ? index : -1);
  }
};

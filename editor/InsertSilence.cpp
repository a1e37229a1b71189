#include "editor/InsertSilence.h"

#include <algorithm>

#include "skin/ZELEdit.h"
#include "skin/ZELGroupBox.h"
#include "skin/ZELImagePanel.h"

TfrmInsertSilence* frmInsertSilence = nullptr;

namespace {

constexpr int kBoxHeight = 64;
constexpr int kSpinWidth = 58;
constexpr int kSpinHeight = 22;
constexpr int kFieldWidth = 96;  // a spin edit, its unit and the gap to the next

// The field's value kept within its range; the text may still hold what
// was typed if the focus never left it.
int ClampedValue(const TzelSpinEdit* spin) { return std::clamp(spin->Value(), spin->MinValue(), spin->MaxValue()); }

}  // namespace

TfrmInsertSilence::TfrmInsertSilence(TComponent* owner)
    : TfrmEffectDialog(owner, "frmInsertSilence", "Insert Silence", false) {
  const int top = NextRowTop();
  zelGroupBox1 = new TzelGroupBox(this);
  zelGroupBox1->SetName("zelGroupBox1");
  zelGroupBox1->SetParent(zelImagePanel1);
  zelGroupBox1->SetBounds(20, top, 300, kBoxHeight);
  zelGroupBox1->SetCaption("Duration of silence");

  const auto field = [this](int index, const std::string& spinName, int max, int value, const std::string& unit,
                            TLabel*& label) {
    const int left = 16 + index * kFieldWidth;
    auto* spin = new TzelSpinEdit(this);
    spin->SetName(spinName);
    spin->SetParent(zelGroupBox1);
    spin->SetBounds(left, 26, kSpinWidth, kSpinHeight);
    spin->SetMinValue(0);
    spin->SetMaxValue(max);
    spin->SetValue(value);
    label = new TLabel(this);
    label->SetName("Label" + std::to_string(index + 1));
    label->SetParent(zelGroupBox1);
    label->SetTransparent(true);
    label->SetAutoSize(true);
    label->SetCaption(unit);
    label->SetLeft(left + kSpinWidth + 6);
    label->SetTop(30);
    return spin;
  };
  spinM = field(0, "spinM", 999, 0, "m", Label1);
  spinS = field(1, "spinS", 59, 0, "s", Label2);
  spinMS = field(2, "spinMS", 999, 343, "ms", Label3);
  FinishLayout(kBoxHeight);
}

TfrmInsertSilence::~TfrmInsertSilence() {
  if (frmInsertSilence == this) frmInsertSilence = nullptr;
}

int TfrmInsertSilence::Milliseconds() const {
  return ClampedValue(spinM) * 60000 + ClampedValue(spinS) * 1000 + ClampedValue(spinMS);
}

#include "editor/EffectDialog.h"

#include <cmath>

#include "editor/DialogFrame.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELForm.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELScrollBar.h"

namespace {

// The rows and the buttons, in the image panel's coordinates.
constexpr int kClientWidth = 340;
constexpr int kMargin = 20;
constexpr int kFirstRowTop = 14;
constexpr int kRowHeight = 46;
constexpr int kBarOffset = 18;  // from a label's top to its bar's
constexpr int kBarHeight = 17;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 27;
constexpr int kButtonGap = 10;
constexpr int kBottomMargin = 14;

// Phase labels are rewritten with this prefix, whatever they started with.
constexpr char kPhasePrefix[] = "SweepPhase   ";

}  // namespace

float PhaseRadians(int position) {
  const long double radians = position * 3.14L / static_cast<long double>(360.0f);
  return static_cast<float>(radians);
}

std::string PhaseText(int position) {
  // lrintl rounds in the default mode, halves to the even neighbour.
  const long hundredths = std::lrintl(position * 314.0L / 360.0L);
  const long whole = hundredths / 100;
  const long fraction = std::labs(hundredths % 100);
  std::string text = (hundredths < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
  if (fraction == 0) return text;
  if (fraction % 10 == 0) return text + "." + std::to_string(fraction / 10);
  return text + (fraction < 10 ? ".0" : ".") + std::to_string(fraction);
}

TfrmEffectDialog::TfrmEffectDialog(TComponent* owner, const std::string& name, const std::string& caption,
                                   bool withDefault)
    : TForm(owner) {
  SetName(name);
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  zelForm1 = DressDialog(this, caption);

  zelImagePanel1 = new TzelImagePanel(this);
  zelImagePanel1->SetName("zelImagePanel1");
  zelImagePanel1->SetParent(zelForm1);
  zelImagePanel1->SetDoubleBuffered(true);
  zelForm1->SetFormPanel(zelImagePanel1);

  const auto button = [this](const std::string& buttonName, const std::string& buttonCaption, int result) {
    auto* made = new TzelButton(this);
    made->SetName(buttonName);
    made->SetParent(zelImagePanel1);
    made->SetCaption(buttonCaption);
    made->SetModalResult(result);
    return made;
  };
  btnOptionOk = button("btnOptionOk", "&Ok", mrOk);
  btnOptionCancel = button("btnOptionCancel", "&Cancel", mrCancel);
  if (withDefault) {
    btnOptionDefault = button("btnOptionDefault", "&Default", mrNone);
    btnOptionDefault->OnClick = [this](TObject*) {
      RestoreDefaults();
      WriteLabels();
    };
  }
}

TzelScrollBar* TfrmEffectDialog::AddParameter(const TEffectParameter& parameter) {
  const int top = NextRowTop();
  auto* label = new TLabel(this);
  label->SetName("Label" + std::to_string(rows_.size() + 1));
  label->SetParent(zelImagePanel1);
  label->SetTransparent(true);
  label->SetAutoSize(true);
  label->SetLeft(kMargin);
  label->SetTop(top);

  auto* bar = new TzelScrollBar(this);
  bar->SetName(parameter.name);
  bar->SetParent(zelImagePanel1);
  bar->SetBounds(kMargin, top + kBarOffset, kClientWidth - 2 * kMargin, kBarHeight);
  bar->SetMax(parameter.max);
  bar->SetMin(parameter.min);
  bar->SetPosition(parameter.start);
  bar->SetSmallChange(1);
  bar->SetLargeChange(2);
  bar->OnChange = [this, bar](TObject*) {
    if (quiet_) return;
    WriteLabel(bar);
    ParameterChanged(bar);
  };
  rows_.push_back({bar, label, parameter});
  label->SetCaption(parameter.prefix + (parameter.phase ? PhaseText(parameter.start)
                                                        : std::to_string(parameter.start)) + parameter.unit);
  return bar;
}

int TfrmEffectDialog::NextRowTop() const { return kFirstRowTop + static_cast<int>(rows_.size()) * kRowHeight; }

void TfrmEffectDialog::FinishLayout(int contentHeight) {
  const int buttonTop = NextRowTop() + contentHeight + kButtonGap;
  std::vector<TzelButton*> buttons = {btnOptionOk, btnOptionCancel};
  if (btnOptionDefault) buttons.push_back(btnOptionDefault);
  const int count = static_cast<int>(buttons.size());
  int left = (kClientWidth - count * kButtonWidth - (count - 1) * kButtonGap) / 2;
  for (TzelButton* button : buttons) {
    button->SetBounds(left, buttonTop, kButtonWidth, kButtonHeight);
    left += kButtonWidth + kButtonGap;
  }
  SetClientSize(kClientWidth, buttonTop + kButtonHeight + kBottomMargin + zelImagePanel1->Top());
  ThemeDialogControls(this, zelForm1);
}

const TfrmEffectDialog::TRow* TfrmEffectDialog::RowOf(const TzelScrollBar* bar) const {
  for (const TRow& row : rows_)
    if (row.bar == bar) return &row;
  return nullptr;
}

TLabel* TfrmEffectDialog::LabelOf(const TzelScrollBar* bar) const {
  const TRow* row = RowOf(bar);
  return row ? row->label : nullptr;
}

void TfrmEffectDialog::WriteLabel(const TzelScrollBar* bar) {
  const TRow* row = RowOf(bar);
  if (!row) return;
  const int position = bar->Position();
  if (row->parameter.phase)
    row->label->SetCaption(kPhasePrefix + PhaseText(position));
  else
    row->label->SetCaption(row->parameter.prefix + std::to_string(position) + row->parameter.unit);
  row->label->Repaint();
}

void TfrmEffectDialog::WriteLabels() {
  for (const TRow& row : rows_) WriteLabel(row.bar);
}

void TfrmEffectDialog::RestoreDefaults() {
  for (const TRow& row : rows_) row.bar->SetPosition(row.parameter.start);
}

TfrmEffectDialog::TQuietChanges::TQuietChanges(TfrmEffectDialog& dialog) : dialog_(dialog) { dialog_.quiet_ = true; }

TfrmEffectDialog::TQuietChanges::~TQuietChanges() {
  dialog_.quiet_ = false;
  dialog_.WriteLabels();
}

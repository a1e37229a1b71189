#include "editor/CueList.h"

#include "editor/DialogFrame.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "platform/framework/ListView.h"
#include "platform/framework/SysUtils.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELEdit.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormControls.h"
#include "skin/ZELListView.h"

TfrmCueList* frmCueList = nullptr;

namespace {

constexpr char kInvalidPosition[] = "Invalid Position Value";
constexpr char kInvalidLength[] = "Invalid Length Value";

// The fields beside the list: a caption left of its edit, row by row.
constexpr int kFieldsLeft = 152;
constexpr int kEditLeft = 206;
constexpr int kEditWidth = 164;
constexpr int kFirstRowTop = 34;
constexpr int kRowPitch = 30;

}  // namespace

TfrmCueList::TfrmCueList(TComponent* owner, TDocumentLink link) : TForm(owner), MainWindow(std::move(link)) {
  SetName("frmCueList");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  zelForm1 = DressDialog(this, "Cue List");
  SetClientSize(380, 250);

  lvIndex = new TzelListView(this);
  lvIndex->SetName("lvIndex");
  lvIndex->SetBounds(10, 32, 130, 206);
  lvIndex->SetParent(zelForm1);
  lvIndex->SetRowSelect(true);
  lvIndex->SetReadOnly(true);
  TListColumn* column = lvIndex->Columns()->Add();
  column->SetCaption("Cue Index");
  column->SetWidth(100);
  lvIndex->OnSelectItem = [this](TObject*, TListItem*, bool) {
    if (!rebuilding_) ShowSelectedMarker();
  };

  const auto field = [this](TLabel*& label, TzelEdit*& edit, const std::string& name, const std::string& caption,
                            int row) {
    const int top = kFirstRowTop + row * kRowPitch;
    label = new TLabel(this);
    label->SetParent(zelForm1);
    label->SetTransparent(true);
    label->SetBounds(kFieldsLeft, top + 3, kEditLeft - kFieldsLeft - 4, 16);
    label->SetCaption(caption);
    edit = new TzelEdit(this);
    edit->SetName(name);
    edit->SetBounds(kEditLeft, top, kEditWidth, 21);
    edit->SetParent(zelForm1);
    edit->SetText("");
  };
  field(lbPosition, tPosition, "tPosition", "Position:", 0);
  field(lbLength, tLength, "tLength", "Length:", 1);
  field(lbLabel, tLabel, "tLabel", "Label:", 2);
  field(lbNote, tNote, "tNote", "Note:", 3);
  field(lbText, tText, "tText", "Text:", 4);

  const auto button = [this](const std::string& name, const std::string& caption, int left) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetCaption(caption);
    made->SetBounds(left, 210, 70, 26);
    made->SetParent(zelForm1);
    return made;
  };
  btnAdd = button("btnAdd", "Add", kFieldsLeft);
  btnChange = button("btnChange", "Change", kFieldsLeft + 76);
  btnDelete = button("btnDelete", "Delete", kFieldsLeft + 152);
  btnChange->SetEnabled(false);
  btnDelete->SetEnabled(false);
  btnAdd->OnClick = [this](TObject* s) { btnAddClick(s); };
  btnChange->OnClick = [this](TObject* s) { btnChangeClick(s); };
  btnDelete->OnClick = [this](TObject* s) { btnDeleteClick(s); };
  ThemeDialogControls(this, zelForm1);

  OnShow = [this](TObject* s) { FormShow(s); };
}

TfrmCueList::~TfrmCueList() {
  if (frmCueList == this) frmCueList = nullptr;
}

void TfrmCueList::FormShow(TObject*) {
  markers_ = MainWindow.Editor ? MainWindow.Editor->Markers() : nullptr;
  RebuildList();
}

void TfrmCueList::RebuildList() {
  // The rows come and go quietly; the selection is shown once at the end.
  rebuilding_ = true;
  lvIndex->Items()->BeginUpdate();
  lvIndex->Items()->Clear();
  const int count = markers_ ? markers_->Count() : 0;
  for (int k = 0; k < count; ++k) lvIndex->Items()->Add()->SetCaption("Cue #" + std::to_string(k));
  if (count > 0) lvIndex->SetSelected(lvIndex->Items()->Item(0));
  lvIndex->Items()->EndUpdate();
  rebuilding_ = false;
  ShowSelectedMarker();
}

void TfrmCueList::ShowSelectedMarker() {
  TListItem* selected = lvIndex->Selected();
  if (!selected || !markers_) {
    tPosition->SetText("0");
    tLength->SetText("0");
    tLabel->SetText("");
    tNote->SetText("");
    tText->SetText("");
    btnChange->SetEnabled(false);
    btnDelete->SetEnabled(false);
    return;
  }
  markers_->SetCurrent(selected->Index() + 1);
  tPosition->SetText(std::to_string(markers_->Position()));
  tLength->SetText(std::to_string(markers_->Length()));
  tLabel->SetText(markers_->Label());
  tNote->SetText(markers_->Note());
  tText->SetText(markers_->Text());
  btnChange->SetEnabled(true);
  btnDelete->SetEnabled(true);
}

bool TfrmCueList::ReadNumber(TzelEdit* edit, const std::string& complaint, int& value) {
  if (TryStrToInt(edit->Text(), value)) return true;
  MainWindow.Tell(complaint);
  SetActiveControl(edit);
  return false;
}

// Writes one number of the current marker; a refused value is told and
// its edit takes the focus.
bool TfrmCueList::WriteMarkerValue(TzelEdit* edit, const std::string& complaint,
                                   void (IAudioEditor2Markers::*set)(std::int64_t), bool& changed) {
  int value = 0;
  if (!ReadNumber(edit, complaint, value)) return false;
  try {
    (markers_->*set)(value);
  } catch (const Exception&) {
    MainWindow.Tell(complaint);
    SetActiveControl(edit);
    return false;
  }
  changed = true;
  return true;
}

void TfrmCueList::btnChangeClick(TObject*) {
  if (!markers_ || markers_->Current() < 1) return;
  // What was written before a refused value stays written, and counts.
  bool changed = false;
  if (WriteMarkerValue(tPosition, kInvalidPosition, &IAudioEditor2Markers::SetPosition, changed) &&
      WriteMarkerValue(tLength, kInvalidLength, &IAudioEditor2Markers::SetLength, changed)) {
    markers_->SetLabel(tLabel->Text());
    markers_->SetNote(tNote->Text());
    markers_->SetText(tText->Text());
  }
  if (changed) MainWindow.Modified();
}

void TfrmCueList::btnAddClick(TObject*) {
  if (!markers_) return;
  int position = 0, length = 0;
  if (!ReadNumber(tPosition, kInvalidPosition, position)) return;
  if (!ReadNumber(tLength, kInvalidLength, length)) return;
  markers_->AddMarker(position, length, tLabel->Text(), tNote->Text(), tText->Text(), -1, -1, -1, -1);
  MainWindow.Modified();
  RebuildList();
}

void TfrmCueList::btnDeleteClick(TObject*) {
  if (!markers_ || markers_->Current() < 1) return;
  markers_->DeleteMarker();
  MainWindow.Modified();
  RebuildList();
}

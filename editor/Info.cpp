#include "editor/Info.h"

#include <vector>

#include "editor/DialogFrame.h"
#include "platform/audioeditor/AudioEditor2.h"
#include "platform/framework/SysUtils.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELEdit.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormControls.h"
#include "skin/ZELRadioGroup.h"

TfrmInfo* frmInfo = nullptr;

namespace {

constexpr int kGenreEntries = 142;
constexpr int kLabelLeft = 12;
constexpr int kEditLeft = 92;
constexpr int kEditWidth = 296;
constexpr int kFirstRowTop = 34;
constexpr int kRowPitch = 26;

// Everything Apply may write, to tell whether it changed anything.
std::vector<std::string> TagValues(const IAudioEditor2FileInfo& info) {
  return {info.Title(),   info.Artist(),   info.Album(),    std::to_string(info.Genre()),
          info.Copyright(), info.Comment(), std::to_string(info.Year()), std::to_string(info.Track()),
          info.URL(),     info.Composer(), info.EncodedBy()};
}

}  // namespace

TfrmInfo::TfrmInfo(TComponent* owner, TDocumentLink link) : TForm(owner), MainWindow(std::move(link)) {
  SetName("frmInfo");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  zelForm1 = DressDialog(this, "File Info");
  SetClientSize(400, 420);

  int row = 0;
  const auto place = [this, &row](TWinControl* control, const std::string& name, const std::string& caption) {
    const int top = kFirstRowTop + row++ * kRowPitch;
    auto* label = new TLabel(this);
    label->SetParent(zelForm1);
    label->SetTransparent(true);
    label->SetBounds(kLabelLeft, top + 3, kEditLeft - kLabelLeft - 4, 16);
    label->SetCaption(caption);
    control->SetName(name);
    control->SetBounds(kEditLeft, top, kEditWidth, 21);
    control->SetParent(zelForm1);
  };
  const auto edit = [this, &place](const std::string& name, const std::string& caption) {
    auto* made = new TzelEdit(this);
    place(made, name, caption);
    made->SetText("");
    return made;
  };
  infoTitle = edit("infoTitle", "Title:");
  infoArtist = edit("infoArtist", "Artist:");
  infoAlbum = edit("infoAlbum", "Album:");
  infoGenre = new TzelComboBox(this);
  place(infoGenre, "infoGenre", "Genre:");
  infoGenre->SetStyle(csDropDownList);
  infoCopyright = edit("infoCopyright", "Copyright:");
  infoYear = edit("infoYear", "Year:");
  infoTrack = edit("infoTrack", "Track:");
  infoComment = edit("infoComment", "Comment:");
  infoComposer = edit("infoComposer", "Composer:");
  infoEncodedBy = edit("infoEncodedBy", "EncodedBy:");
  infoURL = edit("infoURL", "URL:");

  const int below = kFirstRowTop + row * kRowPitch + 2;
  infoMTV = new TzelRadioGroup(this);
  infoMTV->SetName("infoMTV");
  infoMTV->SetBounds(kLabelLeft, below, 376, 44);
  infoMTV->SetParent(zelForm1);
  infoMTV->SetCaption("Mpeg Tag Version");
  infoMTV->SetColumns(2);
  infoMTV->Items()->Add("ID3v1");
  infoMTV->Items()->Add("ID3v2");
  infoMTV->SetItemIndex(-1);

  const auto button = [this, below](const std::string& name, const std::string& caption, int left) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetCaption(caption);
    made->SetBounds(left, below + 54, 80, 26);
    made->SetParent(zelForm1);
    return made;
  };
  btnApply = button("btnApply", "Apply", 218);
  btnReset = button("btnReset", "Reset", 308);
  btnApply->OnClick = [this](TObject* s) { btnApplyClick(s); };
  btnReset->OnClick = [this](TObject* s) { btnResetClick(s); };
  ThemeDialogControls(this, zelForm1);

  FillGenres();
  OnShow = [this](TObject* s) { FormShow(s); };
}

TfrmInfo::~TfrmInfo() {
  if (frmInfo == this) frmInfo = nullptr;
}

void TfrmInfo::FillGenres() {
  if (!MainWindow.Editor || infoGenre->Items()->Count() > 0) return;
  const IAudioEditor2FileInfo& info = *MainWindow.Editor->FileInfo();
  for (int index = 0; index < kGenreEntries; ++index) infoGenre->Items()->Add(info.GenreName(index));
}

void TfrmInfo::FormShow(TObject*) {
  FillGenres();
  info_ = MainWindow.Editor ? MainWindow.Editor->FileInfo() : nullptr;
  LoadInfo();
}

void TfrmInfo::LoadInfo() {
  if (!info_) return;
  infoTitle->SetText(info_->Title());
  infoArtist->SetText(info_->Artist());
  infoAlbum->SetText(info_->Album());
  infoGenre->SetItemIndex(info_->Genre());
  infoCopyright->SetText(info_->Copyright());
  infoComment->SetText(info_->Comment());
  infoYear->SetText(std::to_string(info_->Year()));
  infoTrack->SetText(std::to_string(info_->Track()));
  infoComposer->SetText(info_->Composer());
  infoURL->SetText(info_->URL());
  infoEncodedBy->SetText(info_->EncodedBy());
}

void TfrmInfo::btnApplyClick(TObject*) {
  if (!info_) return;
  const std::vector<std::string> before = TagValues(*info_);
  WriteFields();
  if (TagValues(*info_) != before) MainWindow.Modified();
}

// Writes one number field when it lies in min..max; otherwise tells the
// complaint and gives the field the focus.
bool TfrmInfo::WriteNumber(TzelEdit* edit, int min, int max, const std::string& complaint,
                           void (IAudioEditor2FileInfo::*set)(int)) {
  int value = 0;
  if (TryStrToInt(edit->Text(), value) && value >= min && value <= max) {
    (info_->*set)(value);
    return true;
  }
  MainWindow.Tell(complaint);
  SetActiveControl(edit);
  return false;
}

void TfrmInfo::WriteFields() {
  info_->SetTitle(infoTitle->Text());
  info_->SetArtist(infoArtist->Text());
  info_->SetAlbum(infoAlbum->Text());
  info_->SetGenre(infoGenre->ItemIndex());
  info_->SetCopyright(infoCopyright->Text());
  info_->SetComment(infoComment->Text());

  // A refused year or track stops here; what came before stays written.
  if (!WriteNumber(infoYear, 0, 9999, "Invalid Year Value", &IAudioEditor2FileInfo::SetYear)) return;
  if (!WriteNumber(infoTrack, 0, kMaxTrack, "Invalid Track Value", &IAudioEditor2FileInfo::SetTrack)) return;

  info_->SetURL(infoURL->Text());
  info_->SetComposer(infoComposer->Text());
  info_->SetEncodedBy(infoEncodedBy->Text());
}

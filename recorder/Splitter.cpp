// The splitter window's controls, its showing and closing, and the section
// list that follows the timeline's split points.

#include "recorder/Splitter.h"

#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/Options.h"
#include "recorder/WindowBuilding.h"
#include "recorder/WindowSkin.h"
#include "resources/Resources.h"
#include "skin/ZELPublic.h"

TfrmSplitter* frmSplitter = nullptr;

namespace {

constexpr TColor kLightText = 0xF0E8E0;
constexpr TColor kDisplayText = 0x9CE8B4;

// A whole number shown with at least as many digits as the mask has.
TzelNumberEdit* NumberEdit(TForm* form, const std::string& name, int left, int top, int width,
                           const std::string& mask, int value, const std::string& hint) {
  auto* edit = new TzelNumberEdit(form);
  edit->SetName(name);
  edit->SetParent(form);
  edit->SetBounds(left, top, width, 21);
  edit->SetMask(mask);
  edit->SetValue(value);
  edit->SetHint(hint);
  edit->SetShowHint(!hint.empty());
  return edit;
}

int NumberOf(TzelNumberEdit* edit) { return StrToIntDef(Trim(edit->Text()), 0); }

}  // namespace

TfrmSplitter::TfrmSplitter(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsNone);
  SetPosition(poScreenCenter);
  SetCaption("Velmora mp3 recorder: Splitter");
  SetClientSize(580, 345);
  CreateSkin();
  CreateTimeline();
  CreatePlaybackControls();
  CreateListControls();
  if (TzelFileTheme* theme = RecorderTheme()) ApplyThemeToChildren(*this, FromThemeFile, theme);
  AP.SetBufferCount(10);
  for (TAudioFile2* file : {&AF_IN, &AF_OUT}) file->SetWMAEnabled(true);
  AI.SetWMAEnabled(true);
  OnShow = [this](TObject*) { FormShow(); };
  OnActivate = [this](TObject*) { Invalidate(); };
  OnClose = [this](TObject*, TCloseAction& action) {
    FormClose();
    action = caHide;
  };
  OnCloseQuery = [this](TObject*, bool& canClose) {
    if (!splitting_) return;
    const bool cancel = frmMain && frmMain->AskQuestion &&
                        frmMain->AskQuestion("Splitting in progress, do you want to cancel ?") == mrYes;
    if (!cancel) {
      canClose = false;
      return;
    }
    // The window closes once the thread has ended.
    closeRequested_ = true;
    btnCancelSplitClick();
    canClose = false;
  };
}

TfrmSplitter::~TfrmSplitter() {
  if (frmSplitter == this) frmSplitter = nullptr;
  alive_.End();
  CancelAndWait();
  AP.OnRequestOnLoadArray = nullptr;
  AP.OnEndArrayPlay = nullptr;
  AP.OnTimer = nullptr;
  AP.OnEndPlay = nullptr;
  AP.Stop();
}

void TfrmSplitter::CancelAndWait() {
  if (!thread_) return;
  cancelled_ = true;
  thread_->Terminate();
  thread_->WaitFor();
}

void TfrmSplitter::CreateSkin() {
  UseRecorderSkin();
  zelSkinForm1 = new TzelSkinForm(this);
  zelSkinForm1->SetName("zelSkinForm1");
  zelSkinForm1->SetParent(this);
  ShapeWindow(zelSkinForm1, 581, 345);
  imgSplitterBack = BackgroundImage(this, "imgSplitterBack", "SPLITTER_BACKGROUND");
  plSide = SidePanel(this, ClientWidth(), ClientHeight());
  titleSplitter = WindowTitle(this, "titleSplitter", "Velmora MP3 Recorder Pro: Splitter", 581);

  btnSplit = PictureButton(this, "btnSplit", 6, 24, 60, 37, "SPLIT_START", "Start to split the file(s)");
  btnCancelSplit = PictureButton(this, "btnCancelSplit", 6, 24, 60, 37, "SPLIT_CANCEL", "Cancel split");
  btnCancelSplit->SetVisible(false);
  btnFolder = PictureButton(this, "btnFolder", 67, 24, 60, 37, "SPLIT_FOLDER", "Open the output folder of splitting");
  btnOptions = PictureButton(this, "btnOptions", 128, 24, 60, 37, "SPLIT_OPTIONS", "Options");
  btnHelp = PictureButton(this, "btnHelp", 189, 24, 60, 37, "SPLIT_HELP", "Help");
  btnSplitterClose = PictureButton(this, "btnSplitterClose", 555, 4, 18, 20, "SPLIT_CLOSE", "");
  lbFormatStr = BackgroundLabel(this, "lbFormatStr", 262, 36, 300, kLightText);
  // Off the window: it holds the keyboard focus away from the boxes.
  Button1 = Place<TButton>(this, this, 0, -100, 10, 10);
  Button1->SetName("Button1");

  btnSplit->OnClick = [this](TObject*) { btnSplitClick(); };
  btnCancelSplit->OnClick = [this](TObject*) { btnCancelSplitClick(); };
  btnFolder->OnClick = [this](TObject*) { OpenForUser(OutputFolder()); };
  btnOptions->OnClick = [](TObject*) {
    if (frmOptions) frmOptions->ShowModal();
  };
  btnHelp->OnClick = [](TObject*) { ShowHelpTopic("Recorder.html#splitter"); };
  btnSplitterClose->OnClick = [this](TObject*) { Close(); };
}

void TfrmSplitter::CreateTimeline() {
  Timeline = new TMyTrackBar(this);
  Timeline->SetName("Timeline");
  Timeline->SetParent(this);
  Timeline->SetBounds(7, 63, 566, 85);
  Timeline->SendToBack();
  const auto picture = [](const char* name) { return LoadResourceBitmap(name); };
  Timeline->SetBackground(picture("TIMELINE_BACKGROUND").get());
  Timeline->SetThumbImages(picture("TIMELINE_THUMB_UP").get(), picture("TIMELINE_THUMB_DOWN").get());
  Timeline->SetCursorImages(picture("TIMELINE_CURSOR").get(), picture("TIMELINE_MARK").get());
  Timeline->SetSectionImages(picture("TIMELINE_UNCHECKED").get(), picture("TIMELINE_SELECTED").get());
  Timeline->OnPositionChange = [this](TObject*) { lbDuration->SetCaption(FormatDurationMsec(Timeline->Position())); };
  Timeline->OnPointsChange = [this](TObject*) { RebuildSectionList(); };
}

void TfrmSplitter::CreatePlaybackControls() {
  btnBackward = PictureButton(this, "btnBackward", 8, 152, 25, 27, "SPLIT_STEP_BACK", "Step backward");
  btnPlayBackward = PictureButton(this, "btnPlayBackward", 34, 152, 25, 27, "SPLIT_PLAY_BEFORE",
                                  "Play the time(ms) in the box before the current position");
  btnPlay = PictureButton(this, "btnPlay", 60, 152, 25, 27, "SPLIT_PLAY",
                          "Play from the current position before adding time into the list");
  btnPause = PictureButton(this, "btnPause", 86, 152, 25, 27, "SPLIT_PAUSE", "Pause");
  btnStop = PictureButton(this, "btnStop", 112, 152, 25, 27, "SPLIT_STOP", "Stop");
  btnPlayForward = PictureButton(this, "btnPlayForward", 138, 152, 25, 27, "SPLIT_PLAY_AFTER",
                                 "Play the time(ms) in the box after the current position");
  btnForward = PictureButton(this, "btnForward", 164, 152, 25, 27, "SPLIT_STEP_FORWARD", "Step forward");
  numBackward = NumberEdit(this, "numBackward", 196, 155, 48, "0", 2000, "Milliseconds played before the position");
  numForward = NumberEdit(this, "numForward", 248, 155, 48, "0", 2000, "Milliseconds played after the position");
  lbDuration = BackgroundLabel(this, "lbDuration", 308, 158, 110, kDisplayText);
  lbDuration->SetAlignment(taCenter);
  rb05x = SkinnedBox<TzelRadioButton>(this, "rb05x", 432, 157, 46, "0.5 x");
  rb1x = SkinnedBox<TzelRadioButton>(this, "rb1x", 480, 157, 40, "1 x");
  rb15x = SkinnedBox<TzelRadioButton>(this, "rb15x", 522, 157, 50, "1.5 x");
  rb1x->SetChecked(true);
  cboxBackToStart = SkinnedBox<TzelCheckBox>(this, "cboxBackToStart", 8, 188, 104, "Back to start");

  btnPlay->OnClick = [this](TObject*) { btnPlayClick(); };
  btnPause->OnClick = [this](TObject*) { btnPauseClick(); };
  btnStop->OnClick = [this](TObject*) { btnStopClick(); };
  btnPlayForward->OnClick = [this](TObject*) { btnPlayForwardClick(); };
  btnPlayBackward->OnClick = [this](TObject*) { btnPlayBackwardClick(); };
  btnBackward->OnClick = [this](TObject*) { Timeline->StepBackward(); };
  btnForward->OnClick = [this](TObject*) { Timeline->StepForward(); };
  // A speed change starts playback again at the position.
  for (TzelRadioButton* speed : {rb05x, rb1x, rb15x})
    speed->OnClick = [this](TObject*) {
      btnStopClick();
      btnPlayClick();
    };
  for (TWinControl* box : std::initializer_list<TWinControl*>{cboxBackToStart, rb05x, rb1x, rb15x})
    box->OnEnter = [this](TObject*) {
      if (Button1->CanFocus()) SetActiveControl(Button1);
    };

  AP.OnRequestOnLoadArray = [this](TObject*) { FeedPlayer(); };
  AP.OnEndArrayPlay = [this](TObject*) { FeedPlayer(); };
  AP.OnTimer = [this](TObject*, int current, int left, int right) { PlayerTimer(current, left, right); };
  AP.OnEndPlay = [this](TObject*) {
    if (mode_ == TPlayMode::Preview) {
      btnPreviewStopClick();
      return;
    }
    Timeline->SetPosition(cboxBackToStart->Checked() ? playStart_ : Timeline->End());
    EndPlayback();
  };
}

void TfrmSplitter::CreateListControls() {
  numGotoMin = NumberEdit(this, "numGotoMin", 120, 186, 34, "000", 0, "Minutes");
  numGotoSec = NumberEdit(this, "numGotoSec", 157, 186, 26, "00", 0, "Seconds");
  numGotoMs = NumberEdit(this, "numGotoMs", 186, 186, 34, "000", 0, "Milliseconds");
  numGotoSec->OnChange = [this](TObject*) {
    const std::string text = Trim(numGotoSec->Text());
    int value = 0;
    if (!TryStrToInt(text, value)) numGotoSec->SetText("00");
    else if (value >= 60) numGotoSec->SetText("59");
  };
  btnGoto = PictureButton(this, "btnGoto", 224, 184, 25, 25, "SPLIT_GOTO", "Goto the time in the box");
  btnAddTime = PictureButton(this, "btnAddTime", 262, 184, 25, 25, "SPLIT_ADD",
                             "Add the current playback time as the split point into the splitting list");
  btnRemove = PictureButton(this, "btnRemove", 288, 184, 25, 25, "SPLIT_REMOVE", "Remove the selected section from the list");
  btnRemoveAll = PictureButton(this, "btnRemoveAll", 314, 184, 25, 25, "SPLIT_REMOVE_ALL", "Remove all sections from the list");
  btnPreview = PictureButton(this, "btnPreview", 346, 184, 25, 25, "SPLIT_PREVIEW", "Preview selected section before generating");
  btnPreviewStop = PictureButton(this, "btnPreviewStop", 346, 184, 25, 25, "SPLIT_PREVIEW_STOP", "Stop preview");
  btnPreviewStop->SetVisible(false);

  lvSplitList = new TzelListView(this);
  lvSplitList->SetName("lvSplitList");
  lvSplitList->SetParent(this);
  lvSplitList->SetBounds(9, 217, 548, 119);
  lvSplitList->SetCheckboxes(true);
  lvSplitList->SetReadOnly(true);
  lvSplitList->SetRowSelect(true);
  lvSplitList->SetGridLines(true);
  lvSplitList->SetDoubleBuffered(true);
  AddColumns(lvSplitList, {{"Use", 36}, {"Start", 90}, {"End", 90}, {"Duration", 90}, {"Status", 150}});
  CompanionScrollBars(lvSplitList, sbSplitListV, sbSplitListH);

  lvSplitList->OnChange = [this](TObject*, TListItem* item, TItemChange change) {
    if (change == ctState) TakeChecksFromList(item);
  };
  lvSplitList->OnClick = [this](TObject*) { Timeline->SetHighlight(SelectedRow()); };
  lvSplitList->OnDblClick = [this](TObject*) { Timeline->GotoPoint(SelectedRow()); };
  btnGoto->OnClick = [this](TObject*) { btnGotoClick(); };
  btnAddTime->OnClick = [this](TObject*) {
    Timeline->AddPointAtPosition();
    Timeline->SetHighlight(-1);
  };
  btnRemove->OnClick = [this](TObject*) {
    Timeline->DeletePoint(SelectedRow(), true);
    Timeline->SetHighlight(-1);
  };
  btnRemoveAll->OnClick = [this](TObject*) { Timeline->ClearPoints(); };
  btnPreview->OnClick = [this](TObject*) { btnPreviewClick(); };
  btnPreviewStop->OnClick = [this](TObject*) { btnPreviewStopClick(); };
}

void TfrmSplitter::FormShow() {
  if (Button1->CanFocus()) SetActiveControl(Button1);
  AI.Open(SourcePath);
  lbDuration->SetCaption(FormatDurationMsec(AI.DurationMs()));
  lbFormatStr->SetCaption(AI.FormatText());
  try {
    if (AI.SampleRate() > 0) AP.SetFormat(AI.SampleRate(), std::max(1, AI.Channels()));
  } catch (const std::exception&) {
    // No sound output: the file still splits.
  }
  Timeline->SetStart(0);
  Timeline->SetLength(AI.DurationMs());
  Timeline->SetPosition(0);
  Timeline->SetHighlight(-1);
  splitting_ = false;
}

void TfrmSplitter::FormClose() {
  mode_ = TPlayMode::None;
  paused_ = false;
  EndPlayback();
  Timeline->ClearPoints();
  Timeline->SetPosition(0);
}

void TfrmSplitter::btnGotoClick() {
  Timeline->SetPosition(std::int64_t{NumberOf(numGotoMin)} * 60000 + std::int64_t{NumberOf(numGotoSec)} * 1000 +
                        NumberOf(numGotoMs));
}

int TfrmSplitter::SelectedRow() const {
  TListItem* selected = lvSplitList->Selected();
  return selected ? selected->Index() : -1;
}

void TfrmSplitter::RebuildSectionList() {
  rebuilding_ = true;
  TListItems* items = lvSplitList->Items();
  items->Clear();
  const auto& points = Timeline->Points().Points();
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    TListItem* item = items->Add();
    item->SubItems()->Add(FormatDurationMsec(points[i].position));
    item->SubItems()->Add(FormatDurationMsec(points[i + 1].position));
    item->SubItems()->Add(FormatDurationMsec(points[i + 1].position - points[i].position));
    item->SubItems()->Add("");
    item->SetChecked(points[i].use);
  }
  rebuilding_ = false;
}

void TfrmSplitter::TakeChecksFromList(TListItem* item) {
  if (rebuilding_ || !item) return;
  Timeline->SetPointUse(item->Index(), item->Checked());
}

void TfrmSplitter::SetStatus(int row, const std::string& text) {
  if (row < 0 || row >= lvSplitList->Items()->Count()) return;
  lvSplitList->Items()->Item(row)->SubItems()->SetStrings(3, text);
  lvSplitList->Invalidate();
}

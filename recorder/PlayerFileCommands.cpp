// What the player does with the selected file: the popup menu, renaming
// in place, deleting, mailing and handing it to the audio editor.

#include "platform/base/Exceptions.h"
#include "platform/framework/IniFiles.h"
#include "platform/framework/StringList.h"
#include "platform/os/Files.h"
#include "platform/os/Process.h"
#include "platform/os/VirtualKeys.h"
#include "recorder/GlobeVar.h"
#include "recorder/Player.h"
#include "recorder/PlayerRows.h"

namespace {

const char* const kSelectAFile = "Please select an audio file";
const char* const kEditorProgram = "olwick";

TMenuItem* AddItem(TPopupMenu* menu, const std::string& caption) {
  auto* item = new TMenuItem(menu);
  item->SetCaption(caption);
  menu->Items()->Add(item);
  return item;
}

}  // namespace

void TfrmPlayer::CreatePopupMenu() {
  popMenuConvert = new TPopupMenu(this);
  mnuConvertWav = AddItem(popMenuConvert, "Convert to WAV");
  mnuConvertMp3 = AddItem(popMenuConvert, "Convert to MP3");
  mnuConvertOgg = AddItem(popMenuConvert, "Convert to OGG");
  mnuConvertWma = AddItem(popMenuConvert, "Convert to WMA");
  mnuCancel = AddItem(popMenuConvert, "Cancel");
  AddItem(popMenuConvert, cLineCaption);
  mnuEmail = AddItem(popMenuConvert, "Email");
  mnuRename = AddItem(popMenuConvert, "Rename");
  mnuDelete = AddItem(popMenuConvert, "Delete");
  for (const char* caption : {"Copy", "Move", cLineCaption, "Edit", "Tag"})
    AddItem(popMenuConvert, caption)->SetVisible(false);
  popMenuConvert->OnPopup = [this](TObject*) { PopupMenuOpens(); };
  mnuCancel->OnClick = [this](TObject*) { CancelConversion(); };
  mnuEmail->OnClick = [this](TObject*) { MailSelected(); };
  mnuRename->OnClick = [this](TObject*) { BeginRename(); };
  mnuDelete->OnClick = [this](TObject*) { DeleteSelected(); };
  lvPlayList->SetPopupMenu(popMenuConvert);

  edRename = new TEdit(this);
  edRename->SetParent(lvPlayList);
  edRename->SetVisible(false);
  edRename->OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
    if (key == VK_RETURN || key == VK_ESCAPE) {
      const bool accept = key == VK_RETURN;
      key = 0;
      EndRename(accept);
    }
  };
  edRename->OnExit = [this](TObject*) {
    if (Renaming()) EndRename(true);
  };
}

void TfrmPlayer::PopupMenuOpens() {
  TListItem* selected = lvPlayList->Selected();
  int marker = kMarkerOrdinary;
  std::string format;
  if (selected) {
    selectedFilePath_ = PathOf(selected);
    marker = MarkerOf(selected);
    format = FormatNameOfFile(selected->Caption());
  }
  const TRowCommands commands = RowCommandsFor(selected != nullptr, marker, convertingRowIndex_ >= 0);
  const std::pair<TMenuItem*, const char*> converts[] = {
      {mnuConvertWav, "WAV"}, {mnuConvertMp3, "MP3"}, {mnuConvertOgg, "OGG"}, {mnuConvertWma, "WMA"}};
  for (const auto& [item, itemFormat] : converts) item->SetEnabled(commands.convert && format != itemFormat);
  mnuCancel->SetEnabled(commands.cancel);
  mnuRename->SetEnabled(commands.rename);
  mnuDelete->SetEnabled(commands.remove);
  mnuEmail->SetEnabled(commands.mail);
}

bool TfrmPlayer::BeginRename() {
  TListItem* selected = lvPlayList->Selected();
  if (!selected || Renaming()) return false;
  const int marker = MarkerOf(selected);
  if (marker == kMarkerPlaying || marker == kMarkerConverting) return false;
  renamingRow_ = selected->Index();
  selectedFilePath_ = PathOf(selected);
  selected->MakeVisible(false);
  const TRect row = selected->DisplayRect();
  edRename->SetBounds(row.Left, row.Top, lvPlayList->Columns()->Items(kColumnName)->Width(), row.Bottom - row.Top);
  edRename->SetText(selected->Caption());
  edRename->SetVisible(true);
  edRename->SetFocus();
  edRename->SelectAll();
  return true;
}

void TfrmPlayer::EndRename(bool accept) {
  if (!Renaming()) return;
  const int row = renamingRow_;
  renamingRow_ = -1;
  edRename->SetVisible(false);
  if (!accept || row >= lvPlayList->Items()->Count()) return;
  TListItem* item = lvPlayList->Items()->Item(row);
  const std::string oldName = item->Caption();
  const std::string newName = RenamedFileName(edRename->Text(), oldName);
  if (newName == oldName) return;
  if (newName.empty()) {
    ShowMessage("\"" + edRename->Text() + "\" is not a valid file name.");
    return;
  }
  if (FileExists(currentFolder_ + newName) || DirectoryExists(currentFolder_ + newName)) {
    ShowMessage("A file named \"" + newName + "\" already exists.");
    return;
  }
  if (!RenameFile(currentFolder_ + oldName, currentFolder_ + newName)) {
    ShowMessage("The file \"" + oldName + "\" could not be renamed.");
    return;
  }
  item->SetCaption(newName);
  selectedFilePath_ = currentFolder_ + newName;
}

void TfrmPlayer::DeleteSelected() {
  if (Renaming()) EndRename(true);
  TListItem* selected = lvPlayList->Selected();
  if (!selected || MarkerOf(selected) != kMarkerOrdinary) return;
  const std::string name = selected->Caption();
  if (AskQuestion("Do you want to delete \"" + name + "\"?") != mrYes) return;
  // Gone already (removed outside the program): only the row is left to remove.
  if (FileExists(PathOf(selected)) && !DeleteFile(PathOf(selected))) {
    ShowMessage("The file \"" + name + "\" could not be deleted.");
    return;
  }
  const int index = selected->Index();
  lvPlayList->Items()->Delete(index);
  // The rows after it moved up by one.
  if (playingRowIndex_ > index) --playingRowIndex_;
  if (convertingRowIndex_ > index) --convertingRowIndex_;
}

void TfrmPlayer::MailSelected() {
  TListItem* selected = lvPlayList->Selected();
  if (!selected) return;
  TStringList mail;
  mail.Add("to=");
  mail.Add("subject=" + Subject);
  mail.Add("body=" + Body);
  mail.Add("attachment0=" + PathOf(selected));
  if (SendMailMapi(Application->MainForm() ? Application->MainForm()->Handle() : nullptr, mail) != SUCCESS_SUCCESS)
    ShowMessage("The mail program could not be started.");
}

void TfrmPlayer::EditSelected() {
  TListItem* selected = lvPlayList->Selected();
  if (!selected) {
    ShowMessage(kSelectAFile);
    return;
  }
  const std::string path = PathOf(selected);
  if (selected->Index() == playingRowIndex_) {
    paused_ = false;
    StopPlaying();
  }
  const std::string editor = AppFolder + kEditorProgram;
  if (!FileExists(editor)) {
    ShowMessage("The audio editor is not installed beside this program.");
    return;
  }
  if (!WriteEditorHandOver(path)) return;
  if (!ProcessStarter().StartDetached({editor}, AppFolder)) ShowMessage("The audio editor could not be started.");
}

// The editor reads the file to open and where to place itself from here.
bool TfrmPlayer::WriteEditorHandOver(const std::string& path) {
  try {
    TIniFile ini(SettingsFolder + "Init.ini");
    ini.BeginUpdate();
    ini.WriteString("Init", "FileName", path);
    ini.WriteInteger("Init", "Left", Left());
    ini.WriteInteger("Init", "Top", Top());
    ini.EndUpdate();
    return true;
  } catch (const Exception& error) {
    ShowMessage("The file cannot be handed to the audio editor: " + error.Message());
    return false;
  }
}

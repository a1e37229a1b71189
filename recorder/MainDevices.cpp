// The show step of the main window: input devices and lines, the stored
// choices, and the level monitor that moves the meters.

#include <algorithm>
#include <optional>

#include "platform/base/Exceptions.h"
#include "platform/framework/IniFiles.h"
#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/Options.h"

namespace {

// The monitor's capture block and event period.
constexpr int kMonitorBlockMs = 200;
constexpr int kMonitorTimerMs = 50;

// Levels come as 0..100, as the meters take them.
int MeterLevel(int level) { return std::clamp(level, 0, 100); }

std::string Trimmed(const std::string& text) { return Trim(text); }

}  // namespace

void TfrmMain::FormShow(TObject*) {
  if (shown_) return;
  SetActiveControl(Button1);
  LinkOptionsWindow();
  const int outputs = AP.DeviceCount();  // highest index
  if (outputs >= 0 && AP.Device() > outputs) AP.SetDevice(0);

  TIniFile settings(SettingsFolder + SettingsFileName);
  const std::string storedDevice = settings.ReadString("Device", "InputDevice", "");
  std::string storedLine = settings.ReadString("Device", "InputLine", "");
  const int storedFormat = settings.ReadInteger("OutputFormat", "Selected", 0);

  if (!FillDevices()) {
    ShowMessage("No input device");
    Application->Terminate();
    return;
  }
  SelectStoredDevice(storedDevice, storedLine);
  RefillWmaFormats();

  paused_ = false;
  recording_ = false;
  playing_ = false;
  SelectOutputButton(OutputFormatOfSelected(storedFormat));
  PickPlaybackLine();
  FillInputLines(storedLine);
  SetUpLevelMonitor();
  shown_ = true;
  KeepMonitorInStep();
  tbPlaybackProgress->SetPosition(0);
}

void TfrmMain::RefillWmaFormats() {
  if (!frmOptions) return;
  TComboBox* list = frmOptions->comboWmaFormat;
  const int kept = list->ItemIndex();
  AF1.SetWMAEnabled(true);
  list->Items()->Clear();
  const int count = AWF.ProfileCount();
  for (int profile = 1; profile <= count; ++profile) {
    AWF.SetProfile(profile);
    list->Items()->Add(AWF.ProfileName());
  }
  const int chosen = kept >= 0 && kept < count ? kept : (count > 0 ? 0 : -1);
  list->SetItemIndex(chosen);
  // The profile recordings use follows the list, which may have lost the
  // stored choice.
  if (chosen != kept) WmaFormat = chosen + 1;
}

void TfrmMain::LinkOptionsWindow() {
  if (!frmOptions) return;
  frmOptions->Recorder = &AR;
  frmOptions->MainWindow.SetVoxChecked = [this](bool checked) { cboxVox->SetChecked(checked); };
  frmOptions->MainWindow.InputLineText = [this] {
    const int entry = comboxSource->ItemIndex();
    return entry < 0 ? std::string() : comboxSource->Items()->Strings(entry);
  };
  frmOptions->MainWindow.SelectedFormat = [this] { return static_cast<int>(SelectedFormat()); };
  frmOptions->MainWindow.InputDeviceChanged = [this] { UseChosenInputDevice(); };
}

bool TfrmMain::FillDevices() {
  TComboBox* list = frmOptions ? frmOptions->comboDevice : nullptr;
  if (list) list->Items()->Clear();
  deviceIndices_.clear();
  const int highest = AR.DeviceCount();  // highest index, negative when none
  for (int device = 0; device <= highest; ++device) {
    AR.SetDevice(device);
    AR_Monitor.SetDevice(device);
    // The line count is the highest line index: a device whose only line
    // is line 0 is listed too.
    if (!AR.DeviceAvailable() || AR.LineCount() < 0) continue;
    if (list) list->Items()->Add(AR.DeviceName());
    deviceIndices_.push_back(device);
  }
  return !deviceIndices_.empty();
}

void TfrmMain::SelectStoredDevice(const std::string& deviceName, std::string& lineName) {
  // Without the stored device (the first run, or it is gone) the input the
  // sound server records from by default is taken, never a monitor of the
  // speakers that merely comes first.
  std::optional<std::size_t> stored, serverDefault;
  for (std::size_t i = 0; i < deviceIndices_.size(); ++i) {
    AR.SetDevice(deviceIndices_[i]);
    if (!stored && Trimmed(AR.DeviceName()) == Trimmed(deviceName)) stored = i;
    if (!serverDefault && AR.DeviceIsDefault()) serverDefault = i;
  }
  if (!stored) lineName.clear();
  const std::size_t entry = stored.value_or(serverDefault.value_or(0));
  AR.SetDevice(deviceIndices_[entry]);
  AR_Monitor.SetDevice(deviceIndices_[entry]);
  if (frmOptions) frmOptions->comboDevice->SetItemIndex(static_cast<int>(entry));
}

void TfrmMain::UseChosenInputDevice() {
  // The options window chose the device on AR. The monitor takes it too,
  // over a list fetched now as AR's was, so the indices agree.
  AR_Monitor.DeviceCount();
  AR_Monitor.SetDevice(AR.Device());
  FillInputLines("");
  if (!shown_) return;  // the show starts the capture
  // Running captures stay on the device they opened: open them again, so
  // the meters, voice activation and the recording all hear the new one.
  // A running recording goes on in the same file, as after a pause.
  AR_Monitor.Stop();
  KeepMonitorInStep();
  if (!recording_ || paused_) return;
  AR.Stop();
  try {
    AR.Start();
  } catch (const Exception& error) {
    EndRecordingOnFailure(error.Message());
  }
}

void TfrmMain::SelectOutputButton(TOutputFormat format) {
  rbOutputWav->SetChecked(format == TOutputFormat::Wav);
  rbOutputMp3->SetChecked(format == TOutputFormat::Mp3);
  rbOutputOgg->SetChecked(format == TOutputFormat::Ogg);
  rbOutputWma->SetChecked(format == TOutputFormat::Wma);
}

TOutputFormat TfrmMain::SelectedFormat() const {
  return OutputFormatOfButtons(rbOutputWav->Checked(), rbOutputMp3->Checked(), rbOutputOgg->Checked());
}

void TfrmMain::FillInputLines(const std::string& lineName) {
  const int highest = AR.LineCount();  // highest index: 0 is a single line
  if (highest < 0) return;
  comboxSource->Items()->Clear();
  lineIndices_.clear();
  for (int line = 0; line <= highest; ++line) {
    AR.SetLine(line);
    AR_Monitor.SetLine(line);
    if (!AR.LineAvailable()) continue;
    comboxSource->Items()->Add(AR.LineName());
    lineIndices_.push_back(line);
  }
  int entry = lineIndices_.empty() ? -1 : 0;
  if (!lineName.empty()) {
    entry = -1;
    for (int i = 0; i < comboxSource->Items()->Count(); ++i) {
      if (Trimmed(comboxSource->Items()->Strings(i)) == Trimmed(lineName)) {
        entry = i;
        break;
      }
    }
  }
  comboxSource->SetItemIndex(entry);
  if (entry >= 0) SelectLine(entry);
}

void TfrmMain::SelectLine(int entry) {
  if (entry < 0 || entry >= static_cast<int>(lineIndices_.size())) return;
  const int line = lineIndices_[entry];
  AR.SetLine(line);
  AR_Monitor.SetLine(line);
  tbRecordVolume->SetPosition(AR.LineVolume());
  AR.SetLineSelected(true);
  AR_Monitor.SetLineSelected(true);
}

void TfrmMain::SetUpLevelMonitor() {
  AR_Monitor.SetFormat(44100, 2);
  AR_Monitor.SetBlockSize(AR_Monitor.MsToSamples(kMonitorBlockMs));
  AR_Monitor.SetTimerInterval(kMonitorTimerMs);
  AV->SetFormat(44100, 2);
  vox_.Reset();
  AttackLevel = -46;
  ReleaseTime = 600;
  AR_Monitor.OnTimer = [this](TObject*, int, int left, int right) { MonitorTimer(left, right); };
}

void TfrmMain::KeepMonitorInStep() {
  // The input is shown only while it is recorded or voice activation
  // listens; the rest of the time nothing captures, so an idle recorder
  // costs nothing.
  if (!shown_) return;
  if (!recording_ && !cboxVox->Checked()) {
    AR_Monitor.Stop();
    if (!playing_) {
      leftMeter_->SetLevel(0);
      rightMeter_->SetLevel(0);
      AV->PutData(TSampleBlock());
    }
    return;
  }
  try {
    AR_Monitor.Start();
  } catch (const Exception& error) {
    ShowMessage(error.Message());
  }
}

void TfrmMain::MonitorTimer(int levelLeft, int levelRight) {
  // The input shows only while it is recorded or voice activation
  // listens; a playing file owns the meters and the wave display.
  if (!recording_ && (playing_ || !cboxVox->Checked())) {
    if (!playing_) {
      leftMeter_->SetLevel(0);
      rightMeter_->SetLevel(0);
      AV->PutData(TSampleBlock());
    }
    return;
  }
  VoxTick();
  leftMeter_->SetLevel(MeterLevel(levelLeft));
  rightMeter_->SetLevel(MeterLevel(levelRight));
  AV->PutData(AR_Monitor.GetLastSamples(AR_Monitor.MsToSamples(kMonitorTimerMs) * 2));
}

// The cue list, file information and conversion windows as the screen
// shows them, in the editor's two theme files, compared with the
// reference pictures in tests/editor/shots/. After an intended change of
// look:
//   VELMORA_UPDATE_SHOTS=1 build/tests/editor/test_editor --gtest_filter='*DocumentWindowsShot*'
// then look at every picture before committing them.

#include "DocumentWindowsFixture.h"
#include "resources/Resources.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormControls.h"
#include "skin/ZELMgr.h"
#include "tests/shots/ReferenceShot.h"

namespace {

struct TShotTheme {
  const char* name;      // in the pictures' names
  const char* resource;  // the embedded theme file
};
const TShotTheme kThemes[] = {{"theme1", kEditorThemeResource1}, {"theme2", kEditorThemeResource2}};

class DocumentWindowsShot : public DocumentWindowsTest, public ::testing::WithParamInterface<TShotTheme> {
 protected:
  template <class TWindow>
  void Expect(TWindow* window, const std::string& name) {
    auto* theme = new TzelBuiltInFileTheme(window);
    theme->LoadSkinData(LoadResourceData(GetParam().resource));
    window->zelForm1->SetFileTheme(theme);
    ThemeDialogControls(window, window->zelForm1);
    std::string difference = "the window did not show";
    ShowAndDo(window, [&] {
      HeadlessPumpUntilIdle();
      difference = CompareWithReference(*ShootWindow(window->Handle()),
                                        "editor/shots/" + name + "-" + GetParam().name + ".png");
    });
    EXPECT_EQ(difference, "") << name;
  }
};

TEST_P(DocumentWindowsShot, EveryWindow) {
  editor->OpenFile(WriteTone("tone.wav", 44100));
  editor->Markers()->AddMarker(4410, 0, "Verse", "calm", "");
  editor->Markers()->AddMarker(22050, 4410, "Chorus", "", "loud");
  Expect(frmCueList, "cue-list");
  IAudioEditor2FileInfo& info = *editor->FileInfo();
  info.SetTitle("Night Walk");
  info.SetArtist("The Quiet Ones");
  info.SetGenre(8);
  info.SetYear(2024);
  info.SetTrack(3);
  Expect(frmInfo, "file-info");
  Expect(frmConvert, "convert");
}

INSTANTIATE_TEST_SUITE_P(Themes, DocumentWindowsShot, ::testing::ValuesIn(kThemes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

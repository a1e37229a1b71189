// The effect dialogs as the screen shows them, in the editor's two theme
// files, compared with the reference pictures in tests/editor/shots/.
// After an intended change of look:
//   VELMORA_UPDATE_SHOTS=1 build/tests/editor/test_editor --gtest_filter='*EffectDialogShot*'
// then look at every picture before committing them.

#include <string>

#include "EffectDialogFixture.h"
#include "resources/Resources.h"
#include "skin/ZELEdit.h"
#include "skin/ZELForm.h"
#include "skin/ZELFormControls.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"
#include "tests/shots/ReferenceShot.h"

namespace {

struct TShotTheme {
  const char* name;      // in the pictures' names
  const char* resource;  // the embedded theme file
};
const TShotTheme kThemes[] = {{"theme1", kEditorThemeResource1}, {"theme2", kEditorThemeResource2}};

class EffectDialogShot : public EffectDialogTest, public ::testing::WithParamInterface<TShotTheme> {
 protected:
  // Dresses the dialog in the theme under test, shows it and compares it
  // with the reference NAME-THEME.png.
  void Expect(TfrmEffectDialog* dialog, const std::string& name) {
    auto* theme = new TzelBuiltInFileTheme(dialog);
    theme->LoadSkinData(LoadResourceData(GetParam().resource));
    dialog->zelForm1->SetFileTheme(theme);
    ThemeDialogControls(dialog, dialog->zelForm1);
    std::string difference = "the dialog did not show";
    ShowAndDo(dialog, [&] {
      difference = CompareWithReference(*ShootWindow(dialog->Handle()),
                                        "editor/shots/" + name + "-" + GetParam().name + ".png");
      dialog->SetModalResult(mrCancel);
    });
    EXPECT_EQ(difference, "") << name;
  }
};

TEST_P(EffectDialogShot, EveryDialog) {
  frmAmplify->SetPlusMode(false);
  frmAmplify->sbarAmplify->SetPosition(35);
  Expect(frmAmplify, "amplify-minus");
  Expect(frmNormalize, "normalize");
  frmFadeInOut->SetFadeInMode(false);
  Expect(frmFadeInOut, "fade-out");
  frmFlanger->sbarSweepPhase->SetPosition(180);
  Expect(frmFlanger, "flanger");
  Expect(frmVibrato, "vibrato");
  Expect(frmDelay, "delay");
  Expect(frmNotchFilter, "notch-filter");
  Expect(frmBandPassFilter, "band-pass-filter");
  Expect(frmHighPassFilter, "high-pass-filter");
  Expect(frmLowPassFilter, "low-pass-filter");
  Expect(frmHighShelfFilter, "high-shelf-filter");
  Expect(frmLowShelfFilter, "low-shelf-filter");
  frmInsertSilence->spinS->SetValue(12);
  Expect(frmInsertSilence, "insert-silence");
}

INSTANTIATE_TEST_SUITE_P(Themes, EffectDialogShot, ::testing::ValuesIn(kThemes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

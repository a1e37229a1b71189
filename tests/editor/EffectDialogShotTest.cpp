// Three effect dialogs as the screen shows them, compared with the
// reference pictures in tests/editor/shots/. After an intended change of
// look:
//   VELMORA_UPDATE_SHOTS=1 build/tests/editor/test_editor --gtest_filter='EffectDialogShot*'
// then look at every picture before committing them.

#include <string>

#include "EffectDialogFixture.h"
#include "skin/ZELEdit.h"
#include "skin/ZELScrollBar.h"
#include "tests/shots/ReferenceShot.h"

namespace {

class EffectDialogShot : public EffectDialogTest {
 protected:
  void Expect(TForm* dialog, const std::string& name) {
    std::string difference = "the dialog did not show";
    ShowAndDo(dialog, [&] {
      difference = CompareWithReference(*ShootWindow(dialog->Handle()), "editor/shots/" + name + ".png");
      dialog->SetModalResult(mrCancel);
    });
    EXPECT_EQ(difference, "");
  }
};

TEST_F(EffectDialogShot, AmplifyFlangerAndInsertSilence) {
  frmAmplify->SetPlusMode(false);
  frmAmplify->sbarAmplify->SetPosition(35);
  Expect(frmAmplify, "amplify-minus");
  frmFlanger->sbarSweepPhase->SetPosition(180);
  Expect(frmFlanger, "flanger");
  frmInsertSilence->spinS->SetValue(12);
  Expect(frmInsertSilence, "insert-silence");
}

}  // namespace

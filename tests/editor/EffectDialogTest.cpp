#include <string>
#include <vector>

#include "EffectDialogFixture.h"
#include "platform/framework/Forms.h"
#include "resources/Resources.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELEdit.h"
#include "skin/ZELForm.h"
#include "skin/ZELGroupBox.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELMgr.h"
#include "skin/ZELScrollBar.h"

namespace {

struct TExpectedBar {
  const char* name;
  int min, max, start;
  const char* label;
};

struct TExpectedDialog {
  TfrmEffectDialog* dialog;
  const char* caption;
  std::vector<TExpectedBar> bars;
};

TzelScrollBar* BarNamed(TForm* dialog, const std::string& name) {
  return dynamic_cast<TzelScrollBar*>(dialog->FindComponent(name));
}

std::vector<TExpectedDialog> ExpectedDialogs() {
  return {
      {frmAmplify, "Amplify +", {{"sbarAmplify", 100, 200, 120, "Level   120%"}}},
      {frmNormalize, "Normalize", {{"sbarNormalize", 0, 100, 80, "Level   80%"}}},
      {frmFadeInOut,
       "Fade In",
       {{"sbarStarting", 0, 100, 0, "Starting Level   0%"}, {"sbarEnding", 0, 100, 100, "Ending Level   100%"}}},
      {frmFlanger,
       "Flanger",
       {{"sbarDelayRate", 0, 100, 50, "Delay Rate   50"},
        {"sbarMixDepth", 0, 100, 30, "Mix Depth   30"},
        {"sbarFeedBackGain", 0, 100, 10, "Feedback Gain   10"},
        {"sbarSweepDepth", 0, 100, 50, "Sweep Depth   50"},
        {"sbarSweepRate", 0, 100, 5, "Sweep Rate   5%"},
        {"sbarSweepPhase", 0, 360, 0, "Sweep Phase   0"}}},
      {frmVibrato,
       "Vibrato",
       {{"sbarSweepDepth", 0, 100, 25, "Sweep Depth   25"},
        {"sbarSweepFrequency", 0, 100, 3, "Sweep Frequency   3"},
        {"sbarSweepPhase", 0, 360, 0, "Sweep Phase   0"}}},
      {frmDelay,
       "Delay",
       {{"sbarDelayTime", 0, 999, 120, "Delay Time   120"},
        {"sbarMixDepth", 0, 100, 30, "Mix Depth   30"},
        {"sbarFeedBackGain", 0, 100, 10, "Feedback Gain   10"}}},
      {frmNotchFilter,
       "Notch Filter",
       {{"sbarFrequency", 1, 22000, 50, "Frequency   50 hz"}, {"sbarSteepness", 1, 100, 100, "Steepness   100"}}},
      {frmBandPassFilter,
       "Band Pass Filter",
       {{"sbarFrequency", 1, 22000, 100, "Frequency   100 hz"}, {"sbarSteepness", 1, 100, 100, "Steepness   100"}}},
      {frmHighPassFilter,
       "High Pass Filter",
       {{"sbarFrequency", 1, 22000, 100, "Frequency   100 hz"}, {"sbarSteepness", 1, 100, 100, "Steepness   100"}}},
      {frmLowPassFilter,
       "Low Pass Filter",
       {{"sbarFrequency", 1, 22000, 200, "Frequency   200 hz"}, {"sbarSteepness", 1, 100, 100, "Steepness   100"}}},
      {frmHighShelfFilter,
       "High Shelf Filter",
       {{"sbarFrequency", 1, 22000, 100, "Frequency   100 hz"},
        {"sbarGain", -92, 0, -10, "Gain   -10 db"},
        {"sbarSteepness", 1, 100, 100, "Steepness   100"}}},
      {frmLowShelfFilter,
       "Low Shelf Filter",
       {{"sbarFrequency", 1, 22000, 200, "Frequency   200 hz"},
        {"sbarGain", -92, 0, -10, "Gain   -10 db"},
        {"sbarSteepness", 1, 100, 100, "Steepness   100"}}},
  };
}

TEST_F(EffectDialogTest, EachDialogStartsWithItsScrollBarsRangesAndLabels) {
  for (const TExpectedDialog& expected : ExpectedDialogs()) {
    TfrmEffectDialog* dialog = expected.dialog;
    SCOPED_TRACE(dialog->Name());
    EXPECT_EQ(dialog->zelForm1->Caption(), expected.caption);
    EXPECT_EQ(dialog->BorderStyle(), bsDialog);
    EXPECT_EQ(dialog->Position(), poScreenCenter);
    EXPECT_EQ(dialog->zelImagePanel1->Parent(), dialog->zelForm1);
    EXPECT_TRUE(dialog->zelImagePanel1->DoubleBuffered());
    int labelNumber = 0;
    for (const TExpectedBar& bar : expected.bars) {
      TzelScrollBar* scroll = BarNamed(dialog, bar.name);
      ASSERT_NE(scroll, nullptr) << bar.name;
      EXPECT_EQ(scroll->Min(), bar.min) << bar.name;
      EXPECT_EQ(scroll->Max(), bar.max) << bar.name;
      EXPECT_EQ(scroll->Position(), bar.start) << bar.name;
      EXPECT_EQ(scroll->SmallChange(), 1) << bar.name;
      EXPECT_EQ(scroll->LargeChange(), 2) << bar.name;
      // Labels are numbered in the order of their scroll bars.
      auto* label = dynamic_cast<TLabel*>(dialog->FindComponent("Label" + std::to_string(++labelNumber)));
      ASSERT_EQ(label, dialog->LabelOf(scroll)) << bar.name;
      EXPECT_EQ(label->Caption(), bar.label);
      EXPECT_LT(label->Top(), scroll->Top()) << "a label sits above its scroll bar";
    }
    EXPECT_EQ(dialog->FindComponent("Label" + std::to_string(labelNumber + 1)), nullptr);
    EXPECT_EQ(dialog->btnOptionOk->Caption(), "&Ok");
    EXPECT_EQ(dialog->btnOptionOk->ModalResult(), mrOk);
    EXPECT_EQ(dialog->btnOptionCancel->Caption(), "&Cancel");
    EXPECT_EQ(dialog->btnOptionCancel->ModalResult(), mrCancel);
    ASSERT_NE(dialog->btnOptionDefault, nullptr);
    EXPECT_EQ(dialog->btnOptionDefault->Caption(), "&Default");
    EXPECT_EQ(dialog->btnOptionDefault->ModalResult(), mrNone);
    // Every skinned control wears the frame's theme.
    EXPECT_EQ(dialog->zelForm1->FileTheme()->Name(), "zelBuiltInFileTheme1");
    EXPECT_EQ(dialog->btnOptionDefault->FileTheme(), dialog->zelForm1->FileTheme());
    EXPECT_EQ(BarNamed(dialog, expected.bars.back().name)->FileTheme(), dialog->zelForm1->FileTheme());
  }
}

TEST_F(EffectDialogTest, MovedScrollBarsRewriteTheirLabelsAndDefaultPutsEveryValueBack) {
  for (const TExpectedDialog& expected : ExpectedDialogs()) {
    TfrmEffectDialog* dialog = expected.dialog;
    SCOPED_TRACE(dialog->Name());
    for (const TExpectedBar& bar : expected.bars) {
      TzelScrollBar* scroll = BarNamed(dialog, bar.name);
      scroll->SetPosition(bar.min + 1);
      const std::string moved = std::string(bar.name) == "sbarSweepPhase" ? "0.01" : std::to_string(bar.min + 1);
      EXPECT_NE(dialog->LabelOf(scroll)->Caption().find("   " + moved), std::string::npos) << bar.name;
    }
    dialog->btnOptionDefault->Click();
    for (const TExpectedBar& bar : expected.bars) {
      TzelScrollBar* scroll = BarNamed(dialog, bar.name);
      EXPECT_EQ(scroll->Position(), bar.start) << bar.name;
      // Phase labels are rewritten without the blank inside the word.
      const std::string label = std::string(bar.name) == "sbarSweepPhase" ? "SweepPhase   0" : bar.label;
      EXPECT_EQ(dialog->LabelOf(scroll)->Caption(), label) << bar.name;
    }
  }
}

TEST_F(EffectDialogTest, FiltersReadTheirValuesAndTheNotchDefaultKeepsTheUnit) {
  frmNotchFilter->sbarFrequency->SetPosition(4400);
  frmNotchFilter->sbarSteepness->SetPosition(7);
  EXPECT_EQ(frmNotchFilter->Label1->Caption(), "Frequency   4400 hz");
  EXPECT_EQ(frmNotchFilter->Frequency(), 4400);
  EXPECT_EQ(frmNotchFilter->Steepness(), 7);
  frmNotchFilter->btnOptionDefault->Click();
  EXPECT_EQ(frmNotchFilter->Label1->Caption(), "Frequency   50 hz");

  frmLowShelfFilter->sbarGain->SetPosition(-200);  // clamped to the range
  EXPECT_EQ(frmLowShelfFilter->Gain(), -92);
  EXPECT_EQ(frmLowShelfFilter->Label2->Caption(), "Gain   -92 db");
  EXPECT_EQ(frmLowShelfFilter->Frequency(), 200);
  EXPECT_EQ(frmLowShelfFilter->Steepness(), 100);

  frmDelay->sbarDelayTime->SetPosition(999);
  EXPECT_EQ(frmDelay->DelayTime(), 999);
  EXPECT_EQ(frmDelay->MixDepth(), 30);
  EXPECT_EQ(frmDelay->FeedBackGain(), 10);
  EXPECT_EQ(frmNormalize->Level(), 80);
}

TEST(EffectPhase, PositionsTurnIntoRadiansAndHundredthsRoundedHalfToEven) {
  EXPECT_EQ(PhaseRadians(0), 0.0f);
  EXPECT_EQ(PhaseRadians(180), static_cast<float>(180 * 3.14L / 360));
  EXPECT_EQ(PhaseRadians(360), 3.14f);
  EXPECT_EQ(PhaseText(0), "0");
  EXPECT_EQ(PhaseText(180), "1.57");
  EXPECT_EQ(PhaseText(360), "3.14");
  EXPECT_EQ(PhaseText(90), "0.78");   // 78.5 goes to the even 78
  EXPECT_EQ(PhaseText(270), "2.36");  // 235.5 goes to the even 236
  EXPECT_EQ(PhaseText(11), "0.1");    // 9.59: one decimal is enough
  EXPECT_EQ(PhaseText(1), "0.01");
}

TEST_F(EffectDialogTest, PhaseScrollBarsShowRadiansAndHandThemOn) {
  frmFlanger->sbarSweepPhase->SetPosition(180);
  EXPECT_EQ(frmFlanger->Label6->Caption(), "SweepPhase   1.57");
  EXPECT_FLOAT_EQ(frmFlanger->SweepPhase(), 1.57f);
  frmVibrato->sbarSweepPhase->SetPosition(360);
  EXPECT_EQ(frmVibrato->Label3->Caption(), "SweepPhase   3.14");
  EXPECT_EQ(frmVibrato->SweepPhase(), 3.14f);
  EXPECT_EQ(frmVibrato->SweepDepth(), 25);
  EXPECT_EQ(frmVibrato->SweepFrequency(), 3);
  EXPECT_EQ(frmFlanger->DelayRate(), 50);
  EXPECT_EQ(frmFlanger->SweepRate(), 5);
}

TEST_F(EffectDialogTest, AmplifyRemembersTheLevelOfEachMode) {
  frmAmplify->SetPlusMode(true);
  frmAmplify->sbarAmplify->SetPosition(150);
  frmAmplify->SetPlusMode(false);
  EXPECT_EQ(frmAmplify->zelForm1->Caption(), "Amplify -");
  EXPECT_EQ(frmAmplify->sbarAmplify->Min(), 0);
  EXPECT_EQ(frmAmplify->sbarAmplify->Max(), 100);
  EXPECT_EQ(frmAmplify->Level(), 80);
  EXPECT_EQ(frmAmplify->Label1->Caption(), "Level   80%");
  frmAmplify->sbarAmplify->SetPosition(40);

  // Narrowing the range on the way clamps the position, but that is no
  // choice of the user's and is not remembered.
  frmAmplify->SetPlusMode(true);
  EXPECT_EQ(frmAmplify->zelForm1->Caption(), "Amplify +");
  EXPECT_EQ(frmAmplify->sbarAmplify->Min(), 100);
  EXPECT_EQ(frmAmplify->sbarAmplify->Max(), 200);
  EXPECT_EQ(frmAmplify->Level(), 150);
  EXPECT_EQ(frmAmplify->Label1->Caption(), "Level   150%");
  frmAmplify->SetPlusMode(false);
  EXPECT_EQ(frmAmplify->Level(), 40);

  // Default goes back to the mode's own start and is remembered as well.
  frmAmplify->btnOptionDefault->Click();
  EXPECT_EQ(frmAmplify->Level(), 80);
  frmAmplify->SetPlusMode(true);
  EXPECT_EQ(frmAmplify->Level(), 150);
  frmAmplify->btnOptionDefault->Click();
  EXPECT_EQ(frmAmplify->Level(), 120);
  EXPECT_EQ(frmAmplify->Label1->Caption(), "Level   120%");
  frmAmplify->SetPlusMode(false);
  EXPECT_EQ(frmAmplify->Level(), 80);
  frmAmplify->SetPlusMode(true);
  EXPECT_EQ(frmAmplify->Level(), 120);
}

TEST_F(EffectDialogTest, FadeLevelsKeepTheirOrderAndEachModeItsPair) {
  frmFadeInOut->SetFadeInMode(true);
  frmFadeInOut->sbarEnding->SetPosition(50);
  frmFadeInOut->sbarStarting->SetPosition(70);
  EXPECT_EQ(frmFadeInOut->EndingLevel(), 70) << "a fade in never falls";
  EXPECT_EQ(frmFadeInOut->Label2->Caption(), "Ending Level   70%");
  frmFadeInOut->sbarEnding->SetPosition(20);
  EXPECT_EQ(frmFadeInOut->StartingLevel(), 20);
  EXPECT_EQ(frmFadeInOut->Label1->Caption(), "Starting Level   20%");

  frmFadeInOut->SetFadeInMode(false);
  EXPECT_EQ(frmFadeInOut->zelForm1->Caption(), "Fade Out");
  EXPECT_EQ(frmFadeInOut->StartingLevel(), 100);
  EXPECT_EQ(frmFadeInOut->EndingLevel(), 0);
  EXPECT_EQ(frmFadeInOut->Label1->Caption(), "Starting Level   100%");
  EXPECT_EQ(frmFadeInOut->Label2->Caption(), "Ending Level   0%");
  frmFadeInOut->sbarStarting->SetPosition(60);
  frmFadeInOut->sbarEnding->SetPosition(90);
  EXPECT_EQ(frmFadeInOut->StartingLevel(), 90) << "a fade out never rises";
  frmFadeInOut->sbarStarting->SetPosition(10);
  EXPECT_EQ(frmFadeInOut->EndingLevel(), 10);

  frmFadeInOut->SetFadeInMode(true);
  EXPECT_EQ(frmFadeInOut->zelForm1->Caption(), "Fade In");
  EXPECT_EQ(frmFadeInOut->StartingLevel(), 20);
  EXPECT_EQ(frmFadeInOut->EndingLevel(), 20);
  frmFadeInOut->btnOptionDefault->Click();
  EXPECT_EQ(frmFadeInOut->StartingLevel(), 0);
  EXPECT_EQ(frmFadeInOut->EndingLevel(), 100);

  frmFadeInOut->SetFadeInMode(false);
  EXPECT_EQ(frmFadeInOut->StartingLevel(), 10);
  EXPECT_EQ(frmFadeInOut->EndingLevel(), 10);
  frmFadeInOut->btnOptionDefault->Click();
  EXPECT_EQ(frmFadeInOut->StartingLevel(), 100);
  EXPECT_EQ(frmFadeInOut->EndingLevel(), 0);
  EXPECT_EQ(frmFadeInOut->Label1->Caption(), "Starting Level   100%");
  frmFadeInOut->SetFadeInMode(true);
  EXPECT_EQ(frmFadeInOut->EndingLevel(), 100);
}

TEST_F(EffectDialogTest, OkAndCancelEndTheDialogAndCancelKeepsWhatWasMoved) {
  frmAmplify->SetPlusMode(true);
  EXPECT_EQ(ShowAndDo(frmAmplify, [] { frmAmplify->btnOptionOk->Click(); }), mrOk);
  EXPECT_EQ(ShowAndDo(frmAmplify,
                      [] {
                        frmAmplify->sbarAmplify->SetPosition(170);
                        frmAmplify->btnOptionCancel->Click();
                      }),
            mrCancel);
  frmAmplify->SetPlusMode(true);
  EXPECT_EQ(frmAmplify->Level(), 170);
  EXPECT_NE(ShowAndDo(frmAmplify, [] { HeadlessRequestClose(frmAmplify->Handle()); }), mrOk);
  // Default changes values but does not end the dialog.
  EXPECT_EQ(ShowAndDo(frmDelay,
                      [] {
                        frmDelay->btnOptionDefault->Click();
                        EXPECT_TRUE(frmDelay->Visible());
                        frmDelay->btnOptionOk->Click();
                      }),
            mrOk);
  EXPECT_FALSE(frmDelay->Visible());
}

TEST_F(EffectDialogTest, InsertSilenceAddsUpItsFieldsWithinTheirRanges) {
  TfrmInsertSilence* dialog = frmInsertSilence;
  EXPECT_EQ(dialog->zelForm1->Caption(), "Insert Silence");
  EXPECT_EQ(dialog->btnOptionDefault, nullptr);
  EXPECT_EQ(dialog->FindComponent("btnOptionDefault"), nullptr);
  EXPECT_EQ(dialog->zelGroupBox1->Caption(), "Duration of silence");
  const struct {
    TzelSpinEdit* spin;
    TLabel* label;
    int max, value;
    const char* unit;
  } fields[] = {{dialog->spinM, dialog->Label1, 999, 0, "m"},
                {dialog->spinS, dialog->Label2, 59, 0, "s"},
                {dialog->spinMS, dialog->Label3, 999, 343, "ms"}};
  for (const auto& field : fields) {
    EXPECT_EQ(field.spin->MinValue(), 0);
    EXPECT_EQ(field.spin->MaxValue(), field.max);
    EXPECT_EQ(field.spin->Value(), field.value);
    EXPECT_EQ(field.label->Caption(), field.unit);
    EXPECT_EQ(field.spin->FileTheme(), dialog->zelForm1->FileTheme());
  }
  EXPECT_EQ(dialog->Milliseconds(), 343);

  dialog->spinM->SetValue(1);
  dialog->spinS->SetValue(2);
  EXPECT_EQ(dialog->Milliseconds(), 62343);
  // Typed text that never left its field still counts within the range.
  dialog->spinS->SetText("75");
  dialog->spinMS->SetText("-4");
  dialog->spinM->SetText("many");
  EXPECT_EQ(dialog->Milliseconds(), 59000);
  dialog->spinM->SetText("999");
  dialog->spinMS->SetText("999");
  EXPECT_EQ(dialog->Milliseconds(), 999 * 60000 + 59 * 1000 + 999);

  EXPECT_EQ(ShowAndDo(dialog, [&] { dialog->btnOptionOk->Click(); }), mrOk);
  EXPECT_EQ(ShowAndDo(dialog, [&] { dialog->btnOptionCancel->Click(); }), mrCancel);
}

TEST_F(EffectDialogTest, ADialogMadeAfterTheMainWindowWearsItsTheme) {
  Application->DestroyForms();
  TForm* main = nullptr;
  Application->CreateForm(main);
  auto* theme = new TzelBuiltInFileTheme(main);
  theme->SetName("zelBuiltInFileTheme1");
  theme->LoadSkinData(LoadResourceData(kEditorThemeResource1));
  Application->CreateForm(frmNormalize);
  EXPECT_EQ(frmNormalize->zelForm1->FileTheme(), theme);
  EXPECT_EQ(frmNormalize->sbarNormalize->FileTheme(), theme);
  EXPECT_EQ(frmNormalize->zelForm1->UIStyle(), FromThemeFile);
}

}  // namespace

namespace {

TPoint CentreOf(TControl* control) { return control->ClientToScreen({control->Width() / 2, control->Height() / 2}); }

TEST_F(EffectDialogTest, TheMouseStepsAScrollBarAndTheKeyboardFillsTheSilence) {
  int level = 0;
  std::string label;
  EXPECT_EQ(ShowAndDo(frmNormalize,
                      [&] {
                        // Held for one repeat interval, the right arrow steps once.
                        HeadlessMouseMove(CentreOf(frmNormalize->sbarNormalize->SecondButton()));
                        HeadlessMouseDown();
                        HeadlessAdvanceClock(100);
                        HeadlessPumpUntilIdle();
                        HeadlessMouseUp();
                        HeadlessPumpUntilIdle();
                        level = frmNormalize->Level();
                        label = frmNormalize->Label1->Caption();
                        HeadlessClick(CentreOf(frmNormalize->btnOptionOk));
                      }),
            mrOk);
  EXPECT_EQ(level, 81);
  EXPECT_EQ(label, "Level   81%");

  EXPECT_EQ(ShowAndDo(frmInsertSilence,
                      [&] {
                        frmInsertSilence->spinMS->SetFocus();
                        frmInsertSilence->spinMS->SelectAll();
                        HeadlessText("5000");
                        HeadlessPumpUntilIdle();
                        HeadlessClick(CentreOf(frmInsertSilence->btnOptionOk));
                      }),
            mrOk);
  EXPECT_EQ(frmInsertSilence->Milliseconds(), 999);
}

}  // namespace

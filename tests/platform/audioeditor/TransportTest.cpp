// Playing and recording on the built-in virtual devices.

#include "EditorTestSupport.h"
#include "devices/EventPump.h"
#include "platform/os/MainThread.h"

namespace {

constexpr int kRate = 44100;

class TransportTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    MarkMainThread();
  }
  void TearDown() override {
    RunMainThreadQueue();
    EditorTest::TearDown();
  }
  testpump::ScopedEnv virtualDevices_{"VELMORA_AUDIO", "virtual"};
};

TEST_F(TransportTest, PlaysTheSelectionWithMetersOnTheGuiThread) {
  Load(Tone(kRate, 2, kRate, 1000, 0.5));
  Select(kRate / 2, kRate / 2 + kRate / 5);
  int meters = 0;
  bool onGuiThread = true;
  float loudest = 0;
  editor->OnMeter = [&](TObject*, float left, float) {
    ++meters;
    onGuiThread &= IsMainThread();
    loudest = std::max(loudest, left);
  };
  editor->Play(TAudioEditor2::kPlaySelection);
  ASSERT_TRUE(editor->Playing());
  std::int64_t seen = -1;
  ASSERT_TRUE(testpump::PumpUntil([&] {
    if (editor->PlayPosition() > seen) seen = editor->PlayPosition();
    return !editor->Playing();
  }, 10000));
  EXPECT_GT(meters, 0);
  EXPECT_TRUE(onGuiThread);
  EXPECT_GT(loudest, 30);
  EXPECT_GE(seen, kRate / 2);
  EXPECT_LE(seen, kRate / 2 + kRate / 5);
  // Pause keeps the place; Stop ends everything.
  editor->Play(TAudioEditor2::kPlayLoop);
  testpump::PumpFor(150);
  editor->Pause();
  EXPECT_TRUE(editor->Paused());
  EXPECT_FALSE(editor->Playing());
  editor->Resume();
  EXPECT_TRUE(editor->Playing());
  editor->Stop();
  EXPECT_FALSE(editor->Playing());
  EXPECT_FALSE(editor->Paused());
}

TEST_F(TransportTest, RecordingInsertsAtTheCursorAsOneStep) {
  Load(TSampleBlock(2 * 1000, 0));
  editor->Position()->SetCurrentPosition(500);
  editor->Record(TAudioEditor2::kRecordInsert);
  ASSERT_TRUE(editor->Recording());
  EXPECT_THROW(editor->Effects()->Amplify(120), Exception);
  ASSERT_TRUE(testpump::PumpUntil([&] { return false; }, 300) || true);
  editor->Stop();
  EXPECT_FALSE(editor->Recording());
  const std::int64_t recorded = editor->Position()->Length() - 1000;
  EXPECT_GT(recorded, kRate / 10);
  EXPECT_EQ(editor->Position()->SelectionStart(), 500);
  EXPECT_EQ(editor->Position()->SelectionEnd(), 500 + recorded);
  // The virtual input carries a tone: the take is not silence.
  editor->Position()->SetCurrentPosition(500);
  const TSampleBlock take = editor->ReadBlock(recorded);
  EXPECT_GT(*std::max_element(take.begin(), take.end()), 1000);
  editor->Undo();
  EXPECT_EQ(editor->Position()->Length(), 1000);
}

}  // namespace

// The library's callbacks become the component's events, on the GUI
// thread whichever thread the library calls from.

#include <thread>

#include "SdkFixture.h"

namespace {

using Events = SdkFixture;

TEST_F(Events, InfoTextsAboveTheChosenLevelAreDropped) {
  Activate();
  std::vector<std::string> texts;
  sdk_->OnInfoText = [&](TObject*, const std::string& text, TInfoTextLevel) { texts.push_back(text); };
  for (TInfoTextLevel level : {ilInfo, ilLowDebug, ilMediumDebug, ilHighDebug}) {
    sdk_->SetInfoTextLevel(level);
    fake_->infoText(("level 2 at " + std::to_string(level)).c_str(), 2, fake_->user);
  }
  fake_->infoText(nullptr, 0, fake_->user);
  EXPECT_EQ(texts, (std::vector<std::string>{"level 2 at 2", "level 2 at 3", ""}));
}

TEST_F(Events, ACallbackFromAWorkerThreadFiresOnTheGuiThread) {
  Activate();
  std::thread::id firedOn;
  std::string error = "unset";
  int fired = 0;
  sdk_->OnBurnDone = [&](TObject* sender, const std::string& e) {
    EXPECT_EQ(sender, sdk_.get());
    firedOn = std::this_thread::get_id();
    error = e;
    ++fired;
  };
  float percent = 0;
  sdk_->OnProcess = [&](TObject*, float p, float, float, double, double) { percent = p; };
  std::thread worker([this] {
    fake_->process(42.5f, 0, 0, 1000, 2000, fake_->user);
    fake_->burnDone(nullptr, fake_->user);
  });
  worker.join();
  EXPECT_EQ(fired, 0);
  RunMainThreadQueue();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(firedOn, std::this_thread::get_id());
  EXPECT_EQ(error, "");
  EXPECT_EQ(percent, 42.5f);
}

TEST_F(Events, AnEventPostedForAComponentThatIsGoneIsDropped) {
  Activate();
  int fired = 0;
  sdk_->OnEraseDone = [&](TObject*, const std::string&) { ++fired; };
  auto callback = fake_->eraseDone;
  void* user = fake_->user;
  std::thread worker([&] { callback("failed", user); });
  worker.join();
  sdk_.reset();
  RunMainThreadQueue();
  EXPECT_EQ(fired, 0);
}

TEST_F(Events, AVideoScanHandsOverARecordWhoseChangesGoNowhere) {
  Activate();
  TVideoFormat seen;
  sdk_->OnVideoScanDone = [&](TObject*, const std::string&, const std::string& error, std::int32_t,
                              TVideoFormat& format) {
    seen = format;
    format.Values[0] = 99;
    EXPECT_EQ(error, "");
  };
  fake_->videoScanDone("movie", nullptr, 0, 1, 10, 20, 30, 40, 50, 60, 77, fake_->user);
  EXPECT_TRUE(seen.Flag);
  EXPECT_EQ(seen.Values[5], 60);
}

}  // namespace

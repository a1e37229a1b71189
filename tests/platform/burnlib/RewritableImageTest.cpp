// The image drive's rewritable disc: a burn leaves it written and closed,
// an erase blanks it again, and the plain CD-R cannot be erased.

#include <stdlib.h>

#include <condition_variable>
#include <filesystem>
#include <mutex>

#include "BurnFixture.h"

namespace {

class RewritableImage : public BurnFixture {
 protected:
  void SetUp() override {
    setenv("FOXBURNER_IMAGE_MEDIUM", "cd-rw", 1);
    BurnFixture::SetUp();
    ASSERT_EQ(SetEraseDoneEventCallback(&RewritableImage::OnEraseDone, this), 0);
  }
  void TearDown() override {
    BurnFixture::TearDown();
    unsetenv("FOXBURNER_IMAGE_MEDIUM");
  }
  foxabi::MediumRecord Medium() {
    foxabi::MediumRecord m{};
    EXPECT_EQ(GetMediumInformation(&m), 0);
    return m;
  }
  // Erase, then the erase-done error text.
  std::string EraseAndWait(bool quick) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      erased_ = false;
    }
    if (std::int32_t rc = Erase(quick ? 1 : 0); rc != 0) return "refused " + std::to_string(rc);
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [this] { return erased_; });
    return error_;
  }

 private:
  static void OnEraseDone(const char* error, void* user) {
    auto* self = static_cast<RewritableImage*>(user);
    std::lock_guard<std::mutex> lock(self->mutex_);
    self->error_ = error ? error : "";
    self->erased_ = true;
    self->done_.notify_all();
  }
  std::mutex mutex_;
  std::condition_variable done_;
  bool erased_ = false;
  std::string error_;
};

TEST_F(RewritableImage, BurnClosesTheDiscAndEitherEraseBlanksIt) {
  SelectImageDrive();
  foxabi::MediumRecord blank = Medium();
  EXPECT_EQ(blank.typeCode, foxabi::kMediumCdRw);
  EXPECT_EQ(blank.status, 0);
  EXPECT_GT(blank.free, 0.0);

  WriteFile(folder_ + "a.mp3", std::string(5000, 'a'));
  ASSERT_EQ(CreateProject(foxabi::kProjectDataDisc), 0);
  ASSERT_EQ(AddFile((folder_ + "a.mp3").c_str(), "", "", 0, 0), 0);
  SetVolumeLabel("First");
  ASSERT_EQ(BurnAndWait(), "");
  foxabi::MediumRecord written = Medium();
  EXPECT_EQ(written.status, 2);
  EXPECT_EQ(written.free, 0.0);
  EXPECT_GT(written.used, 0.0);
  EXPECT_EQ(written.sessionCount, 1);
  // A closed disc takes no second burn until it is erased.
  ASSERT_EQ(Prepare(), 0);
  EXPECT_EQ(Burn(), foxabi::kErrMediumNotWritable);

  EXPECT_EQ(EraseAndWait(true), "");
  EXPECT_EQ(Medium().status, 0);
  EXPECT_EQ(Medium().used, 0.0);
  ASSERT_EQ(BurnAndWait(), "");
  EXPECT_EQ(Medium().status, 2);
  EXPECT_EQ(EraseAndWait(false), "");
  EXPECT_EQ(Medium().status, 0);
}

TEST_F(RewritableImage, DamagedRecordStillCountsAsWrittenAndTheCdRCannotBeErased) {
  SelectImageDrive();
  std::filesystem::create_directories(imageFolder_);
  WriteFile(imageFolder_ + "CD-RW.disc", "scrambled");
  EXPECT_EQ(Medium().status, 2);
  EXPECT_EQ(EraseAndWait(true), "");
  EXPECT_EQ(Medium().status, 0);

  unsetenv("FOXBURNER_IMAGE_MEDIUM");
  EXPECT_EQ(Medium().typeCode, foxabi::kMediumCdR);
  EXPECT_EQ(Erase(1), foxabi::kErrMediumNotErasable);
}

}  // namespace

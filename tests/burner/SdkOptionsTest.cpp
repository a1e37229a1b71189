// The option objects: every change reaches the library while active, cut
// to the record's field sizes.

#include "SdkFixture.h"

namespace {

using Options = SdkFixture;

TEST_F(Options, EverySwitchChangePushesTheWholeRecord) {
  Activate();
  TBurningOptionSwitches s{osFinalize, osTestBurn};
  sdk_->Options()->SetSwitches(s);
  sdk_->Options()->SetSwitches(s);
  EXPECT_EQ(fake_->Count("SetOptions"), 2);
  EXPECT_EQ(fake_->options.finalize, 1);
  EXPECT_EQ(fake_->options.testBurn, 1);
  EXPECT_EQ(fake_->options.joliet, 0);
  EXPECT_EQ(fake_->options.ejectAfterBurn, 0);
}

TEST_F(Options, TextsAreCutToTheirFields) {
  Activate();
  sdk_->Options()->SetVolumeLabel(std::string(200, 'v'));
  EXPECT_EQ(std::string(fake_->options.volumeLabel), std::string(127, 'v'));
  sdk_->ISOInfo()->SetSystemIdentifier(std::string(40, 's'));
  EXPECT_EQ(std::string(fake_->isoInfo.system, 30), std::string(30, 's'));
  EXPECT_EQ(fake_->isoInfo.system[30], '\0');
  sdk_->BootInfo()->SetDeveloperID(std::string(30, 'd'));
  EXPECT_EQ(std::string(fake_->bootInfo.developerId), std::string(23, 'd'));
}

TEST_F(Options, NothingIsPushedWhileInactive) {
  sdk_->Options()->SetCopies(3);
  sdk_->ISOInfo()->SetPublisherIdentifier("me");
  EXPECT_TRUE(fake_->calls.empty());
  Activate();
  EXPECT_EQ(sdk_->Options()->Copies(), 3);
}

TEST_F(Options, AssignCopiesEachPropertyAndTheOptionsStayTheComponents) {
  Activate();
  TBurningOptions other(nullptr);
  other.SetVolumeLabel("Copied");
  other.SetCopies(2);
  sdk_->SetOptions(&other);
  EXPECT_EQ(fake_->Count("SetOptions"), 6);
  EXPECT_EQ(std::string(fake_->options.volumeLabel), "Copied");
  EXPECT_EQ(fake_->options.copies, 2);
  // Later changes still reach the library.
  sdk_->Options()->SetCacheSize(64);
  EXPECT_EQ(fake_->Count("SetOptions"), 7);
  EXPECT_EQ(fake_->options.cacheSize, 64);
}

TEST_F(Options, AssignRefusesAnotherKindOfObject) {
  TISOInfo info(nullptr);
  EXPECT_THROW(sdk_->Options()->Assign(&info), EConvertError);
  EXPECT_THROW(sdk_->Options()->Assign(nullptr), EConvertError);
}

TEST_F(Options, UnwrittenBytesKeepWhatTheLibraryHad) {
  fake_->options.reserved1[0] = 0xAB;
  fake_->options.reserved2[1] = 0xCD;
  Activate();
  sdk_->Options()->SetSessionToImport(2);
  EXPECT_EQ(fake_->options.reserved1[0], 0xAB);
  EXPECT_EQ(fake_->options.reserved2[1], 0xCD);
  EXPECT_EQ(fake_->options.sessionToImport, 2);
}

}  // namespace

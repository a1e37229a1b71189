// The component's device table, current device and medium information.

#include "SdkFixture.h"

namespace {

using Devices = SdkFixture;

TEST_F(Devices, TheTableHoldsWhatTheLibraryListedUpToTwentySix) {
  Activate();
  fake_->devices = {"D: Writer one", "E: Writer two"};
  ASSERT_TRUE(sdk_->RefreshDevices(true));
  ASSERT_EQ(sdk_->DeviceCount(), 2);
  EXPECT_EQ(sdk_->DeviceName(2), "E: Writer two");
  EXPECT_THROW(sdk_->DeviceName(0), EFoxBurnerSDK);
  try {
    sdk_->DeviceName(3);
    FAIL() << "no exception";
  } catch (const EFoxBurnerSDK& e) {
    EXPECT_EQ(e.Message(), "Devices index out of bounds");
  }
  fake_->reportedCount = 40;
  ASSERT_TRUE(sdk_->RefreshDevices(true));
  EXPECT_EQ(sdk_->DeviceCount(), 26);
  EXPECT_EQ(sdk_->DeviceName(26), "");
}

TEST_F(Devices, SelectingTheCurrentDeviceAgainCallsNothing) {
  Activate();
  ASSERT_TRUE(sdk_->SelectDevice('D'));
  fake_->calls.clear();
  fake_->results["Prepare"] = 3;
  sdk_->Prepare();
  EXPECT_TRUE(sdk_->SelectDevice('D'));
  EXPECT_EQ(sdk_->LastError(), 0);
  EXPECT_EQ(fake_->Count("SetDevice"), 0);
}

TEST_F(Devices, RefreshingForgetsTheCurrentDeviceEvenWhenItFails) {
  Activate();
  ASSERT_TRUE(sdk_->SelectDevice('D'));
  fake_->results["GetDevices"] = 2;
  EXPECT_FALSE(sdk_->RefreshDevices(true));
  EXPECT_EQ(sdk_->CurrentDevice(), 0);
  sdk_->SelectDevice('D');
  EXPECT_EQ(fake_->Count("SetDevice"), 2);
}

TEST_F(Devices, AFailedSelectionKeepsNoDeviceAndClearsCapabilities) {
  Activate();
  fake_->capabilities[1] = 0x02;  // bit 9
  ASSERT_TRUE(sdk_->SelectDevice('D'));
  ASSERT_TRUE(sdk_->ReadDeviceCapabilities());
  EXPECT_TRUE(sdk_->Capability(9));
  EXPECT_FALSE(sdk_->Capability(8));
  fake_->results["SetDevice"] = 2;
  EXPECT_FALSE(sdk_->SelectDevice('E'));
  EXPECT_EQ(sdk_->CurrentDevice(), 'D');
  EXPECT_FALSE(sdk_->Capability(9));
}

TEST_F(Devices, MediumInformationIsKeptWhenAReadFails) {
  Activate();
  std::snprintf(fake_->medium.text, sizeof fake_->medium.text, "CD-R");
  fake_->medium.status = 1;
  fake_->medium.free = 1000.5;
  fake_->medium.sessionCount = 2;
  fake_->medium.typeCode = 2;
  ASSERT_TRUE(sdk_->ReadMediumInfo());
  fake_->medium.typeCode = 9;
  fake_->results["GetMediumInformation"] = 3;
  EXPECT_FALSE(sdk_->ReadMediumInfo());
  const TMediumInfo& m = sdk_->MediumInfo();
  EXPECT_EQ(m.MediumText, "CD-R");
  EXPECT_EQ(m.Status, 1);
  EXPECT_EQ(m.Free, 1000.5);
  EXPECT_EQ(m.SessionCount, 2);
  EXPECT_EQ(m.MediumTypeCode, 2);
}

TEST_F(Devices, ReadinessNeedsBothTheResultAndTheFlag) {
  Activate();
  EXPECT_TRUE(sdk_->IsDeviceReady());
  fake_->ready = 0;
  EXPECT_FALSE(sdk_->IsDeviceReady());
  fake_->ready = 1;
  fake_->results["IsDeviceReady"] = 3;
  EXPECT_FALSE(sdk_->IsDeviceReady());
}

TEST_F(Devices, ANewProjectSendsTheDeviceAndTheOptionsAgain) {
  Activate();
  ASSERT_TRUE(sdk_->SelectDevice('E'));
  fake_->calls.clear();
  fake_->results["SetOptions"] = 4;
  EXPECT_TRUE(sdk_->CreateBurnProject(0));
  EXPECT_EQ(fake_->calls, (std::vector<std::string>{"CreateProject", "SetDevice", "GetOptions", "SetOptions"}));
  EXPECT_EQ(fake_->lastLetter, 'E');
  EXPECT_EQ(sdk_->LastError(), 4);
}

}  // namespace

// Activating and deactivating the burner component, and what reaches the
// library on the way.

#include <algorithm>
#include <filesystem>

#include "SdkFixture.h"

namespace {

using Activation = SdkFixture;

TEST_F(Activation, StartsTheLibraryRegistersCallbacksThenPushesOptions) {
  sdk_->SetTempPath("/tmp/burn/");
  fake_->results["SetBootInfoEx"] = 7;
  sdk_->SetActive(true);
  ASSERT_TRUE(sdk_->Active());
  const std::vector<std::string>& c = fake_->calls;
  ASSERT_GE(c.size(), 24u);
  EXPECT_EQ(c[0], "Initialize");
  EXPECT_EQ(c[1], "SetTmpPath");
  EXPECT_EQ(c[2], "SetInfoTextEventCallback");
  EXPECT_EQ(c[17], "SetVerifyDoneEventCallback");
  EXPECT_EQ(std::vector<std::string>(c.end() - 6, c.end()),
            (std::vector<std::string>{"GetOptions", "SetOptions", "GetISOInfoEx", "SetISOInfoEx", "GetBootInfoEx",
                                      "SetBootInfoEx"}));
  EXPECT_EQ(fake_->infoLevel, 3);
  EXPECT_EQ(fake_->user, sdk_.get());
  // The default switches reach the record.
  EXPECT_EQ(fake_->options.joliet, 1);
  EXPECT_EQ(fake_->options.underrunProtection, 1);
  EXPECT_EQ(fake_->options.ejectAfterBurn, 1);
  EXPECT_EQ(fake_->options.finalize, 0);
  EXPECT_EQ(fake_->bootInfo.loadSegment, 1984);
  EXPECT_EQ(fake_->bootInfo.emulation, be144MB);
  // The last push's code stays; the activation still succeeded.
  EXPECT_EQ(sdk_->LastError(), 7);

  fake_->calls.clear();
  sdk_->SetActive(false);
  EXPECT_EQ(fake_->calls, (std::vector<std::string>{"ResetCallbacks", "DeInitialize"}));
  EXPECT_EQ(sdk_->DeviceCount(), 0);
}

TEST_F(Activation, AFailedInitializeLeavesTheComponentInactiveWithTheCode) {
  fake_->results["Initialize"] = 5;
  sdk_->SetActive(true);
  EXPECT_FALSE(sdk_->Active());
  EXPECT_EQ(sdk_->LastError(), 5);
  EXPECT_EQ(fake_->Count("SetTmpPath"), 0);
}

TEST_F(Activation, OnlyOneComponentMayBeActive) {
  Activate();
  TFoxBurnerSDK second(nullptr);
  try {
    second.SetActive(true);
    FAIL() << "no exception";
  } catch (const EFoxBurnerSDK& e) {
    EXPECT_EQ(e.Message(), "Only one instance of TFoxBurnerSDK can be active at a time");
  }
  EXPECT_FALSE(second.Active());
  sdk_->SetActive(false);
  second.SetActive(true);
  EXPECT_TRUE(second.Active());
}

TEST_F(Activation, WrappersNeedAnActiveComponent) {
  EXPECT_THROW(sdk_->Burn(), EFoxBurnerSDK);
  EXPECT_EQ(sdk_->LastError(), FOX_ERR_NOT_ACTIVE);
  EXPECT_EQ(sdk_->GetLastErrorText(), "SDK DLL is not initialized");
  try {
    sdk_->ReadMediumInfo();
  } catch (const EFoxBurnerSDK& e) {
    EXPECT_EQ(e.Message(), "TFoxBurnerSDK must be Active for this function");
  }
  EXPECT_TRUE(fake_->calls.empty());
}

TEST_F(Activation, LibraryCodesReadAsTheLibrarysText) {
  Activate();
  fake_->results["Prepare"] = 12;
  EXPECT_FALSE(sdk_->Prepare());
  EXPECT_EQ(sdk_->LastError(), 12);
  EXPECT_EQ(sdk_->GetLastErrorText(), "fake error 12");
  fake_->results["GetText"] = 1;
  EXPECT_EQ(sdk_->GetLastErrorText(), "");
  EXPECT_TRUE(sdk_->Burn());
  EXPECT_EQ(sdk_->LastError(), 0);
}

TEST_F(Activation, LanguageGoesOutOnlyWithItsFile) {
  Activate();
  sdk_->SetLanguage("German");
  EXPECT_EQ(fake_->Count("SetLanguage"), 0);
  sdk_->SetLanguageFile("lang.ini");
  EXPECT_EQ(sdk_->Language(), "");
  EXPECT_TRUE(fake_->calls.empty());
  sdk_->SetLanguage("German");
  EXPECT_EQ(fake_->Count("SetLanguage"), 1);
}

TEST_F(Activation, AFormDescriptionIsAppliedBeforeActivating) {
  TComponentLoader loader(sdk_.get());
  sdk_->BeginLoading();
  sdk_->SetProp("Active", true);
  TBurningOptionSwitches stored{osFinalize, osUnderrunProtection, osEjectAfterBurn};
  sdk_->SetProp("Options.Switches", static_cast<std::int64_t>(stored.Bits()));
  sdk_->SetProp("ISOInfo.PublisherIdentifier", "Velmora");
  sdk_->SetProp("BootInfo.Emulation", static_cast<std::int64_t>(beNone));
  EXPECT_TRUE(fake_->calls.empty());
  loader.End();
  EXPECT_TRUE(sdk_->Active());
  EXPECT_EQ(fake_->Count("Initialize"), 1);
  EXPECT_EQ(fake_->Count("SetOptions"), 1);
  EXPECT_EQ(fake_->options.finalize, 1);
  EXPECT_EQ(fake_->options.joliet, 0);
  EXPECT_STREQ(fake_->isoInfo.publisher, "Velmora");
  EXPECT_EQ(fake_->bootInfo.emulation, beNone);
  EXPECT_EQ(sdk_->GetProp<std::int64_t>("Options.Switches"), stored.Bits());
}

// Moves the stand-in library away for the test's length.
class LibraryAway {
 public:
  LibraryAway() : path_(BurnerDllPath()) { std::filesystem::rename(path_, path_ + ".away"); }
  ~LibraryAway() {
    std::filesystem::remove(path_);
    std::filesystem::rename(path_ + ".away", path_);
  }

 private:
  std::string path_;
};

TEST(ActivationWithoutLibrary, AMissingOrIncompleteLibraryLeavesTheComponentInactive) {
  LibraryAway away;
  TFoxBurnerSDK sdk(nullptr);
  EXPECT_NO_THROW(sdk.SetActive(true));
  EXPECT_FALSE(sdk.Active());
  EXPECT_EQ(sdk.LastError(), FOX_ERR_DLL_NOT_FOUND);
  EXPECT_EQ(sdk.GetLastErrorText(), "SDK DLL file not found");

  std::filesystem::copy_file(NO_RESET_BURNER_LIBRARY, BurnerDllPath());
  sdk.SetActive(true);
  EXPECT_FALSE(sdk.Active());
  EXPECT_EQ(sdk.LastError(), FOX_ERR_DLL_STRUCTURE);
  EXPECT_EQ(sdk.GetLastErrorText(), "Structure error in SDK DLL: functions not found");
  EXPECT_FALSE(BurnerDllBound());
}

}  // namespace

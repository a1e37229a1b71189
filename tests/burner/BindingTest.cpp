// Binding the burner library: every entry point is found by name, and a
// library that lacks one, or is no library at all, is refused cleanly.

#include <gtest/gtest.h>

#include <fstream>

#include "burner/FoxBurnerSDKCore.h"

namespace {

// Each case starts with no library bound, whatever an earlier one left.
class Binding : public ::testing::Test {
 protected:
  void SetUp() override { UnbindBurnerDll(); }
};

bool EveryEntryResolved() {
  bool all = true;
#define FOX_ENTRY(name, params) all = all && FoxBurnerDll.name != nullptr;
  FOX_ENTRY_POINTS
#undef FOX_ENTRY
  return all;
}

TEST_F(Binding, TheRealLibraryOffersEveryEntryPointAndStartsAndEnds) {
  ASSERT_EQ(BindBurnerDll(REAL_BURNER_LIBRARY), BIND_OK);
  EXPECT_TRUE(BurnerDllBound());
  EXPECT_TRUE(EveryEntryResolved());
  EXPECT_EQ(FoxBurnerDll.Initialize(0), 0);
  char text[1024];
  std::int32_t length = sizeof text;
  EXPECT_EQ(FoxBurnerDll.GetText(13, text, &length), 0);
  EXPECT_STREQ(text, "Invalid argument");
  UnbindBurnerDll();
  EXPECT_FALSE(BurnerDllBound());
  EXPECT_EQ(FoxBurnerDll.Initialize, nullptr);
}

TEST_F(Binding, ALibraryLackingOnlyTheLastNameIsUnloadedAndRefused) {
  EXPECT_EQ(BindBurnerDll(NO_RESET_BURNER_LIBRARY), BIND_ENTRY_MISSING);
  EXPECT_FALSE(BurnerDllBound());
  EXPECT_EQ(FoxBurnerDll.Initialize, nullptr);
}

TEST_F(Binding, AMissingOrDamagedFileIsNotLoaded) {
  EXPECT_EQ(BindBurnerDll("/nonexistent/libFoxBurner.so"), BIND_NOT_LOADED);
  const std::string junk = testing::TempDir() + "libJunk.so";
  std::ofstream(junk) << "not a library";
  EXPECT_EQ(BindBurnerDll(junk), BIND_NOT_LOADED);
  EXPECT_FALSE(BurnerDllBound());
}

TEST_F(Binding, TheLibraryIsLookedForInTheProgramFolderOnly) {
  const std::string path = BurnerDllPath();
  EXPECT_EQ(path.substr(path.rfind('/') + 1), "libFoxBurner.so");
  EXPECT_NE(path.find("/tests/burner/"), std::string::npos);
}

}  // namespace

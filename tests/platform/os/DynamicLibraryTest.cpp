#include "platform/os/ComServer.h"
#include "platform/os/DynamicLibrary.h"

#include <gtest/gtest.h>

#include "platform/os/Folders.h"

TEST(DynamicLibrary, EntriesAreFoundByNameAndMissingOnesAreNull) {
  HMODULE library = LoadLibrary(REGISTRATION_SERVER_PATH);
  ASSERT_NE(library, nullptr);
  EXPECT_NE(GetProcAddress(library, "DllRegisterServer"), nullptr);
  EXPECT_EQ(GetProcAddress(library, "NoSuchEntry"), nullptr);
  EXPECT_TRUE(FreeLibrary(library));
  EXPECT_EQ(LoadLibrary("/no/such/library.so"), nullptr);
  EXPECT_EQ(LoadLibrary(""), nullptr);
  EXPECT_EQ(GetProcAddress(nullptr, "x"), nullptr);
  EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(ComServer, RegistrationReportsTheEntrysResult) {
  EXPECT_TRUE(RegisterComServer(REGISTRATION_SERVER_PATH, 1));
  EXPECT_FALSE(RegisterComServer(REGISTRATION_SERVER_PATH, 0));  // entry reports failure
}

TEST(ComServer, MissingServersAndLibrariesWithoutTheEntryFailQuietly) {
  EXPECT_FALSE(RegisterComServer(GetSystemDirectory() + "NCTAudioDisplay2.dll", 1));
  EXPECT_FALSE(RegisterComServer("libm.so.6", 1));
}

#include "platform/os/Folders.h"

#include <gtest/gtest.h>

#include "ScratchFolder.h"

TEST(Folders, SettingsFolderFollowsXdgConfigHomeElseHomeConfig) {
  ScratchFolder home;
  ScopedEnv homeEnv("HOME", home.Path().c_str());
  {
    ScopedEnv config("XDG_CONFIG_HOME", (home / "cfg").c_str());
    EXPECT_EQ(SHGetSpecialFolderPath(CSIDL_APPDATA), home / "cfg/");
  }
  {
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(SHGetSpecialFolderPath(CSIDL_APPDATA), home / ".config/");
  }
  {
    // A relative value is not a valid XDG folder.
    ScopedEnv config("XDG_CONFIG_HOME", "relative/cfg");
    EXPECT_EQ(SHGetSpecialFolderPath(CSIDL_APPDATA), home / ".config/");
  }
}

TEST(Folders, DocumentsFolderComesFromUserDirsFileElseDocuments) {
  ScratchFolder home;
  ScopedEnv homeEnv("HOME", home.Path().c_str());
  ScopedEnv config("XDG_CONFIG_HOME", (home / "cfg").c_str());
  ScopedEnv docsEnv("XDG_DOCUMENTS_DIR", nullptr);
  EXPECT_EQ(SHGetSpecialFolderPath(CSIDL_PERSONAL), home / "Documents/");

  std::filesystem::create_directory(home / "cfg");
  home.Write("cfg/user-dirs.dirs",
             "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
             "XDG_DOCUMENTS_DIR=\"$HOME/Papiere\"\n");
  EXPECT_EQ(SHGetSpecialFolderPath(CSIDL_PERSONAL), home / "Papiere/");

  home.Write("cfg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/srv/docs/\"\n");
  EXPECT_EQ(SHGetSpecialFolderPath(CSIDL_PERSONAL), "/srv/docs/");
}

TEST(Folders, EveryFolderEndsWithASlash) {
  ScopedEnv tmp("TMPDIR", "/var/tmp");
  EXPECT_EQ(GetTempPath(), "/var/tmp/");
  {
    ScopedEnv noTmp("TMPDIR", nullptr);
    EXPECT_EQ(GetTempPath(), "/tmp/");
  }
  for (const std::string& folder : {GetSystemDirectory(), GetWindowsDirectory(), GetProgramFolder(),
                                    GetRuntimeFolder(), SHGetSpecialFolderPath(CSIDL_APPDATA)})
    EXPECT_EQ(folder.back(), '/') << folder;
  EXPECT_EQ(SHGetSpecialFolderPath(999), "");
}

TEST(Folders, ProgramFileIsTheRunningExecutable) {
  std::string exe = GetModuleFileName();
  EXPECT_EQ(exe.substr(exe.rfind('/') + 1), "test_os");
  EXPECT_EQ(GetProgramFolder() + "test_os", exe);
}

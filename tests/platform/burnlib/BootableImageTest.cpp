// Bootable data discs on the image drive: the boot catalog an outside
// ISO tool reads back shows the chosen platform, emulation and load
// settings; a boot image that cannot serve stops the burn before any
// image is written.

#include <stdio.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "BurnFixture.h"
#include "IsoReader.h"

namespace {

// What the outside tool says about the image's El Torito records.
std::string ReportElTorito(const std::string& iso) {
  std::string command = "xorriso -indev '" + iso + "' -report_el_torito plain 2>&1";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

// The row of the first boot image: platform, bootable, emulation, load
// segment, load size, e.g. "BIOS y none 0x07c0 4".
std::string BootRow(const std::string& report) {
  std::smatch m;
  std::regex row(R"(El Torito boot img :\s+1\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s+\S+\s+(\d+))");
  if (!std::regex_search(report, m, row)) return "<no boot image in:\n" + report + ">";
  return std::string(m[1]) + " " + std::string(m[2]) + " " + std::string(m[3]) + " " + std::string(m[4]) + " " +
         std::string(m[5]);
}

class BootableImage : public BurnFixture {
 protected:
  void DataProjectWithBoot(const std::string& bootImage, const foxabi::BootInfoRecord& info) {
    WriteFile(folder_ + "readme.txt", "boots");
    SelectImageDrive();
    ASSERT_EQ(CreateProject(foxabi::kProjectDataDisc), 0);
    ASSERT_EQ(AddFile((folder_ + "readme.txt").c_str(), "", "", 0, 0), 0);
    ChangeOptions([&](foxabi::OptionsRecord& o) {
      o.bootable = 1;
      snprintf(o.bootImage, sizeof o.bootImage, "%s", bootImage.c_str());
    });
    ASSERT_EQ(SetBootInfoEx(info), 0);
  }

  static foxabi::BootInfoRecord Boot(std::int32_t platform, std::int32_t emulation) {
    foxabi::BootInfoRecord info{};
    snprintf(info.developerId, sizeof info.developerId, "Tester");
    info.bootIndicator = 1;
    info.loadSegment = 1984;
    info.platformId = platform;
    info.emulation = emulation;
    info.sectorCount = 4;
    return info;
  }
};

TEST_F(BootableImage, NoEmulationOnAPcShowsItsLoadSegmentAndSize) {
  WriteFile(folder_ + "loader.bin", std::string(2048, 'L'));
  DataProjectWithBoot(folder_ + "loader.bin", Boot(0, 0));
  SetVolumeLabel("Boots");
  ASSERT_EQ(BurnAndWait(), "");
  const std::string iso = imageFolder_ + "Boots.iso";
  EXPECT_EQ(BootRow(ReportElTorito(iso)), "BIOS y none 0x07c0 4");
  // The developer id heads the boot catalog.
  const std::vector<std::uint8_t> bytes = ReadFile(iso);
  const std::string id = "Tester";
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), id.begin(), id.end()), bytes.end());
  // The boot image and its catalog stay out of the disc's folders.
  IsoReader reader(iso);
  ASSERT_TRUE(reader.Ok());
  EXPECT_EQ(reader.RootNames(), std::vector<std::string>{"readme.txt"});
}

TEST_F(BootableImage, AFloppyEmulationForAnotherPlatformNotMarkedBootable) {
  WriteFile(folder_ + "floppy.img", std::string(1440 * 1024, 'F'));
  foxabi::BootInfoRecord info = Boot(1, 2);
  info.bootIndicator = 0;
  DataProjectWithBoot(folder_ + "floppy.img", info);
  SetVolumeLabel("Floppy");
  ASSERT_EQ(BurnAndWait(), "");
  EXPECT_EQ(BootRow(ReportElTorito(imageFolder_ + "Floppy.iso")), "PPC n fd1.4 0x0000 1");
}

TEST_F(BootableImage, ABootImageThatCannotServeStopsTheBurnBeforeWriting) {
  DataProjectWithBoot(folder_ + "missing.img", Boot(0, 0));
  EXPECT_EQ(Prepare(), foxabi::kErrBootImage);
  char text[256];
  std::int32_t length = sizeof text;
  ASSERT_EQ(GetText(foxabi::kErrBootImage, text, &length), 0);
  EXPECT_EQ(std::string(text), "The boot image file is missing or cannot be read");

  // A floppy emulation needs an image of that floppy's size.
  WriteFile(folder_ + "small.img", std::string(4096, 'S'));
  ChangeOptions([&](foxabi::OptionsRecord& o) {
    snprintf(o.bootImage, sizeof o.bootImage, "%s", (folder_ + "small.img").c_str());
  });
  ASSERT_EQ(SetBootInfoEx(Boot(0, 3)), 0);
  EXPECT_EQ(Prepare(), foxabi::kErrBootSettings);
  // So does a hard disk emulation without a partition table.
  ASSERT_EQ(SetBootInfoEx(Boot(0, 4)), 0);
  EXPECT_EQ(Prepare(), foxabi::kErrBootSettings);
  EXPECT_FALSE(std::filesystem::exists(imageFolder_));

  // Switched off again, the project burns as a plain disc.
  ChangeOptions([](foxabi::OptionsRecord& o) { o.bootable = 0; });
  SetVolumeLabel("Plain");
  ASSERT_EQ(BurnAndWait(), "");
  const std::string report = ReportElTorito(imageFolder_ + "Plain.iso");
  EXPECT_NE(report.find("No El Torito information"), std::string::npos) << report;
  IsoReader reader(imageFolder_ + "Plain.iso");
  ASSERT_TRUE(reader.Ok());
  EXPECT_EQ(reader.RootNames(), std::vector<std::string>{"readme.txt"});
}

}  // namespace

#include "BurnFixture.h"

#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace {

void Put16(std::vector<std::uint8_t>& out, int v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xff));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, static_cast<int>(v & 0xffff));
  Put16(out, static_cast<int>(v >> 16));
}

}  // namespace

std::vector<std::uint8_t> WriteToneWav(const std::string& path, double seconds, double hz) {
  const int frames = static_cast<int>(seconds * 44100);
  std::vector<std::uint8_t> pcm;
  for (int i = 0; i < frames; ++i) {
    int v = static_cast<int>(std::lround(12000 * std::sin(2 * M_PI * hz * i / 44100.0)));
    Put16(pcm, v);
    Put16(pcm, -v);
  }
  std::vector<std::uint8_t> file = {'R', 'I', 'F', 'F'};
  Put32(file, static_cast<std::uint32_t>(36 + pcm.size()));
  for (char c : std::string("WAVEfmt ")) file.push_back(static_cast<std::uint8_t>(c));
  Put32(file, 16);
  Put16(file, 1);
  Put16(file, 2);
  Put32(file, 44100);
  Put32(file, 44100 * 4);
  Put16(file, 4);
  Put16(file, 16);
  for (char c : std::string("data")) file.push_back(static_cast<std::uint8_t>(c));
  Put32(file, static_cast<std::uint32_t>(pcm.size()));
  file.insert(file.end(), pcm.begin(), pcm.end());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), file.size());
  return pcm;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

void BurnFixture::SetUp() {
  char pattern[] = "/tmp/burnlib-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder_ = std::string(pattern) + "/";
  imageFolder_ = folder_ + "images/";
  setenv("FOXBURNER_IMAGE_DIR", imageFolder_.c_str(), 1);
  ASSERT_EQ(Initialize(0), 0);
  ASSERT_EQ(SetTmpPath(folder_.c_str()), 0);
  ASSERT_EQ(SetBurnDoneEventCallback(&BurnFixture::OnBurnDone, this), 0);
}

void BurnFixture::TearDown() {
  ResetCallbacks();
  DeInitialize();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void BurnFixture::SelectImageDrive() {
  char names[foxabi::kDeviceBufferSize];
  std::int32_t count = 0;
  ASSERT_EQ(GetDevices(names, &count, 1), 0);
  ASSERT_GE(count, 1);
  std::string last(names + (count - 1) * foxabi::kDeviceNameSize);
  ASSERT_EQ(last.substr(0, 3), "Z: ");
  ASSERT_EQ(SetDevice('Z'), 0);
}

void BurnFixture::SetVolumeLabel(const std::string& label) {
  foxabi::OptionsRecord options{};
  ASSERT_EQ(GetOptions(&options), 0);
  snprintf(options.volumeLabel, sizeof options.volumeLabel, "%s", label.c_str());
  ASSERT_EQ(SetOptions(options), 0);
}

void BurnFixture::ChangeOptions(const std::function<void(foxabi::OptionsRecord&)>& change) {
  foxabi::OptionsRecord options{};
  ASSERT_EQ(GetOptions(&options), 0);
  change(options);
  ASSERT_EQ(SetOptions(options), 0);
}

std::string BurnFixture::BurnAndWait() {
  std::int32_t rc = Prepare();
  if (rc != 0) return "Prepare failed " + std::to_string(rc);
  if ((rc = Burn()) != 0) return "Burn failed " + std::to_string(rc);
  return WaitForBurnDone();
}

std::string BurnFixture::WaitForBurnDone() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!done_.wait_for(lock, std::chrono::seconds(60), [this] { return finished_; })) return "timed out";
  finished_ = false;
  return error_;
}

void BurnFixture::OnBurnDone(const char* error, void* user) {
  auto* self = static_cast<BurnFixture*>(user);
  std::lock_guard<std::mutex> lock(self->mutex_);
  self->error_ = error ? error : "";
  self->finished_ = true;
  self->done_.notify_all();
}

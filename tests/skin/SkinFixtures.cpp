#include "SkinFixtures.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "platform/gfx/Bitmap.h"
#include "resources/themefile/LittleEndian.h"

namespace {

using themefile::PutU16;
using themefile::PutU32;

void Append(TBytesVec& out, const TBytesVec& more) { out.insert(out.end(), more.begin(), more.end()); }
void AppendText(TBytesVec& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

// Written apart from the library's decrypter, from the application note.
class TTestZipEncrypter {
 public:
  explicit TTestZipEncrypter(const std::string& password) {
    for (char c : password) Update(static_cast<std::uint8_t>(c));
  }
  std::uint8_t Encrypt(std::uint8_t plain) {
    const std::uint32_t t = (keys_[2] & 0xFFFF) | 2;
    const auto cipher = static_cast<std::uint8_t>(plain ^ ((t * (t ^ 1)) >> 8));
    Update(plain);
    return cipher;
  }

 private:
  static std::uint32_t Crc(std::uint32_t crc, std::uint8_t b) {
    std::uint8_t byte = b;
    return static_cast<std::uint32_t>(crc32(crc ^ 0xFFFFFFFFu, &byte, 1) ^ 0xFFFFFFFFu);
  }
  void Update(std::uint8_t p) {
    keys_[0] = Crc(keys_[0], p);
    keys_[1] = (keys_[1] + (keys_[0] & 0xFF)) * 134775813u + 1;
    keys_[2] = Crc(keys_[2], static_cast<std::uint8_t>(keys_[1] >> 24));
  }
  std::uint32_t keys_[3] = {305419896u, 591751049u, 878082192u};
};

}  // namespace

TBytesVec BytesOf(const std::string& text) { return TBytesVec(text.begin(), text.end()); }

std::uint32_t Crc32Of(const TBytesVec& data) {
  return static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
}

TBytesVec RawDeflate(const TBytesVec& data, int level, int strategy) {
  z_stream z{};
  if (deflateInit2(&z, level, Z_DEFLATED, -15, 9, strategy) != Z_OK) throw std::runtime_error("deflateInit2");
  TBytesVec out(deflateBound(&z, data.size()) + 64);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  if (deflate(&z, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate");
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

TBytesVec RawDeflateZeros(std::size_t count) {
  z_stream z{};
  if (deflateInit2(&z, 1, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) throw std::runtime_error("deflateInit2");
  const TBytesVec zeros(1 << 20, 0);
  TBytesVec out, chunk(1 << 16);
  std::size_t left = count;
  int result = Z_OK;
  while (result != Z_STREAM_END) {
    if (z.avail_in == 0 && left > 0) {
      const std::size_t take = std::min(left, zeros.size());
      z.next_in = const_cast<Bytef*>(zeros.data());
      z.avail_in = static_cast<uInt>(take);
      left -= take;
    }
    z.next_out = chunk.data();
    z.avail_out = static_cast<uInt>(chunk.size());
    result = deflate(&z, left == 0 ? Z_FINISH : Z_NO_FLUSH);
    if (result == Z_STREAM_ERROR) throw std::runtime_error("deflate");
    out.insert(out.end(), chunk.begin(), chunk.end() - z.avail_out);
  }
  deflateEnd(&z);
  return out;
}

TBytesVec CompressibleNoise(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  TBytesVec out;
  out.reserve(size);
  while (out.size() < size) {
    const unsigned choice = random() % 3;
    if (choice == 0 || out.size() < 300) {
      out.push_back(static_cast<std::uint8_t>(random()));
    } else if (choice == 1) {
      out.insert(out.end(), random() % 40 + 3, static_cast<std::uint8_t>(random()));
    } else {
      const std::size_t distance = random() % std::min<std::size_t>(out.size(), 32768) + 1;
      const std::size_t length = random() % 258 + 3;
      for (std::size_t i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
    }
  }
  out.resize(size);
  return out;
}

TArchiveEntry DeflatedEntry(const std::string& name, const TBytesVec& plain, const std::string& password,
                            bool useTimeCheck) {
  TArchiveEntry entry;
  entry.name = name;
  entry.crc = Crc32Of(plain);
  entry.uncompressedSize = static_cast<std::uint32_t>(plain.size());
  entry.data = RawDeflate(plain);
  if (!password.empty()) {
    entry.flags |= 0x01;
    if (useTimeCheck) entry.flags |= 0x08;
    TBytesVec header = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0};
    header[11] = useTimeCheck ? static_cast<std::uint8_t>(entry.time >> 8) : static_cast<std::uint8_t>(entry.crc >> 24);
    TTestZipEncrypter encrypter(password);
    TBytesVec cipher;
    for (std::uint8_t b : header) cipher.push_back(encrypter.Encrypt(b));
    for (std::uint8_t b : entry.data) cipher.push_back(encrypter.Encrypt(b));
    entry.data = cipher;
  }
  return entry;
}

namespace {

// The fields from "version needed" to the extra-field length, the same in
// the local and the central header.
void PutSharedHeaderFields(TBytesVec& out, const TArchiveEntry& e) {
  PutU16(out, 20);
  PutU16(out, e.flags);
  PutU16(out, 8);
  PutU16(out, e.time);
  PutU16(out, 0x5A21);
  PutU32(out, e.crc);
  PutU32(out, static_cast<std::uint32_t>(e.data.size()));
  PutU32(out, e.uncompressedSize);
  PutU16(out, static_cast<std::uint16_t>(e.name.size()));
  PutU16(out, static_cast<std::uint16_t>(e.extra.size()));
}

}  // namespace

TBytesVec BuildArchive(const std::vector<TArchiveEntry>& entries, bool markSk, const std::string& comment) {
  TBytesVec out;
  std::vector<std::uint32_t> localOffsets;
  for (const TArchiveEntry& e : entries) {
    localOffsets.push_back(static_cast<std::uint32_t>(out.size()));
    PutU32(out, 0x04034B50);
    PutSharedHeaderFields(out, e);
    AppendText(out, e.name);
    Append(out, e.extra);
    Append(out, e.data);
  }
  const auto directoryOffset = static_cast<std::uint32_t>(out.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const TArchiveEntry& e = entries[i];
    PutU32(out, 0x02014B50);
    PutU16(out, 20);
    PutSharedHeaderFields(out, e);
    PutU16(out, 0);
    PutU16(out, 0);
    PutU16(out, 0);
    PutU32(out, 0);
    PutU32(out, localOffsets[i]);
    AppendText(out, e.name);
    Append(out, e.extra);
  }
  const auto directorySize = static_cast<std::uint32_t>(out.size() - directoryOffset);
  PutU32(out, 0x06054B50);
  PutU16(out, 0);
  PutU16(out, 0);
  PutU16(out, static_cast<std::uint16_t>(entries.size()));
  PutU16(out, static_cast<std::uint16_t>(entries.size()));
  PutU32(out, directorySize);
  PutU32(out, directoryOffset);
  PutU16(out, static_cast<std::uint16_t>(comment.size()));
  AppendText(out, comment);
  if (markSk && !out.empty()) out[0] = 'S', out[1] = 'K';
  return out;
}

TItem BitmapItem(const std::string& name, int width, int height, std::uint32_t color) {
  TBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      row[3 * x] = (color >> 16) & 0xFF;
      row[3 * x + 1] = (color >> 8) & 0xFF;
      row[3 * x + 2] = color & 0xFF;
    }
  }
  return themefile::BitmapItem(name, bitmap.SaveToBytes());
}

TBytesVec OneBitBmp(int width, int height) {
  const std::uint32_t stride = ((static_cast<std::uint32_t>(width) + 31) / 32) * 4;
  const std::uint32_t headers = 14 + 40 + 8;  // and a palette of two colours
  TBytesVec out = {'B', 'M'};
  PutU32(out, headers + stride * static_cast<std::uint32_t>(height));
  PutU32(out, 0);
  PutU32(out, headers);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(width));
  PutU32(out, static_cast<std::uint32_t>(height));
  PutU16(out, 1);
  PutU16(out, 1);
  for (int i = 0; i < 6; ++i) PutU32(out, 0);  // compression .. colours important
  PutU32(out, 0x00336699);
  PutU32(out, 0x00FFFFFF);
  out.resize(headers + stride * static_cast<std::size_t>(height), 0);
  return out;
}

void ShareFirstBitmapData(TBytesVec& itemFile) {
  const auto u32 = [&itemFile](std::size_t at) {
    return std::uint32_t{itemFile[at]} | std::uint32_t{itemFile[at + 1]} << 8 | std::uint32_t{itemFile[at + 2]} << 16 |
           std::uint32_t{itemFile[at + 3]} << 24;
  };
  const auto put = [&itemFile](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) itemFile[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  std::uint32_t dataOffset = 0, dataSize = 0;
  for (std::size_t record = u32(20); u32(record + 73) != 0; record = u32(record + 73)) {
    if (itemFile[record + 64] != themefile::kBitmapItem) continue;
    if (dataSize == 0) {
      dataOffset = u32(record + 65);
      dataSize = u32(record + 69);
    } else {
      put(record + 65, dataOffset);
      put(record + 69, dataSize);
    }
  }
}

TBytesVec BuildItemFile(std::vector<TItem> items, const std::string& terminatorName,
                        const themefile::ItemFileHeader& header) {
  for (TItem& item : items) item.name.resize(std::min(item.name.size(), themefile::kItemNameSize));
  TBytesVec out = themefile::WriteItemFile(items, header);
  // The terminator is the last record and has no data.
  std::memcpy(&out[out.size() - 77], terminatorName.data(), std::min<std::size_t>(terminatorName.size(), 64));
  return out;
}

TBytesVec BuildThemeFile(const std::vector<TItem>& items, const std::string& password) {
  if (password.empty()) return themefile::WriteThemeArchive(BuildItemFile(items));
  return BuildArchive({DeflatedEntry("SKINDATA.SK2", BuildItemFile(items), password)});
}

TPrivateTempFolder::TPrivateTempFolder() {
  const char* previous = std::getenv("TMPDIR");
  hadTmpDir_ = previous != nullptr;
  if (previous) previousTmpDir_ = previous;
  char pattern[] = "/tmp/skinthemeXXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp");
  path_ = std::string(pattern) + "/";
  setenv("TMPDIR", path_.c_str(), 1);
}

TPrivateTempFolder::~TPrivateTempFolder() {
  if (hadTmpDir_) setenv("TMPDIR", previousTmpDir_.c_str(), 1);
  else unsetenv("TMPDIR");
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TPrivateTempFolder::Write(const std::string& name, const TBytesVec& bytes) const {
  const std::string path = path_ + name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::vector<std::string> TPrivateTempFolder::Files() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
  return names;
}

TBytesVec ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return TBytesVec((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

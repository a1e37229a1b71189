#include "platform/framework/IniFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/Exceptions.h"
#include "platform/framework/IniDocument.h"
#include "platform/framework/StringList.h"
#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"

using detail::IniDocument;

// What tells one state of the file from another without reading it.
struct TIniFile::FileIdentity {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified {};
  timespec changed {};  // also moves when only the permissions change

  static FileIdentity Of(const std::string& fileName) {
    FileIdentity identity;
    struct stat info {};
    if (stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
      identity.exists = true;
      identity.device = info.st_dev;
      identity.inode = info.st_ino;
      identity.size = info.st_size;
      identity.modified = info.st_mtim;
      identity.changed = info.st_ctim;
    }
    return identity;
  }

  bool operator==(const FileIdentity& other) const {
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
           changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
  }
};

namespace {

// At most `limit` + 1 bytes, so an oversized file is recognised without
// reading it all. False when the file cannot be read.
bool ReadAtMost(const std::string& fileName, std::int64_t limit, std::string& bytes) {
  int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info {};
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  char chunk[65536];
  while (ok && static_cast<std::int64_t>(bytes.size()) <= limit) {
    ssize_t n = read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    bytes.append(chunk, static_cast<size_t>(n));
  }
  close(fd);
  return ok;
}

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

void CheckWritable(const std::string& section, const std::string& key, const std::string& value) {
  if (HasLineBreak(section) || section.find(']') != std::string::npos)
    throw EIniFileException("Invalid section name \"" + section + "\"");
  std::string trimmedKey = Trim(key);
  if (trimmedKey.empty() || HasLineBreak(key) || key.find('=') != std::string::npos ||
      trimmedKey[0] == '[' || trimmedKey[0] == ';' || trimmedKey[0] == '#')
    throw EIniFileException("Invalid key name \"" + key + "\"");
  if (HasLineBreak(value)) throw EIniFileException("A value for \"" + key + "\" holds a line break");
}

}  // namespace

TIniFile::TIniFile(const std::string& fileName) : fileName_(fileName) {}

TIniFile::~TIniFile() = default;

void TIniFile::BeginUpdate() { ++updateDepth_; }

void TIniFile::EndUpdate() {
  if (updateDepth_ == 0 || --updateDepth_ > 0 || !pending_) return;
  Store(*cached_);
}

const IniDocument& TIniFile::Document() {
  // Inside an update the image in memory is newer than the file.
  if (updateDepth_ > 0 && cached_) return *cached_;
  FileIdentity identity = FileIdentity::Of(fileName_);
  if (cached_ && cachedIdentity_ && *cachedIdentity_ == identity) return *cached_;
  std::string bytes;
  unreadable_ = identity.exists && !ReadAtMost(fileName_, MaxFileSize, bytes);
  tooLarge_ = static_cast<std::int64_t>(bytes.size()) > MaxFileSize;
  const bool usable = !unreadable_ && !tooLarge_;
  cached_ = std::make_unique<IniDocument>(usable ? IniDocument::Parse(bytes) : IniDocument());
  cachedIdentity_ = std::make_unique<FileIdentity>(identity);
  return *cached_;
}

void TIniFile::Store(const IniDocument& document) {
  // Writing what we could not read would throw its contents away.
  if (tooLarge_) throw EIniFileException("Unable to write to " + fileName_ + ": the file is too large");
  if (unreadable_) throw EIniFileException("Unable to write to " + fileName_ + ": the file cannot be read");
  if (updateDepth_ > 0) {
    cached_ = std::make_unique<IniDocument>(document);
    pending_ = true;
    return;
  }
  pending_ = false;
  if (!WriteFileAtomically(fileName_, document.Serialize()))
    throw EIniFileException("Unable to write to " + fileName_);
  cached_ = std::make_unique<IniDocument>(document);
  cachedIdentity_ = std::make_unique<FileIdentity>(FileIdentity::Of(fileName_));
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) {
  return Document().Value(section, key).value_or(defaultValue);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int defaultValue) {
  return StrToIntDef(ReadString(section, key, ""), defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool defaultValue) {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  CheckWritable(section, key, value);
  IniDocument document = Document();
  document.SetValue(section, key, value);
  Store(document);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::ReadSection(const std::string& section, TStringList& keys) {
  keys.BeginUpdate();
  keys.Clear();
  for (const std::string& key : Document().KeyNames(section)) keys.Add(key);
  keys.EndUpdate();
}

void TIniFile::ReadSections(TStringList& sections) {
  sections.BeginUpdate();
  sections.Clear();
  for (const std::string& section : Document().SectionNames()) sections.Add(section);
  sections.EndUpdate();
}

void TIniFile::ReadSectionValues(const std::string& section, TStringList& lines) {
  lines.BeginUpdate();
  lines.Clear();
  const IniDocument& document = Document();
  for (const std::string& key : document.KeyNames(section))
    lines.Add(key + "=" + document.Value(section, key).value_or(""));
  lines.EndUpdate();
}

bool TIniFile::SectionExists(const std::string& section) { return !Document().KeyNames(section).empty(); }

bool TIniFile::ValueExists(const std::string& section, const std::string& key) {
  return Document().Value(section, key).has_value();
}

void TIniFile::EraseSection(const std::string& section) {
  IniDocument document = Document();
  if (document.EraseSection(section)) Store(document);
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
  IniDocument document = Document();
  if (document.DeleteKey(section, key)) Store(document);
}

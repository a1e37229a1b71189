#pragma once
// Settings files in the classic ini format, read and written key by key.
// Every read sees the file as it is on disk; every write replaces the
// whole file at once, so a crash never leaves half a settings file.
// Reading a missing or unreadable file gives the defaults; a failed
// write throws EIniFileException and leaves the file as it was. A file
// that exists but cannot be read is never written over.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/base/Types.h"

class TStringList;
namespace detail {
class IniDocument;
}

class TIniFile : public TObject {
 public:
  explicit TIniFile(const std::string& fileName);
  ~TIniFile() override;
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::string& FileName() const { return fileName_; }

  // The default only when the key is missing; a present empty value is "".
  std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue);
  // Decimal, or hexadecimal after "0x" or "$"; any other text, or a
  // number outside 32 bits, gives the default.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue);
  // Any non-zero integer is true.
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue);

  // Names of sections, keys, and their values never hold line breaks;
  // keys never hold "=" and sections never hold "]": such calls throw
  // EIniFileException and change nothing.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);  // "1" or "0"

  // Each clears the list first.
  void ReadSection(const std::string& section, TStringList& keys);
  void ReadSections(TStringList& sections);
  void ReadSectionValues(const std::string& section, TStringList& lines);  // "key=value"

  // A section exists when it holds at least one key.
  bool SectionExists(const std::string& section);
  bool ValueExists(const std::string& section, const std::string& key);
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& key);

  // Between BeginUpdate and the matching EndUpdate, writes change the
  // file's image in memory only; EndUpdate writes the file once. Saving
  // many keys this way costs one write instead of one per key, and a save
  // that fails half-way (EndUpdate never reached) leaves the file as it was.
  void BeginUpdate();
  void EndUpdate();

  std::string ClassName() const override { return "TIniFile"; }

  // Files larger than this are not taken for settings: they read as empty
  // and are never written.
  static constexpr std::int64_t MaxFileSize = 8 << 20;

 private:
  struct FileIdentity;
  const detail::IniDocument& Document();
  void Store(const detail::IniDocument& document);

  std::string fileName_;
  std::unique_ptr<detail::IniDocument> cached_;
  std::unique_ptr<FileIdentity> cachedIdentity_;
  bool tooLarge_ = false;
  bool unreadable_ = false;
  int updateDepth_ = 0;
  bool pending_ = false;
};

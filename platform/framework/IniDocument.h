#pragma once
// The text of a settings file as lines, read and edited the way the
// classic profile functions do: section and key names ignore ASCII case,
// the first occurrence of a section or key wins, values are trimmed and
// lose one pair of surrounding quotes. Edits keep every other line as it
// was, comments and unknown keys included.

#include <optional>
#include <string>
#include <vector>

namespace detail {

class IniDocument {
 public:
  static IniDocument Parse(const std::string& bytes);
  std::string Serialize() const;

  std::optional<std::string> Value(const std::string& section, const std::string& key) const;
  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(const std::string& section) const;

  // Replaces the value in the key's line, or adds the line at the end
  // of its section (made at the end of the file when missing).
  void SetValue(const std::string& section, const std::string& key, const std::string& value);
  // Both answer whether anything changed.
  bool DeleteKey(const std::string& section, const std::string& key);
  bool EraseSection(const std::string& section);

 private:
  struct Range {
    size_t header = 0;  // the section's "[...]" line
    size_t end = 0;     // one past its last line
  };
  std::optional<Range> FindSection(const std::string& section) const;
  std::optional<size_t> FindKey(const Range& range, const std::string& key) const;

  std::vector<std::string> lines_;
  std::string lineBreak_ = "\n";
  bool byteOrderMark_ = false;
};

}  // namespace detail

#include "platform/framework/IniDocument.h"

#include "platform/framework/SysUtils.h"

namespace detail {

namespace {

const std::string kByteOrderMark = "\xEF\xBB\xBF";

bool IsHeader(const std::string& line, std::string* name = nullptr) {
  std::string text = TrimLeft(line);
  if (text.empty() || text[0] != '[') return false;
  if (name != nullptr) {
    size_t close = text.find(']');
    *name = Trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
  }
  return true;
}

// A line "key = value"; comments, blank lines and lines without "=" are
// no keys.
bool IsKeyLine(const std::string& line, std::string& key, std::string* value = nullptr) {
  std::string text = TrimLeft(line);
  if (text.empty() || text[0] == ';' || text[0] == '#' || text[0] == '[') return false;
  size_t equals = text.find('=');
  if (equals == std::string::npos) return false;
  key = Trim(text.substr(0, equals));
  if (key.empty()) return false;
  if (value != nullptr) {
    *value = Trim(text.substr(equals + 1));
    if (value->size() >= 2 && (value->front() == '"' || value->front() == '\'') &&
        value->back() == value->front())
      *value = value->substr(1, value->size() - 2);
  }
  return true;
}

void AddUnique(std::vector<std::string>& names, const std::string& name) {
  for (const std::string& existing : names)
    if (SameText(existing, name)) return;
  names.push_back(name);
}

}  // namespace

IniDocument IniDocument::Parse(const std::string& bytes) {
  IniDocument document;
  size_t start = 0;
  if (bytes.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
    document.byteOrderMark_ = true;
    start = kByteOrderMark.size();
  }
  size_t firstBreak = bytes.find_first_of("\r\n", start);
  if (firstBreak != std::string::npos && bytes.compare(firstBreak, 2, "\r\n") == 0) document.lineBreak_ = "\r\n";
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    document.lines_.push_back(bytes.substr(start, end - start));
    start = end;
    if (start < bytes.size() && bytes[start] == '\r') ++start;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return document;
}

std::string IniDocument::Serialize() const {
  std::string bytes = byteOrderMark_ ? kByteOrderMark : std::string();
  for (const std::string& line : lines_) bytes += line + lineBreak_;
  return bytes;
}

std::optional<IniDocument::Range> IniDocument::FindSection(const std::string& section) const {
  std::string name;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (!IsHeader(lines_[i], &name) || !SameText(name, section)) continue;
    size_t end = i + 1;
    while (end < lines_.size() && !IsHeader(lines_[end])) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(const Range& range, const std::string& key) const {
  std::string name;
  for (size_t i = range.header + 1; i < range.end; ++i)
    if (IsKeyLine(lines_[i], name) && SameText(name, key)) return i;
  return std::nullopt;
}

std::optional<std::string> IniDocument::Value(const std::string& section, const std::string& key) const {
  std::optional<Range> range = FindSection(section);
  if (!range) return std::nullopt;
  std::optional<size_t> line = FindKey(*range, key);
  if (!line) return std::nullopt;
  std::string name, value;
  IsKeyLine(lines_[*line], name, &value);
  return value;
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  std::string name;
  for (const std::string& line : lines_)
    if (IsHeader(line, &name)) AddUnique(names, name);
  return names;
}

std::vector<std::string> IniDocument::KeyNames(const std::string& section) const {
  std::vector<std::string> names;
  std::optional<Range> range = FindSection(section);
  if (!range) return names;
  std::string name;
  for (size_t i = range->header + 1; i < range->end; ++i)
    if (IsKeyLine(lines_[i], name)) AddUnique(names, name);
  return names;
}

void IniDocument::SetValue(const std::string& section, const std::string& key, const std::string& value) {
  const std::string line = key + "=" + value;
  std::optional<Range> range = FindSection(section);
  if (!range) {
    lines_.push_back("[" + section + "]");
    lines_.push_back(line);
    return;
  }
  if (std::optional<size_t> existing = FindKey(*range, key)) {
    std::string storedKey;  // the file keeps its own spelling of the key
    IsKeyLine(lines_[*existing], storedKey);
    lines_[*existing] = storedKey + "=" + value;
    return;
  }
  // After the section's last non-blank line, so blank lines that part it
  // from the next section stay where they are.
  size_t insertAt = range->end;
  while (insertAt > range->header + 1 && Trim(lines_[insertAt - 1]).empty()) --insertAt;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

bool IniDocument::DeleteKey(const std::string& section, const std::string& key) {
  std::optional<Range> range = FindSection(section);
  if (!range) return false;
  std::optional<size_t> line = FindKey(*range, key);
  if (!line) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
  return true;
}

bool IniDocument::EraseSection(const std::string& section) {
  std::optional<Range> range = FindSection(section);
  if (!range) return false;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
               lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
  return true;
}

}  // namespace detail

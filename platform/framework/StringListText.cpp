// The list as one text: lines, delimited text, name=value pairs, files.
#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/Streams.h"
#include "platform/framework/StringList.h"
#include "platform/os/Files.h"

namespace {

bool IsBlank(char c) { return c >= 1 && c <= ' '; }

// Reads a quoted string starting at text[i] (the opening quote); doubled
// quotes stand for one. Without a closing quote it takes the rest.
std::string ExtractQuoted(const std::string& text, size_t& i, char quote) {
  std::string result;
  ++i;
  while (i < text.size()) {
    if (text[i] == quote) {
      if (i + 1 < text.size() && text[i + 1] == quote) {
        result += quote;
        i += 2;
        continue;
      }
      ++i;
      break;
    }
    result += text[i++];
  }
  return result;
}

std::string Quoted(const std::string& s, char quote) {
  std::string result(1, quote);
  for (char c : s) {
    result += c;
    if (c == quote) result += quote;
  }
  return result + quote;
}

}  // namespace

std::string TStringList::Text() const {
  std::string text;
  for (const Item& item : items_) text += item.text + lineBreak_;
  return text;
}

void TStringList::SetText(const std::string& text) {
  BeginUpdate();
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    Add(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  EndUpdate();
}

std::string TStringList::DelimitedText() const {
  if (Count() == 1 && items_[0].text.empty()) return std::string(2, quoteChar_);
  std::string result;
  for (size_t i = 0; i < items_.size(); ++i) {
    const std::string& s = items_[i].text;
    bool needsQuotes = false;
    for (char c : s)
      if (static_cast<unsigned char>(c) <= ' ' || c == quoteChar_ || c == delimiter_) needsQuotes = true;
    if (i > 0) result += delimiter_;
    result += needsQuotes ? Quoted(s, quoteChar_) : s;
  }
  return result;
}

void TStringList::SetDelimitedText(const std::string& text) {
  BeginUpdate();
  Clear();
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  while (i < text.size()) {
    if (text[i] == quoteChar_) {
      Add(ExtractQuoted(text, i, quoteChar_));
    } else {
      size_t start = i;
      while (i < text.size() && static_cast<unsigned char>(text[i]) > ' ' && text[i] != delimiter_) ++i;
      Add(text.substr(start, i - start));
    }
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i < text.size() && text[i] == delimiter_) {
      if (i + 1 == text.size()) Add("");  // a trailing delimiter ends with an empty string
      do {
        ++i;
      } while (i < text.size() && IsBlank(text[i]));
    }
  }
  EndUpdate();
}

std::string TStringList::CommaText() const {
  TStringList copy;
  copy.items_ = items_;
  return copy.DelimitedText();  // a fresh list uses "," and '"'
}

void TStringList::SetCommaText(const std::string& text) {
  char delimiter = delimiter_, quote = quoteChar_;
  delimiter_ = ',';
  quoteChar_ = '"';
  SetDelimitedText(text);
  delimiter_ = delimiter;
  quoteChar_ = quote;
}

std::string TStringList::Names(int index) const {
  const std::string& text = Strings(index);
  size_t separator = text.find(nameValueSeparator_);
  return separator == std::string::npos ? std::string() : text.substr(0, separator);
}

std::string TStringList::Values(const std::string& name) const {
  int index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStringList::SetValues(const std::string& name, const std::string& value) {
  int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  std::string line = name + nameValueSeparator_ + value;
  if (index < 0) Add(line);
  else if (sorted_) {  // the new text may belong elsewhere
    BeginUpdate();
    Delete(index);
    Add(line);
    EndUpdate();
  } else SetStrings(index, line);
}

std::string TStringList::ValueFromIndex(int index) const {
  const std::string& text = Strings(index);
  size_t separator = text.find(nameValueSeparator_);
  return separator == std::string::npos ? std::string() : text.substr(separator + 1);
}

void TStringList::SetValueFromIndex(int index, const std::string& value) {
  CheckIndex(index);
  const std::string& text = items_[static_cast<size_t>(index)].text;
  size_t separator = text.find(nameValueSeparator_);
  std::string name = separator == std::string::npos ? text : text.substr(0, separator);
  if (value.empty()) Delete(index);
  else SetStrings(index, name + nameValueSeparator_ + value);
}

void TStringList::LoadFromStream(TStream& stream) {
  std::int64_t size = std::max<std::int64_t>(stream.Size() - stream.Position(), 0);
  std::string bytes;
  try {
    bytes.resize(static_cast<size_t>(size));
  } catch (const std::exception&) {  // bad_alloc or length_error
    throw EOutOfResources("Out of memory for " + std::to_string(size) + " bytes of text");
  }
  stream.ReadBuffer(bytes.data(), size);
  SetText(bytes);
}

void TStringList::SaveToStream(TStream& stream) const {
  std::string text = Text();
  stream.WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

void TStringList::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TStringList::SaveToFile(const std::string& fileName) const {
  // All or nothing: a failed save leaves the old file as it was.
  if (!WriteFileAtomically(fileName, Text())) throw EFCreateError("Cannot create file \"" + fileName + "\"");
}

#pragma once
// An ordered list of strings, each with an optional object pointer (not
// owned). Comparisons ignore ASCII case unless CaseSensitive is set. A
// sorted list keeps itself in order and treats duplicates as Duplicates
// says. Lines of the form name=value are read as names and values.

#include <functional>
#include <string>
#include <vector>

#include "platform/base/Types.h"

class TStream;

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TObject {
 public:
  using TCompare = std::function<int(TStringList& list, int index1, int index2)>;

  TStringList() = default;
  TStringList(const TStringList& other) { Assign(other); }
  TStringList& operator=(const TStringList& other) {
    Assign(other);
    return *this;
  }

  int Count() const { return static_cast<int>(items_.size()); }
  // Throw EStringListError for an index outside the list.
  const std::string& Strings(int index) const;
  const std::string& operator[](int index) const { return Strings(index); }
  void SetStrings(int index, const std::string& s);  // not on a sorted list
  TObject* Objects(int index) const;
  void SetObjects(int index, TObject* object);

  // Both return the new string's index (the existing one for an ignored duplicate).
  int Add(const std::string& s);
  int AddObject(const std::string& s, TObject* object);
  void Append(const std::string& s) { Add(s); }
  void AddStrings(const TStringList& other);
  void Assign(const TStringList& other);
  void Insert(int index, const std::string& s);  // not on a sorted list
  void InsertObject(int index, const std::string& s, TObject* object);
  void Delete(int index);
  void Clear();
  void Exchange(int index1, int index2);
  void Move(int currentIndex, int newIndex);

  int IndexOf(const std::string& s) const;  // -1 when absent
  int IndexOfName(const std::string& name) const;
  int IndexOfObject(const TObject* object) const;
  // In a sorted list: true when found; index is where s is or would go.
  bool Find(const std::string& s, int& index) const;

  void Sort();
  void CustomSort(const TCompare& compare);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool caseSensitive);

  // Every string followed by LineBreak. Setting splits at CR LF, LF or CR.
  std::string Text() const;
  void SetText(const std::string& text);
  const std::string& LineBreak() const { return lineBreak_; }
  void SetLineBreak(const std::string& lineBreak) { lineBreak_ = lineBreak; }

  // Strings joined by Delimiter; a string holding blanks, control
  // characters, the quote or the delimiter is quoted, quotes doubled.
  // Reading splits at the delimiter and at blanks outside quotes.
  std::string DelimitedText() const;
  void SetDelimitedText(const std::string& text);
  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char delimiter) { delimiter_ = delimiter; }
  char QuoteChar() const { return quoteChar_; }
  void SetQuoteChar(char quoteChar) { quoteChar_ = quoteChar; }
  // DelimitedText with "," and '"'.
  std::string CommaText() const;
  void SetCommaText(const std::string& text);

  // The part before the first separator; empty when there is none.
  std::string Names(int index) const;
  // The part after the first separator of the line named `name`.
  std::string Values(const std::string& name) const;
  // Replaces or adds the line; an empty value removes it.
  void SetValues(const std::string& name, const std::string& value);
  // The part after the separator; empty when the line has none.
  std::string ValueFromIndex(int index) const;
  void SetValueFromIndex(int index, const std::string& value);
  char NameValueSeparator() const { return nameValueSeparator_; }
  void SetNameValueSeparator(char separator) { nameValueSeparator_ = separator; }

  // Throw EFOpenError, EFCreateError or EReadError.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;
  // From the stream's position to its end; at the stream's position.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;

  bool Equals(const TStringList& other) const;

  // Changes between BeginUpdate and EndUpdate raise one OnChanging/OnChange pair.
  void BeginUpdate();
  void EndUpdate();
  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  std::string ClassName() const override { return "TStringList"; }

 private:
  struct Item {
    std::string text;
    TObject* object = nullptr;
  };

  int CompareStrings(const std::string& a, const std::string& b) const;
  void CheckIndex(int index) const;
  void CheckNotSorted() const;
  void InsertItem(int index, const std::string& s, TObject* object);
  void Changing();
  void Changed();

  std::vector<Item> items_;
  bool sorted_ = false;
  TDuplicates duplicates_ = dupIgnore;
  bool caseSensitive_ = false;
  std::string lineBreak_ = "\r\n";
  char delimiter_ = ',';
  char quoteChar_ = '"';
  char nameValueSeparator_ = '=';
  int updateCount_ = 0;
};

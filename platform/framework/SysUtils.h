#pragma once
// String, number and file-name functions. Numbers are read and written
// with "." as the decimal separator whatever the locale says; upper and
// lower case means ASCII letters only, so UTF-8 text passes unchanged.

#include <cstdint>
#include <string>

// --- text -----------------------------------------------------------------

// Trim removes blanks and control characters (every byte up to ' ').
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);
std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
// Compare without regard to ASCII case: < 0, 0 or > 0.
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
int CompareStr(const std::string& a, const std::string& b);

// --- integers -------------------------------------------------------------

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal, zero-padded to at least `digits` characters.
std::string IntToHex(std::int64_t value, int digits);

// Decimal with an optional sign, or hexadecimal after "$" or "0x";
// leading blanks are allowed, nothing may follow the number.
bool TryStrToInt(const std::string& s, int& value);
bool TryStrToInt64(const std::string& s, std::int64_t& value);
// Throws EConvertError ("'x' is not a valid integer value").
int StrToInt(const std::string& s);
std::int64_t StrToInt64(const std::string& s);
int StrToIntDef(const std::string& s, int defaultValue);
std::int64_t StrToInt64Def(const std::string& s, std::int64_t defaultValue);

// --- floating point -------------------------------------------------------

// Shortest general form with 15 significant digits: "0.1", "1E20".
std::string FloatToStr(double value);
// Format strings of "0", "#", ".", ",", "E+00"/"E-00", quoted text and up
// to three ";"-separated sections (positive;negative;zero).
std::string FormatFloat(const std::string& format, double value);
// Accepts blanks around the number, a sign, "." and an exponent.
bool TryStrToFloat(const std::string& s, double& value);
// Throws EConvertError ("'x' is not a valid floating point value").
double StrToFloat(const std::string& s);
double StrToFloatDef(const std::string& s, double defaultValue);

// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Round and Trunc throw EInvalidOp for values outside 64 bits or NaN.
std::int64_t Round(double value);
std::int64_t Trunc(double value);
// value * numerator / denominator in 64 bits, rounded half away from
// zero; -1 when the denominator is 0 or the result leaves 32 bits.
int MulDiv(int value, int numerator, int denominator);

// --- file names -----------------------------------------------------------

constexpr char PathDelim = '/';

// ".zsk" of "a/b.zsk"; empty when the name has no dot.
std::string ExtractFileExt(const std::string& fileName);
// Folder part with its trailing "/"; empty without one.
std::string ExtractFilePath(const std::string& fileName);
// Folder part without its trailing "/" (except the root "/").
std::string ExtractFileDir(const std::string& fileName);
std::string ExtractFileName(const std::string& fileName);
// Replaces (or adds, or with "" removes) the extension.
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
std::string IncludeTrailingPathDelimiter(const std::string& path);
std::string ExcludeTrailingPathDelimiter(const std::string& path);

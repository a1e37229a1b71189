#pragma once
// UTF-8 to code points for the text routines. Broken input never stops
// drawing: each byte that does not start a valid sequence becomes U+FFFD.

#include <string>
#include <string_view>

std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

#pragma once
// Conversion between the Windows-1252 bytes kept in the game's data files
// and the UTF-8 text used everywhere in memory.

#include <cstddef>
#include <string>
#include <string_view>

namespace forms {

// Every byte becomes one code point; the five bytes that Windows-1252 leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls U+0081 etc.
std::string cp1252ToUtf8(std::string_view bytes);

// Every code point becomes one byte. A character without a Windows-1252 byte,
// and every byte of malformed UTF-8, becomes '?'.
std::string utf8ToCp1252(std::string_view utf8);

// Number of code points in a UTF-8 string (a malformed byte counts as one).
std::size_t utf8Length(std::string_view utf8);

// Number of bytes taken by the first `count` code points (all of them if the
// text is shorter), counted the same way as utf8Length.
std::size_t utf8PrefixBytes(std::string_view utf8, std::size_t count);

}  // namespace forms

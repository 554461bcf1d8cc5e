#pragma once

#include <QtGlobal>

#include <cstddef>

// Byte-to-UTF-16 decoding for delimited text files. The decoders write at most one UTF-16
// code unit per input byte, so an output buffer as long as the input always suffices.
namespace textdecoding {

// True when the bytes are well-formed UTF-8: no stray continuation bytes, no truncated
// sequences, no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(const uchar* data, std::size_t size);

// Decodes UTF-8; each ill-formed sequence becomes one U+FFFD. Returns the units written.
std::size_t decodeUtf8(const uchar* data, std::size_t size, char16_t* out);

// Decodes Windows-1252 (0x80-0x9F as Windows maps them, its five undefined bytes to the C1
// controls of the same value). Returns the units written (always size).
std::size_t decodeWindows1252(const uchar* data, std::size_t size, char16_t* out);

// The character one Windows-1252 byte stands for.
char16_t windows1252Char(uchar byte);

} // namespace textdecoding

// The byte forms of 16-bit text: UTF-8 written one code unit at a time (file names and the
// saved state), and the decoding of text files with byte-order-mark detection.
#pragma once

#include <cstddef>
#include <string>

#include "host/text.h"

// Each code unit on its own in one, two or three bytes; a surrogate half takes three bytes, so
// a character above U+FFFF becomes two three-byte sequences.
std::string EncodeUtf8(const String& text);

struct DecodedText {
  String text;
  // False when UTF-8 decoding failed: `text` then holds the bytes after any UTF-8 byte-order
  // mark, one code unit per byte.
  bool validUtf8 = true;
};

// FE FF: UTF-16 big-endian; FF FE: UTF-16 little-endian; EF BB BF or no mark: UTF-8.
DecodedText DecodeTextBytes(const unsigned char* bytes, std::size_t length);

// UTF-8 encoding per code unit and the text-file decoding rules.
#include "host/text_codec.h"

#include <initializer_list>

namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Every following byte pair is one code unit; an odd last byte is ignored.
String DecodeUtf16(const unsigned char* bytes, std::size_t length, bool bigEndian) {
  std::u16string units;
  units.reserve(length / 2);
  for (std::size_t i = 0; i + 1 < length; i += 2) {
    const unsigned high = bigEndian ? bytes[i] : bytes[i + 1];
    const unsigned low = bigEndian ? bytes[i + 1] : bytes[i];
    units.push_back(static_cast<char16_t>((high << 8) | low));
  }
  return String(std::u16string_view(units));
}

// One-, two- and three-byte sequences, overlong forms included. False for any other lead byte,
// a missing continuation byte or a sequence cut off by the end.
bool DecodeUtf8(const unsigned char* bytes, std::size_t length, String& text) {
  std::u16string units;
  units.reserve(length);
  std::size_t i = 0;
  while (i < length) {
    const unsigned b0 = bytes[i];
    if (b0 < 0x80) {
      units.push_back(static_cast<char16_t>(b0));
      i += 1;
    } else if ((b0 & 0xE0) == 0xC0) {
      if (i + 1 >= length || !IsContinuation(bytes[i + 1])) return false;
      units.push_back(static_cast<char16_t>(((b0 & 31) << 6) | (bytes[i + 1] & 63)));
      i += 2;
    } else if ((b0 & 0xF0) == 0xE0) {
      if (i + 2 >= length || !IsContinuation(bytes[i + 1]) || !IsContinuation(bytes[i + 2])) {
        return false;
      }
      units.push_back(static_cast<char16_t>(((b0 & 15) << 12) | ((bytes[i + 1] & 63) << 6) |
                                            (bytes[i + 2] & 63)));
      i += 3;
    } else {
      return false;
    }
  }
  text = String(std::u16string_view(units));
  return true;
}

bool StartsWithMark(const unsigned char* bytes, std::size_t length,
                    std::initializer_list<unsigned char> mark) {
  if (length < mark.size()) return false;
  std::size_t i = 0;
  for (const unsigned char byte : mark) {
    if (bytes[i++] != byte) return false;
  }
  return true;
}

}  // namespace

std::string EncodeUtf8(const String& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.Length()));
  for (const char16_t codeUnit : text.View()) {
    const unsigned unit = codeUnit;
    if (unit < 0x80) {
      bytes.push_back(static_cast<char>(unit));
    } else if (unit < 0x800) {
      bytes.push_back(static_cast<char>(0xC0 | (unit >> 6)));
      bytes.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    } else {
      bytes.push_back(static_cast<char>(0xE0 | (unit >> 12)));
      bytes.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
      bytes.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    }
  }
  return bytes;
}

DecodedText DecodeTextBytes(const unsigned char* bytes, std::size_t length) {
  if (StartsWithMark(bytes, length, {0xFE, 0xFF})) {
    return {DecodeUtf16(bytes + 2, length - 2, true), true};
  }
  if (StartsWithMark(bytes, length, {0xFF, 0xFE})) {
    return {DecodeUtf16(bytes + 2, length - 2, false), true};
  }
  if (StartsWithMark(bytes, length, {0xEF, 0xBB, 0xBF})) {
    bytes += 3;
    length -= 3;
  }
  DecodedText decoded;
  if (!DecodeUtf8(bytes, length, decoded.text)) {
    decoded.text =
        String::FromBytes(reinterpret_cast<const char*>(bytes), static_cast<int>(length));
    decoded.validUtf8 = false;
  }
  return decoded;
}

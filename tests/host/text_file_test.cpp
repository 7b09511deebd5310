// Text files: byte-order marks, the UTF-8 rules and the byte-per-code-unit fallback with its
// message, read from real files.
#include <string>
#include <vector>

#include "host/file_test_support.h"

namespace {

using namespace std::string_literals;

std::vector<int> Units(const String& text) {
  return {text.Data(), text.Data() + text.Length()};
}

TEST(TextFile, DecodesByTheByteOrderMarkAndTheUtf8Rules) {
  TempWorkingFolder folder;
  IdlePlatform platform;
  QorGlfwGame host(platform);
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<int> units;
    bool invalid;
  };
  const Case cases[] = {
      {"empty file", ""s, {}, false},
      {"UTF-16 big-endian", "\xFE\xFF\x00\x41\x20\xAC"s, {0x41, 0x20AC}, false},
      {"UTF-16 big-endian, odd last byte", "\xFE\xFF\x00\x41\x00"s, {0x41}, false},
      {"UTF-16 little-endian", "\xFF\xFE\x41\x00"s, {0x41}, false},
      {"UTF-16 little-endian, surrogates", "\xFF\xFE\x3D\xD8\x00\xDE"s, {0xD83D, 0xDE00}, false},
      {"UTF-8 mark", "\xEF\xBB\xBF\x41\xC3\xA9"s, {0x41, 0xE9}, false},
      {"UTF-8 mark alone", "\xEF\xBB\xBF"s, {}, false},
      {"UTF-8 without mark", "a\xC3\xA9\xE2\x82\xAC\x7F"s, {0x61, 0xE9, 0x20AC, 0x7F}, false},
      {"three-byte surrogate halves", "\xED\xA0\xBD\xED\xB8\x80"s, {0xD83D, 0xDE00}, false},
      {"overlong forms", "\xC0\x80\xE0\x81\x81"s, {0x00, 0x41}, false},
      {"stray continuation byte", "\x41\x80\x42"s, {0x41, 0x80, 0x42}, true},
      {"cut off after the mark", "\xEF\xBB\xBF\x41\xC3"s, {0x41, 0xC3}, true},
      {"cut off three-byte sequence", "\xE2\x82"s, {0xE2, 0x82}, true},
      {"missing continuation byte", "\xC3\x41"s, {0xC3, 0x41}, true},
      {"four-byte lead", "\xF0\x9F\x98\x80"s, {0xF0, 0x9F, 0x98, 0x80}, true},
      {"lead F8", "\x31\xF8"s, {0x31, 0xF8}, true},
      {"half a UTF-16 mark", "\xFF\x41"s, {0xFF, 0x41}, true},
  };
  for (const Case& c : cases) {
    WriteFileBytes("text.txt", c.bytes);
    testing::internal::CaptureStdout();
    const String text = host.ReadTextFile("text.txt");
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(Units(text), c.units) << c.name;
    EXPECT_EQ(printed, c.invalid ? "Invalid UTF-8!\n" : "") << c.name;
  }
}

}  // namespace

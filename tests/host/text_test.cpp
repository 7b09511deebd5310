// The 16-bit text type and the number-to-text rules.
#include "host/text.h"

#include <gtest/gtest.h>

TEST(NumberText, FollowsTheRuntimeRules) {
  struct Case {
    String text;
    const char* expected;
  };
  const Case cases[] = {
      {String::FromFloat(3.0f), "3.0"},
      {String::FromFloat(0.1f), "0.10000000149011612"},
      {String::FromFloat(1e20f), "1.0000000200408773e+20"},
      {String::FromFloat(-2.5f), "-2.5"},
      {String::FromInt(-42), "-42"},
      {String::FromInt(-2147483647 - 1), "-2147483648"},
      {String::FromInt(0), "0"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text.Narrow(), c.expected);
}

TEST(Text, NarrowKeepsTheLowByteOfEachCodeUnit) {
  const char16_t units[] = {0x141, u'b', 0xE9, 0};
  EXPECT_EQ(String(units).Narrow(), "Ab\xE9");
}

TEST(Text, JoinsSlicesAndSearches) {
  const String joined = String("Score ") + 12 + String("|");
  EXPECT_EQ(joined, String("Score 12|"));
  EXPECT_EQ(joined.Slice(6, 8), String("12"));
  EXPECT_EQ(joined.Slice(-5, 100), joined);
  EXPECT_TRUE(joined.Slice(5, 2).IsEmpty());
  EXPECT_EQ(joined.Find("|"), 8);
  EXPECT_EQ(joined.Find("x"), -1);
  EXPECT_TRUE(joined.StartsWith("Sco"));
  EXPECT_TRUE(joined.EndsWith("2|"));
  EXPECT_EQ(String("A.WAV").ToLower(), String("a.wav"));
}

TEST(Text, LongTextsMoveToTheHeapAndCopyWhole) {
  const String unit("0123456789");
  const String longText = String::Repeat(unit, 10);
  ASSERT_EQ(longText.Length(), 100);
  String copy = longText;
  String moved = std::move(copy);
  EXPECT_EQ(moved, longText);
  EXPECT_EQ(moved[99], u'9');
  String shortText("abc");
  shortText = moved;
  EXPECT_EQ(shortText.Length(), 100);
  EXPECT_EQ(String::FromBytes("a\0b", 3).Length(), 3);
}

#include "core/String.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

// Gives a String the null buffer a failed allocation leaves behind.
struct StringTestAccess {
  static String nullString() {
    String s("lost");
    s.dropBuffer();
    return s;
  }
};

namespace {

TEST(StringTest, ConstructionCopiesTheRequestedBytes) {
  EXPECT_STREQ(String().c_str(), "");
  EXPECT_STREQ(String("abcdef", 3).c_str(), "abc");
  String embedded("ab\0cd", 5);  // the text ends at the embedded NUL
  EXPECT_EQ(embedded.length(), 2);
  EXPECT_STREQ(embedded.c_str(), "ab");
  EXPECT_STREQ(String(nullptr).c_str(), "");
  EXPECT_STREQ(String('x').c_str(), "x");
}

TEST(StringTest, CharAtOutsideTheTextGivesTheFirstByte) {
  String s("abc");
  EXPECT_EQ(s.charAt(2), 'c');
  EXPECT_EQ(s.charAt(3), 'a');
  EXPECT_EQ(s.charAt(100), 'a');
  EXPECT_EQ(s.charAt(-1), 'a');
  EXPECT_EQ(StringTestAccess::nullString().charAt(0), '\0');
}

TEST(StringTest, NullBufferReadsAsEmptyButNeverCompares) {
  String null = StringTestAccess::nullString();
  String empty("");
  EXPECT_EQ(null.length(), 0);
  EXPECT_STREQ(null.c_str(), "");
  EXPECT_FALSE(null.equals(empty));
  EXPECT_FALSE(empty.equals(null));
  EXPECT_FALSE(null.notEquals(String("x")));
  EXPECT_FALSE(String("x").notEquals(null));
  EXPECT_TRUE(null.less(String("a")));
  EXPECT_EQ(null.toInt(), 0);
  EXPECT_STREQ(null.beforeFirst('a').c_str(), "");
  EXPECT_STREQ((String("ab") + null).c_str(), "ab");
  EXPECT_TRUE(String(null).equals(empty));  // a copy owns the empty text
  String target("old");
  target = null;
  EXPECT_TRUE(target.equals(empty));
  null.append("new");
  EXPECT_STREQ(null.c_str(), "new");
}

TEST(StringTest, MovedFromStringReadsAsEmpty) {
  String source("moved");
  String target(std::move(source));
  EXPECT_STREQ(target.c_str(), "moved");
  EXPECT_EQ(source.length(), 0);  // NOLINT(bugprone-use-after-move): documented state
  source = "reused";
  EXPECT_STREQ(source.c_str(), "reused");
}

TEST(StringTest, ComparisonsAreByteWise) {
  EXPECT_TRUE(String("abc").equals(String("abc")));
  EXPECT_TRUE(String("abc").notEquals(String("abd")));
  EXPECT_FALSE(String("abc").notEquals(String("abc")));
  EXPECT_TRUE(String("B").less(String("a")));
  EXPECT_TRUE(String("ab").less(String("abc")));
  EXPECT_TRUE(String("z").less(String("\xE4")));  // high bytes sort after ASCII
  EXPECT_FALSE(String("abc").less(String("abc")));
}

TEST(StringTest, AppendAndAssignSurviveAliasing) {
  String s("ab");
  s.append(s);
  EXPECT_STREQ(s.c_str(), "abab");
  s.append(s.c_str() + 3);
  EXPECT_STREQ(s.c_str(), "ababb");
  s = s.c_str() + 2;
  EXPECT_STREQ(s.c_str(), "abb");
  const String& same = s;
  s = same;
  EXPECT_STREQ(s.c_str(), "abb");
  s.append(static_cast<const char*>(nullptr));
  EXPECT_STREQ(s.c_str(), "abb");
  s = "a much longer text than before";
  s = "short";
  EXPECT_STREQ(s.c_str(), "short");
  EXPECT_STREQ((String("a") + String("b") + "c" + 'd').c_str(), "abcd");
}

TEST(StringTest, SplittingAtMissingSeparator) {
  String s("no separator");
  EXPECT_STREQ(s.beforeFirst('|').c_str(), "no separator");
  EXPECT_STREQ(s.afterFirst('|').c_str(), "");
  EXPECT_STREQ(s.beforeLast('|').c_str(), "");
  EXPECT_STREQ(s.afterLast('|').c_str(), "");
  EXPECT_STREQ(s.beforeFirst('\0').c_str(), "no separator");  // the NUL is not in the text
  EXPECT_STREQ(s.afterLast('\0').c_str(), "");
}

TEST(StringTest, SplittingLinesAndPaths) {
  String lines("one\ntwo\nthree");
  EXPECT_STREQ(lines.beforeFirst('\n').c_str(), "one");
  EXPECT_STREQ(lines.afterFirst('\n').c_str(), "two\nthree");
  String path("gfx\\xml\\country.xml");
  EXPECT_STREQ(path.beforeLast('\\').c_str(), "gfx\\xml");
  EXPECT_STREQ(path.afterLast('\\').c_str(), "country.xml");
  EXPECT_STREQ(String("pic.v2.bmp").afterLast('.').c_str(), "bmp");
  EXPECT_STREQ(String("dir\\").afterLast('\\').c_str(), "");
  EXPECT_STREQ(String("\\root").beforeLast('\\').c_str(), "");
}

TEST(StringTest, TrimLeftRemovesEveryWhiteSpaceByte) {
  for (char space : std::string(" \t\r\n\v\f")) {
    String s(std::string(3, space).append("x y").c_str());
    EXPECT_STREQ(s.trimLeft().c_str(), "x y") << "byte " << int(space);
  }
  String blank(" \t\n");
  EXPECT_STREQ(blank.trimLeft().c_str(), "");
  String kept("x ");
  EXPECT_STREQ(kept.trimLeft().c_str(), "x ");
}

TEST(StringTest, UntilSpaceAndFromSpace) {
  String command("move\t3 north");
  EXPECT_STREQ(command.untilSpace().c_str(), "move");
  EXPECT_STREQ(command.fromSpace().c_str(), "\t3 north");
  String word("single");
  EXPECT_STREQ(word.untilSpace().c_str(), "single");
  EXPECT_STREQ(word.fromSpace().c_str(), "");
}

TEST(StringTest, ToLowerChangesOnlyAsciiCapitals) {
  EXPECT_STREQ(String("AbZ@[`{9-\xC4").toLower().c_str(), "abz@[`{9-\xC4");
}

TEST(StringTest, NumbersFromJunk) {
  EXPECT_EQ(String("42abc").toInt(), 42);
  EXPECT_EQ(String("  -17").toInt(), -17);
  EXPECT_EQ(String("0x1F").toInt(), 0);  // base 10 only
  EXPECT_EQ(String("abc").toInt(), 0);
  EXPECT_DOUBLE_EQ(String("2.5kg").toDouble(), 2.5);
  EXPECT_DOUBLE_EQ(String("junk").toDouble(), 0.0);
}

TEST(StringTest, FormatKeepsAtMost1023Bytes) {
  EXPECT_STREQ(String::format("%d-%s", 7, "x").c_str(), "7-x");
  std::string longText(2000, 'q');
  String cut = String::format("%s", longText.c_str());
  EXPECT_EQ(cut.length(), 1023);
  EXPECT_EQ(std::string(cut.c_str()), longText.substr(0, 1023));
}

TEST(StringTest, PrintfReplacesTheTextAndReturnsItsLength) {
  String s("old text");
  EXPECT_EQ(s.printf("%s=%d", "gold", 120), 8);
  EXPECT_STREQ(s.c_str(), "gold=120");
  EXPECT_EQ(s.printf("[%s]", s.c_str()), 10);  // its own text as argument
  EXPECT_STREQ(s.c_str(), "[gold=120]");
  EXPECT_EQ(s.printf("%2000d", 1), 1023);
  EXPECT_EQ(s.length(), 1023);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "text/windows1252.h"

namespace ppexport {
namespace {

TEST(Windows1252, convertsFromAndToUtf8) {
  struct Case {
    std::string utf8;
    std::string bytes;
  };
  const Case cases[] = {
      {"Acme Supply", "Acme Supply"},
      {"Caf\xC3\xA9 M\xC3\xBCller", "Caf\xE9 M\xFCller"},
      {"\xE2\x82\xAC" "5", "\x80" "5"},                        // euro sign
      {"\xC5\xA0\xC5\x93\xC5\xBD\xC5\xB8", "\x8A\x9C\x8E\x9F"},  // S-caron, oe, Z-caron, Y-diaeresis
      {"\xE2\x80\x9Cquoted\xE2\x80\x9D", "\x93quoted\x94"},
      {"\xC3\xBF\xC2\xA0", "\xFF\xA0"},
      {std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(utf8ToWindows1252(c.utf8), c.bytes);
    EXPECT_EQ(windows1252ToUtf8(c.bytes), c.utf8);
  }
}

TEST(Windows1252, writesQuestionMarkForWhatItCannotHold) {
  struct Case {
    std::string utf8;
    std::string bytes;
  };
  const Case cases[] = {
      {"\xE4\xB8\xAD", "?"},                     // U+4E2D
      {"A\xE4\xB8\xAD" "B\xC3\xA9", "A?B\xE9"},
      {"\xF0\x9F\x98\x80!", "?!"},               // an emoji beyond U+FFFF is one character
      {"\xC2\x81", "?"},                         // U+0081 has no place in Windows-1252
      {"x\xFFy", "x?y"},                         // a byte that never occurs in UTF-8
      {"x\xC3", "x?"},                           // cut short at the end
      {"\xE4\xB8" "A", "?A"},                    // cut short before an ASCII letter
      {"\xC0\xAF", "??"},                        // overlong form of "/"
      {"\xED\xA0\x80", "???"},                   // an encoded surrogate
      {"\x80", "?"},                             // a lone continuation byte
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(utf8ToWindows1252(c.utf8), c.bytes);
  }
}

TEST(Windows1252, undefinedBytesBecomeReplacementCharacter) {
  EXPECT_EQ(windows1252ToUtf8("a\x81" "b\x8D\x8F\x90\x9D"),
            "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
  // Every other byte survives the round trip.
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) all += static_cast<char>(b);
  }
  EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, upperCaseKnowsTheAccentedLetters) {
  EXPECT_EQ(upperCase("void: abc xyz"), "VOID: ABC XYZ");
  EXPECT_EQ(upperCase("\xE0\xE9\xF6\xFE"), "\xC0\xC9\xD6\xDE");        // a-grave .. thorn
  EXPECT_EQ(upperCase("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");        // s-caron, oe, z-caron, y-diaeresis
  EXPECT_EQ(upperCase("\xDF\xB5\xF7"), "\xDF\xB5\xF7");                // sharp s, micro, division sign
  EXPECT_EQ(upperCase("\xC9\x8A{}09@[`"), "\xC9\x8A{}09@[`");          // capitals and signs stay
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    EXPECT_EQ(upperCase(upperCase(c)), upperCase(c)) << b;
  }
}

TEST(Windows1252, trimsSpacesOnly) {
  EXPECT_EQ(trimSpaces("  Acme  "), "Acme");
  EXPECT_EQ(trimSpaces("\tAcme\t"), "\tAcme\t");
  EXPECT_EQ(trimSpaces(" a b "), "a b");
  EXPECT_EQ(trimSpaces("   "), "");
  EXPECT_EQ(trimSpaces(""), "");
}

TEST(Windows1252, controlCharactersBecomeSpaces) {
  EXPECT_EQ(replaceControlCharacters("Rent\r\nfor May"), "Rent  for May");
  EXPECT_EQ(replaceControlCharacters(std::string("a\0b\x1F" "c\x7F" "d", 7)), "a b c d");
  EXPECT_EQ(replaceControlCharacters("\x80\xA0\xFF ~"), "\x80\xA0\xFF ~");
}

}  // namespace
}  // namespace ppexport

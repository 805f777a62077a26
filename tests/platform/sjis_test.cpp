#include "platform/sjis.h"

#include <gtest/gtest.h>

namespace kirabel {
namespace {

const std::string kHanabiSjis = "\x89\xCE\x89\xD4";  // 火花
const std::string kHangul = "한";                    // not in Shift-JIS

TEST(SjisTest, JapaneseTextIsStoredAsShiftJisAndReadBack) {
  EXPECT_EQ(EncodeFileText("火花"), kHanabiSjis);
  EXPECT_EQ(DecodeFileText(kHanabiSjis), "火花");
  EXPECT_EQ(EncodeFileText("ｶﾀｶﾅ"), "\xB6\xC0\xB6\xC5");  // half-width: one byte each
  EXPECT_EQ(DecodeFileText(EncodeFileText("C:\\花火\\a.BMP")), "C:\\花火\\a.BMP");
  EXPECT_EQ(EncodeFileText("plain ascii"), "plain ascii");
}

TEST(SjisTest, TextShiftJisLacksIsStoredAsUtf8Unchanged) {
  const std::string mixed = "火花" + kHangul;
  EXPECT_EQ(EncodeFileText(mixed), mixed);
  EXPECT_EQ(DecodeFileText(mixed), mixed);
  std::string sjis;
  EXPECT_FALSE(Utf8ToSjis(mixed, sjis));
  EXPECT_FALSE(Utf8ToSjis("\xFF", sjis));  // not UTF-8 at all
}

TEST(SjisTest, DecodingTakesValidUtf8AsUtf8AndAnythingElseAsShiftJis) {
  EXPECT_TRUE(IsValidUtf8("火花"));
  EXPECT_FALSE(IsValidUtf8(kHanabiSjis));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));        // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));    // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE7\x81"));        // cut short
  EXPECT_EQ(DecodeFileText("\x82\xA0"), "あ");  // Shift-JIS
  // Bytes that are neither: every bad byte becomes U+FFFD, nothing is dropped
  // silently and nothing crashes.
  EXPECT_EQ(DecodeFileText("a\xFF"
                           "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(DecodeFileText("a\x89"), "a\xEF\xBF\xBD");  // lead byte at the end
}

TEST(SjisTest, CutsCountShiftJisBytesAndNeverSplitACharacter) {
  std::string kanji21;
  for (int i = 0; i < 21; ++i) kanji21 += "花";
  EXPECT_EQ(CutToFileBytes(kanji21, 40), kanji21.substr(0, 20 * 3));  // 20 double-byte
  EXPECT_EQ(CutToFileBytes("a" + kanji21, 40), "a" + kanji21.substr(0, 19 * 3));
  EXPECT_EQ(CutToFileBytes(std::string(41, 'x'), 40), std::string(40, 'x'));
  EXPECT_EQ(CutToFileBytes(std::string(10, 'x'), 40), std::string(10, 'x'));
  std::string kana41;
  for (int i = 0; i < 41; ++i) kana41 += "ｱ";
  EXPECT_EQ(CutToFileBytes(kana41, 40), kana41.substr(0, 40 * 3));
  // Text stored as UTF-8 counts UTF-8 bytes: 3 bytes per Hangul syllable.
  std::string hangul14;
  for (int i = 0; i < 14; ++i) hangul14 += kHangul;
  EXPECT_EQ(CutToFileBytes(hangul14, 40), hangul14.substr(0, 13 * 3));
  EXPECT_EQ(CutSjisBytes("a" + kHanabiSjis, 2), "a");
  EXPECT_EQ(CutSjisBytes("a" + kHanabiSjis, 3), "a\x89\xCE");
  EXPECT_EQ(CutUtf8Bytes("a火", 3), "a");
}

TEST(SjisTest, DecodingWithALimitCutsTheFileBytes) {
  EXPECT_EQ(DecodeFileText("a" + kHanabiSjis, 4), "a火");
  EXPECT_EQ(DecodeFileText("a火花", 6), "a火");
  EXPECT_EQ(DecodeFileText(std::string(2000, 'z'), 1023), std::string(1023, 'z'));
}

}  // namespace
}  // namespace kirabel

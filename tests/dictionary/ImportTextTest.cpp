#include <gtest/gtest.h>

#include "dictionary/import/EdictImport.h"
#include "dictionary/import/FieldText.h"
#include "dictionary/import/KanaReading.h"

namespace crossword {
namespace {

TEST(KanaAnswer, WritesEveryKanaAsAFullSizeKatakanaLetter) {
  EXPECT_EQ(AnswerFromReading(U"しゃしん"), U"シヤシン");
  EXPECT_EQ(AnswerFromReading(U"ぁぃぅぇぉっゃゅょゎゕゖ"), U"アイウエオツヤユヨワカケ");
  EXPECT_EQ(AnswerFromReading(U"ァィゥェォッャュョヮヵヶ"), U"アイウエオツヤユヨワカケ");
  EXPECT_EQ(AnswerFromReading(U"ゔぁいおりん"), U"ヴアイオリン");
  EXPECT_EQ(AnswerFromReading(U"コーヒー"), U"コーヒー");  // the long mark keeps its cell
  EXPECT_EQ(AnswerFromReading(U"アイス・クリーム"), U"アイスクリーム");
}

TEST(KanaAnswer, RefusesReadingsWithOtherCharacters) {
  EXPECT_EQ(AnswerFromReading(U"ＡＢＣ"), std::nullopt);
  EXPECT_EQ(AnswerFromReading(U"あ〜"), std::nullopt);
  EXPECT_EQ(AnswerFromReading(U"いすゞ"), std::nullopt);  // iteration mark
  EXPECT_EQ(AnswerFromReading(U"漢字"), std::nullopt);
}

TEST(FieldText, CommasAndLineBreaksAreReplacedAndCounted) {
  std::u32string text = U"one, two\r\nthree";
  EXPECT_EQ(MakeFieldSafe(text), 3);
  EXPECT_EQ(text, U"one， two  three");
  std::u32string clean = U"clean";
  EXPECT_EQ(MakeFieldSafe(clean), 0);
}

TEST(FieldText, AccentsAreFoldedSoCodePage932CanHoldTheText) {
  EXPECT_EQ(FoldAccents(U"Tōkyō café Œuvre Straße"), U"Tokyo cafe OEuvre Strasse");
  EXPECT_EQ(FoldAccents(U"3×4 ÿ"), U"3×4 y");
  EXPECT_TRUE(CanEncodeAllCp932(FoldAccents(U"Ångström")));
  EXPECT_FALSE(CanEncodeAllCp932(U"Ångström"));
}

TEST(KanaAnswer, RomanizesAsEnglishGlossesSpellJapaneseWords) {
  EXPECT_EQ(Romanized(U"しゃしん"), "shashin");
  EXPECT_EQ(Romanized(U"いなりずし"), "inarizushi");
  EXPECT_EQ(Romanized(U"きっぷ"), "kippu");
  EXPECT_EQ(Romanized(U"ちゃっと"), "chatto");
  EXPECT_EQ(Romanized(U"じゅうどう"), "juudou");
  EXPECT_EQ(Romanized(U"フィルム"), "firumu");
  EXPECT_EQ(Romanized(U"きょう・と"), "kyouto");
}

TEST(FieldText, ClueTakesWholePiecesAndCutsOnlyAtPhraseBoundaries) {
  EXPECT_EQ(ShortClue({U"photograph", U"picture", U"snapshot"}, 20), U"photograph; picture");
  // A first piece too long gives way to the next that fits whole.
  EXPECT_EQ(ShortClue({U"a rather long first meaning", U"x"}, 12), U"x");
  // None fits: asides go first, then the cut falls where a phrase ends, else at a blank.
  EXPECT_EQ(ShortClue({U"sweetfish (Plecoglossus altivelis altivelis)"}, 12), U"sweetfish");
  EXPECT_EQ(ShortClue({U"to rise, to go up to the top"}, 12), U"to rise");
  EXPECT_EQ(ShortClue({U"a rather long first meaning"}, 12), U"a rather…");
  EXPECT_EQ(ShortClue({U"unbreakablewordhere"}, 10), std::nullopt);
  EXPECT_EQ(ShortClue({}, 10), std::nullopt);
}

TEST(EdictLine, SplitsHeadwordReadingTagsAndSenses) {
  const auto entry = ParseEdictLine(
      U"上げる [あげる] /(v1,vt) (1) to raise/to elevate/(v1,vt) (2) (hon) (arch) to give/(P)/");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Written, U"上げる");
  EXPECT_EQ(entry->Reading, U"あげる");
  EXPECT_TRUE(entry->Common);
  ASSERT_EQ(entry->Senses.size(), 2u);
  EXPECT_EQ(entry->Senses[0], (std::vector<std::u32string>{U"to raise", U"to elevate"}));
  EXPECT_EQ(entry->Senses[1], (std::vector<std::u32string>{U"to give"}));
  EXPECT_EQ(entry->FirstSenseTags, (std::set<std::string>{"v1", "vt"}));
  EXPECT_TRUE(entry->Tags.contains("arch"));
}

TEST(EdictLine, KeepsTextInParenthesesThatIsNoTag) {
  const auto entry =
      ParseEdictLine(U"シャンパン /(n) (ksb:) Champagne (fre:)/(of wine) sparkling (ger: Sekt)/");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Reading, U"シャンパン");
  EXPECT_FALSE(entry->Common);
  ASSERT_EQ(entry->Senses.size(), 1u);
  EXPECT_EQ(entry->Senses[0], (std::vector<std::u32string>{U"Champagne", U"(of wine) sparkling"}));
  EXPECT_TRUE(entry->FirstSenseTags.contains("ksb:"));
}

TEST(EdictLine, RefusesLinesThatAreNoEntry) {
  EXPECT_FALSE(ParseEdictLine(U"写真 [しゃしん] photograph"));
  EXPECT_FALSE(ParseEdictLine(U"写真 [しゃしん /(n) photograph/"));
  EXPECT_FALSE(ParseEdictLine(U" /(n) photograph/"));
}

}  // namespace
}  // namespace crossword

#include <gtest/gtest.h>

#include "common/TextCodec.h"
#include "dictionary/ClueText.h"
#include "dictionary/import/EdictEntry.h"
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

// Glosses of both importers' sources and the clue each gives: whole pieces first, then a
// piece cut where a phrase ends; a part taken out takes its blanks with it.
TEST(FieldText, EachGlossGivesItsClue) {
  struct Case {
    std::vector<std::u32string> pieces;
    size_t limit;
    std::optional<std::u32string> clue;  // ShortClue
    bool whole = true;                   // WholeClue gives the same, else nothing
  };
  const Case cases[] = {
      {{U"photograph", U"picture", U"snapshot"}, 20, U"photograph; picture"},
      // A first piece too long gives way to the next that fits whole.
      {{U"a rather long first meaning", U"x"}, 12, U"x"},
      {{U"sweetfish (Plecoglossus altivelis altivelis)"}, 12, U"sweetfish"},
      {{U"a soft yellow malleable ductile (trivalent and univalent) metallic element; occurs "
        U"mainly as nuggets in rocks and alluvial deposits"},
       80,
       U"a soft yellow malleable ductile metallic element"},
      {{U"(astronomy) the angular distance of a celestial point measured along a great circle; "
        U"more"},
       75,
       U"the angular distance of a celestial point measured along a great circle"},
      // 止め: the aside at the start and the example at the end go, with their blanks.
      {{U"(a) stop (e.g. in a timber joint, or at the end of a kanji stroke)"}, 60, U"stop"},
      {{U"ductile (of metals), metallic and shining; and more besides"},
       30,
       U"ductile, metallic and shining"},
      {{U"(of wine), sparkling and rather dry"}, 22, U"sparkling and rather…", false},
      // A comma between adjectives ends no phrase (抄く): no whole clue, the cut at a blank.
      {{U"to make something (e.g. paper) from wet, pulpy material by spreading it thin and "
        U"drying it"},
       60,
       U"to make something from wet, pulpy material by spreading it…",
       false},
      {{U"to rise, to go up to the top"}, 12, U"to rise"},
      // Before a clause or a modifier, a noun phrase is whole; the last that fits is taken.
      {{U"large gregarious predatory feline of Africa and India having a tawny coat with a "
        U"shaggy mane in the male"},
       80,
       U"large gregarious predatory feline of Africa and India having a tawny coat"},
      {{U"a root that grows from and supports the stem above the ground"},
       40,
       U"a root that grows from and supports the…",
       false},
      {{U"a fish of warm seas, especially one with spines"}, 30, U"a fish of warm seas"},
      {{U"a heading: the rest of the long explanation"}, 20, U"a heading"},
      // The second piece cut whole before the first cut at a blank.
      {{U"one long phrase without any boundary", U"short one; and a long tail here"},
       15,
       U"short one"},
      {{U"a rather long first meaning"}, 12, U"a rather…", false},
      // Blanks the source left: doubled, at either end, inside parentheses.
      {{U"  a  b ( c ) d "}, 20, U"a b (c) d"},
      {{U"(abbr)", U"  "}, 4, std::nullopt},
      {{U"a (b (c) d) e f g h i j"}, 8, U"a e f g…", false},
      {{U"unclosed (aside that never ends and is long"}, 10, U"unclosed"},
      {{U"unbreakablewordhere"}, 10, std::nullopt},
      {{}, 10, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::string first = c.pieces.empty() ? "" : ToUtf8(c.pieces[0]);
    const auto clue = ShortClue(c.pieces, c.limit);
    EXPECT_EQ(clue, c.clue) << first;
    EXPECT_EQ(WholeClue(c.pieces, c.limit), c.whole ? c.clue : std::nullopt) << first;
    if (clue) {
      EXPECT_LE(clue->size(), c.limit) << first;
      EXPECT_FALSE(HasStrayBlanks(*clue)) << first;
    }
  }
}

TEST(FieldText, StrayBlanksAreFoundAndTakenOut) {
  const std::pair<std::u32string, std::u32string> cases[] = {
      {U"", U""},
      {U" ", U""},
      {U"clean text", U"clean text"},
      {U" leading", U"leading"},
      {U"trailing ", U"trailing"},
      {U"two  together", U"two together"},
      {U"before , ; : . ? ! )", U"before,;:.?!)"},
      {U"( after", U"(after"},
      {U"a - b", U"a - b"},  // a dash stands between blanks
      {U"全角　の　空白", U"全角　の　空白"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(WithoutStrayBlanks(text), expected) << ToUtf8(text);
    EXPECT_FALSE(HasStrayBlanks(expected)) << ToUtf8(text);
  }
  EXPECT_TRUE(HasStrayBlanks(U" a"));
  EXPECT_TRUE(HasStrayBlanks(U"a "));
  EXPECT_TRUE(HasStrayBlanks(U"a  b"));
  EXPECT_FALSE(HasStrayBlanks(U"a , b"));  // a blank before a comma is a matter of style
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

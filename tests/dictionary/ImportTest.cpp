#include <gtest/gtest.h>
#include <iconv.h>

#include "common/FileError.h"
#include "common/TextCodec.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryCheck.h"
#include "dictionary/import/EdictEntry.h"
#include "dictionary/import/EdictImport.h"
#include "dictionary/import/JapaneseClues.h"
#include "dictionary/import/KanaReading.h"
#include "dictionary/import/WordListFile.h"
#include "dictionary/import/WordNetImport.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::TempFolder;

std::string EucJp(const std::string& utf8) {
  iconv_t convert = iconv_open("EUC-JP", "UTF-8");
  std::string out(utf8.size() * 2, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* at = out.data();
  size_t outLeft = out.size();
  iconv(convert, &in, &inLeft, &at, &outLeft);
  iconv_close(convert);
  out.resize(out.size() - outLeft);
  return out;
}

// Every word of a dictionary by its written form.
std::map<std::u32string, WordRecord> WordsByWrittenForm(const Dictionary& dictionary) {
  std::map<std::u32string, WordRecord> words;
  for (int length = 2; length <= 12; ++length) {
    dictionary.ScanRecords(length, [&](int, const WordRecord& word) { words[word.Ast] = word; });
  }
  return words;
}

constexpr auto kIgnoreProgress = [](double) {};

class EdictImport : public ::testing::Test {
 protected:
  EdictImport() {
    const std::string lines =
        "　？？？ /EDICT, the header line/\n"
        "写真 [しゃしん] /(n) photograph/picture/(P)/\n"
        "食べる [たべる] /(v1,vt) to eat/(P)/\n"
        "走り回る [はしりまわる] /(v5r,vi) to run around/\n"
        "にこにこ /(adv,adv-to,vs) (on-mim) smiling/(P)/\n"
        "鮨 [すし] /(n) (food) sushi/vinegared rice/\n"
        "寿司 [すし] /(n) (food) sushi/\n"
        "富士山 [ふじさん] /(n) Mount Fuji/\n"
        "一石二鳥 [いっせきにちょう] /(n) (yoji) killing two birds with one stone/\n"
        "糞 [くそ] /(n) (vulg) dung/\n"
        "木 [き] /(n) tree/(P)/\n"
        "ａ [あ] /(n) the letter a/\n"
        "居る [ゐる] /(ik) (v1) to be/\n"
        "ＯＫ [オーケー] /(int) OK, all right/(P)/\n"
        "箸 [はし] /(n) chopsticks/\n"
        "橋 [はし] /(n) bridge/\n"
        "コンピュータ /(n) (comp) computer/\n"
        "鮎 [あゆ] /(n) (uk) sweetfish (Plecoglossus altivelis altivelis)/ayu/(P)/\n"
        "空手 [からて] /(n) (1) karate/(n) (2) empty handed/(P)/\n"
        "的 [てき] /(suf) -ical/\n"
        "かしら /(prt) I wonder/\n"
        "んと欲す [んとほっす] /(conj) to endeavor to/\n"
        "あはは /(int) a-ha-ha (laughing loudly)/\n"
        "附属 [ふぞく] /(n,vs) attached/belonging/\n"
        "付属 [ふぞく] /(n,vs) attached/belonging/(P)/\n"
        "経済 [けいざい] /(n) economy/(P)/\n"
        "成長 [せいちょう] /(n,vs) growth/(P)/\n"
        "経済成長 [けいざいせいちょう] /(n) economic growth/\n"
        "this line is no entry\n";
    path_ = folder_.Write("edict", EucJp(lines));
    std::string kanjidic = EucJp("# KANJIDIC\n");
    for (const char* kanji : {"写 G3", "真 G3", "食 G2", "走 G2", "回 G2", "一 G1", "石 G1",
                              "二 G1", "鳥 G2", "富 G4", "士 G5", "山 G1", "付 G4", "属 G5"}) {
      kanjidic += EucJp(std::string(kanji, 3) + " 3021 U4e9c B1" + (kanji + 3) + " S7\n");
    }
    const auto kanjidicPath = folder_.Write("kanjidic", kanjidic);
    std::filesystem::create_directory(folder_ / "ipadic");
    for (const char* name :
         {"Noun.csv", "Noun.adjv.csv", "Noun.verbal.csv", "Noun.adverbal.csv", "Verb.csv",
          "Adj.csv", "Adverb.csv", "Adnominal.csv", "Conjunction.csv", "Interjection.csv"}) {
      folder_.Write(std::string("ipadic/") + name, "");
    }
    folder_.Write("ipadic/Noun.csv",
                  EucJp("一石二鳥,1285,1285,5543,名詞,一般,*,*,*,*,一石二鳥,イッセキ,イッセキ\n"
                        "コンピュータ,1285,1285,5543,名詞,一般,*,*,*,*,コンピュータ,コ,コ\n"));
    folder_.Write("ipadic/Verb.csv",
                  EucJp("走り回ら,764,764,7118,動詞,自立,*,*,五段,未然形,走り回る,ハ,ハ\n"));
    sources_ = CommonnessSources(kanjidicPath, folder_ / "ipadic");
  }

  TempFolder folder_;
  std::filesystem::path path_;
  CommonnessSources sources_;
};

TEST_F(EdictImport, SortsWordsIntoBandsAndKindsAndLeavesOutWhatIsNoWord) {
  ImportedDictionary imported = ImportEdict(path_, sources_, kIgnoreProgress);
  const std::pair<std::string, int> skipped[] = {
      {"marked rude, vulgar or X-rated", 1},
      {"answer shorter than 2 or longer than 12 letters", 1},
      {"irregular or outdated kana reading", 1},
      {"not an entry line", 1},
      {"not a word: spelling of one letter", 1},
      {"not a word: suffix or prefix", 1},
      {"not a word: particle, auxiliary or copula", 1},
      {"not a word: reading begins with ン, ー or a small kana", 1},
      {"not a word: interjection not in everyday use (laughter and other noise)", 1},
      {"no English meaning in code page 932 that fits a clue", 1},
      {"another spelling of a word already taken", 1}};
  for (const auto& [reason, count] : skipped) EXPECT_EQ(imported.Skipped[reason], count) << reason;
  EXPECT_EQ(imported.FieldsMadeSafe, 1);
  const auto path = folder_ / "ja.lxd";
  WriteImportedDictionary(imported, path);
  EXPECT_EQ(CheckDictionary(path), std::vector<std::string>{});

  auto words = WordsByWrittenForm(Dictionary(path));
  ASSERT_EQ(words.size(), 17u);
  const WordRecord& photo = words[U"写真"];
  EXPECT_EQ(photo.Yst, U"シヤシン");
  EXPECT_EQ(photo.Qst, U"photograph; picture");
  EXPECT_EQ(photo.SN, 2);  // the line it came from
  // Everyday words by EDICT's marks and long compounds of them; ordinary ones known to the
  // general vocabulary and written in kanji for general use; uncommon; rare ones listed.
  const std::pair<std::u32string, std::pair<int, int>> expected[] = {
      {U"写真", {1, 0}},     {U"食べる", {2, 0}}, {U"走り回る", {5, 9}},
      {U"にこにこ", {2, 2}}, {U"鮨", {22, 7}},    {U"富士山", {25, 0}},
      {U"一石二鳥", {4, 1}}, {U"ＯＫ", {2, 0}},   {U"コンピュータ", {17, 8}},
      {U"あゆ", {1, 0}},     {U"付属", {1, 0}},   {U"経済成長", {3, 0}}};
  for (const auto& [written, numbers] : expected) {
    EXPECT_EQ(std::pair(words[written].CN, words[written].BN), numbers) << ToUtf8(written);
  }
  EXPECT_EQ(words[U"ＯＫ"].Qst, U"OK， all right");
  // A clue never spells its answer: the romanized gloss goes, or the next sense is taken.
  EXPECT_EQ(words[U"鮨"].Qst, U"vinegared rice");
  EXPECT_EQ(words[U"あゆ"].Qst, U"sweetfish (Plecoglossus altivelis altivelis)");
  EXPECT_EQ(words[U"空手"].Qst, U"empty handed");
  EXPECT_EQ(words[U"付属"].SN, 25);  // the everyday spelling replaced the first one seen
  EXPECT_FALSE(words.contains(U"附属"));
  // Homophones share their answer number, so no grid holds both; their clues differ.
  EXPECT_EQ(words[U"箸"].AN, words[U"橋"].AN);
  EXPECT_NE(words[U"箸"].QN, words[U"橋"].QN);
  EXPECT_NE(words[U"箸"].ID, words[U"橋"].ID);
}

TEST_F(EdictImport, NamesTheLineThatIsNotEucJp) {
  const auto broken =
      folder_.Write("broken", EucJp("写真 [しゃしん] /(n) photo/\n") + "\xFF\xFE\n");
  try {
    ImportEdict(broken, CommonnessSources(), kIgnoreProgress);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.LineNumber(), 2);
  }
}

// Each case a word, the entries around it and the clue of one style it should get, or none
// where a fairness rule forbids every clue of that style.
struct ClueCase {
  const char* Name;
  std::vector<const char*> Lines;  // EDICT lines; the first is the word asked
  ClueStyle Style;
  const char* Expected;  // nullptr: no clue of that style
};

const ClueCase kClueCases[] = {
    {"compounds that hold the word",
     {"運動 [うんどう] /(n) exercise/(P)/", "運動会 [うんどうかい] /(n) sports day/(P)/",
      "運動神経 [うんどうしんけい] /(n) reflexes/(P)/", "会 [かい] /(n) meeting/",
      "神経 [しんけい] /(n) nerve/(P)/"},
     ClueStyle::Blank,
     "「＿＿会」「＿＿神経」"},
    {"everyday compounds before one of a field, near duplicates left out",
     {"運動 [うんどう] /(n) exercise/(P)/", "運動学 [うんどうがく] /(n) (physics) kinematics/",
      "運動会 [うんどうかい] /(n) sports day/(P)/", "運動会場 [うんどうかいじょう] /(n) venue/(P)/",
      "運動神経 [うんどうしんけい] /(n) reflexes/(P)/", "会 [かい] /(n) meeting/",
      "学 [がく] /(n) learning/", "会場 [かいじょう] /(n) venue/(P)/",
      "神経 [しんけい] /(n) nerve/(P)/"},
     ClueStyle::Blank,
     "「＿＿会」「＿＿神経」"},
    {"a sound change at the blank",
     {"会社 [かいしゃ] /(n) company/(P)/", "株式会社 [かぶしきがいしゃ] /(n) corporation/(P)/",
      "会社員 [かいしゃいん] /(n) office worker/(P)/", "株式 [かぶしき] /(n) stock/(P)/",
      "員 [いん] /(n) member/"},
     ClueStyle::Blank,
     nullptr},
    {"a part of a longer word",
     {"運 [うん] /(n) luck/(P)/", "運動 [うんどう] /(n) exercise/(P)/",
      "運動会 [うんどうかい] /(n) sports day/(P)/", "運動場 [うんどうじょう] /(n) playground/(P)/",
      "動 [どう] /(n) motion/", "会 [かい] /(n) meeting/", "場 [じょう] /(n) place/"},
     ClueStyle::Blank,
     nullptr},
    {"a word that straddles the blank's edge",
     {"日本 [にほん] /(n) Japan/(P)/", "西日本 [にしにほん] /(n) western Japan/(P)/",
      "日本語 [にほんご] /(n) Japanese/(P)/", "日本酒 [にほんしゅ] /(n) sake/(P)/",
      "西 [にし] /(n) west/(P)/", "西日 [にしび] /(n) afternoon sun/", "語 [ご] /(n) word/",
      "酒 [しゅ] /(n) alcohol/"},
     ClueStyle::Blank,
     "「＿＿語」「＿＿酒」"},
    {"a katakana part its compound's gloss shows",
     {"パン /(n) bread/(P)/", "食パン [しょくぱん] /(n) bread/(P)/",
      "ジャムパン屋 [じゃむぱんや] /(n) jam bread shop/(P)/", "食 [しょく] /(n) food/",
      "ジャム /(n) jam/", "屋 [や] /(n) shop/"},
     ClueStyle::Blank,
     "「食＿＿」「ジャム＿＿屋」"},
    {"a katakana part glued to more katakana its gloss does not show",
     {"フランク /(adj-na) frank/(P)/", "フランクフルト市 [ふらんくふるとし] /(n) Frankfurt/(P)/",
      "フランク王国 [ふらんくおうこく] /(n) kingdom of the Franks/(P)/", "市 [し] /(n) city/",
      "王国 [おうこく] /(n) kingdom/(P)/"},
     ClueStyle::Blank,
     nullptr},
    {"more than two other answers fit both blanks",
     {"運動 [うんどう] /(n) exercise/(P)/", "運動会 [うんどうかい] /(n) sports day/(P)/",
      "運動場 [うんどうじょう] /(n) playground/(P)/", "会 [かい] /(n) meeting/",
      "場 [じょう] /(n) place/", "競技 [きょうぎ] /(n) game/", "競技会 [きょうぎかい] /(n) meet/",
      "競技場 [きょうぎじょう] /(n) stadium/", "演奏 [えんそう] /(n) performance/",
      "演奏会 [えんそうかい] /(n) concert/", "演奏場 [えんそうじょう] /(n) hall/",
      "球技 [きゅうぎ] /(n) ball game/", "球技会 [きゅうぎかい] /(n) ball games/",
      "球技場 [きゅうぎじょう] /(n) ballpark/"},
     ClueStyle::Blank,
     nullptr},
    {"a kanji beyond those for general use and names",
     {"運動 [うんどう] /(n) exercise/(P)/", "運動会 [うんどうかい] /(n) sports day/(P)/",
      "運動鬱 [うんどううつ] /(n) exercise gloom/(P)/", "会 [かい] /(n) meeting/",
      "鬱 [うつ] /(n) gloom/"},
     ClueStyle::Blank,
     nullptr},
    {"a vulgar compound",
     {"運動 [うんどう] /(n) exercise/(P)/", "運動会 [うんどうかい] /(n) sports day/(P)/",
      "運動場 [うんどうじょう] /(vulg) (n) playground/(P)/", "会 [かい] /(n) meeting/",
      "場 [じょう] /(n) place/"},
     ClueStyle::Blank,
     nullptr},
    {"a phrase that holds the word, its inflected kanji read by KANJIDIC",
     {"塵 [ちり] /(n) dust/(P)/",
      "塵も積もれば山となる [ちりもつもればやまとなる] /(exp) (proverb) many a little makes a "
      "mickle/",
      "山 [やま] /(n) mountain/(P)/"},
     ClueStyle::Phrase,
     "「＿＿も積もれば山となる」"},
    {"a phrase that shows the answer elsewhere",
     {"上 [うえ] /(n) above/(P)/",
      "上には上がある [うえにはうえがある] /(exp) (id) there is "
      "always someone better/",
      "有る [ある] /(v5r-i) to be/"},
     ClueStyle::Phrase,
     nullptr},
    {"kana beside the blank that belong to a word",
     {"信 [しん] /(n) faith/", "信じ込む [しんじこむ] /(exp) to believe firmly/(P)/",
      "込む [こむ] /(v5m) to be crowded/(P)/"},
     ClueStyle::Phrase,
     nullptr},
    {"a gloss that holds a rude word only inside another word",
     {"運動 [うんどう] /(n) exercise/scrape/(P)/", "運動会 [うんどうかい] /(n) sports day/(P)/",
      "運動神経 [うんどうしんけい] /(n) reflexes/(P)/", "会 [かい] /(n) meeting/",
      "神経 [しんけい] /(n) nerve/(P)/"},
     ClueStyle::Blank,
     "「＿＿会」「＿＿神経」"},
    {"an answer marked derogatory gets no Japanese clue",
     {"運動 [うんどう] /(derog) (n) exercise/(P)/", "運動会 [うんどうかい] /(n) sports day/(P)/",
      "運動神経 [うんどうしんけい] /(n) reflexes/(P)/", "会 [かい] /(n) meeting/",
      "神経 [しんけい] /(n) nerve/(P)/"},
     ClueStyle::Blank,
     nullptr},
    {"an antonym",
     {"入口 [いりぐち] /(n) entrance/(P)/", "出口 [でぐち] /(n) exit/(P)/"},
     ClueStyle::Antonym,
     "⇔出口"},
    {"the other of two readings",
     {"白髪 [はくはつ] /(n) white hair/(P)/", "白髪 [しらが] /(n) white hair/(P)/",
      "白髪 [しらかみ] /(ok) (n) white hair/"},
     ClueStyle::OtherReading,
     "\"シラガ\"とも読む"},
    {"one of three readings",
     {"入口 [いりぐち] /(n) entrance/(P)/", "入口 [いりくち] /(n) entrance/",
      "入口 [はいりぐち] /(n) entrance/(P)/"},
     ClueStyle::OtherReading,
     nullptr},
    {"a one-kanji word by its kanji's kun reading",
     {"比 [ひ] /(n) ratio/(P)/"},
     ClueStyle::KanjiReading,
     "\"くらべる\"の字の音読み"},
    {"a kun reading another kanji for general use shares",
     {"頃 [けい] /(n) a while/"},
     ClueStyle::KanjiReading,
     nullptr},
    {"a loanword with its language and Japanese meaning",
     {"カフェ /(n) cafe (fre:)/coffeehouse/(P)/", "喫茶店 [きっさてん] /(n) cafe/coffeehouse/(P)/"},
     ClueStyle::Loanword,
     "フランス語で\"喫茶店\""},
    {"a synonym, its comma written full-width",
     {"マフラー /(n) muffler/scarf/(P)/", "襟,巻 [えりまき] /(n) muffler/scarf/(P)/"},
     ClueStyle::Synonym,
     "襟，巻"},
    {"a synonym that is another spelling of the answer",
     {"こんにちわ /(int) hello/good day/(P)/", "こんにちは /(int) hello/good day/(P)/"},
     ClueStyle::Synonym,
     nullptr},
    {"a first gloss too many words share",
     {"矢 [や] /(n) thing/arrow/(P)/", "石 [いし] /(n) thing/stone/(P)/",
      "物 [もの] /(n) thing/object/(P)/", "事 [こと] /(n) thing/matter/(P)/",
      "品 [しな] /(n) thing/article/(P)/", "件 [けん] /(n) thing/matter/(P)/",
      "者 [もの] /(n) thing/person/(P)/"},
     ClueStyle::Synonym,
     nullptr},
};

class JapaneseClues : public ::testing::TestWithParam<ClueCase> {
 protected:
  JapaneseClues() {
    std::string kanjidic = EucJp(
        "# KANJIDIC\n比 4866 U6bd4 B81 G5 S4 ヒ くら.べる T1 い {compare}\n"
        "頃 3021 U9803 B1 G8 S11 ケイ キョウ ころ T1 ごろ {time}\n"
        "積 3021 U7a4d B1 G4 S16 セキ つ.む つ.もる {pile}\n");
    kanjidic += EucJp(
        "殺 3021 U6bba B1 G4 S10 サツ ころ.す {kill}\n"
        "転 3021 U8ee2 B1 G3 S11 テン ころ.がる ころ {roll}\n");
    for (char32_t kanji :
         std::u32string(U"運動会神経学場社株式員西日本語酒店飲料市王国競技演奏球塵山上有信込入口出"
                        U"白髪喫茶襟巻矢石物事品件者音字読食屋")) {
      kanjidic += EucJp(ToUtf8(kanji) + " 3021 U4e9c B1 G3 S7\n");
    }
    sources_ = CommonnessSources(folder_.Write("kanjidic", kanjidic), Vocabulary());
  }

  std::filesystem::path Vocabulary() {
    std::filesystem::create_directory(folder_ / "ipadic");
    for (const char* name :
         {"Noun.csv", "Noun.adjv.csv", "Noun.verbal.csv", "Noun.adverbal.csv", "Verb.csv",
          "Adj.csv", "Adverb.csv", "Adnominal.csv", "Conjunction.csv", "Interjection.csv"}) {
      folder_.Write(std::string("ipadic/") + name, "");
    }
    return folder_ / "ipadic";
  }

  TempFolder folder_;
  CommonnessSources sources_;
};

TEST_P(JapaneseClues, FairCluesOnly) {
  const ClueCase& test = GetParam();
  std::vector<EdictEntry> entries;
  for (const char* line : test.Lines) {
    auto entry = ParseEdictLine(FromUtf8(line));
    ASSERT_TRUE(entry) << line;
    entries.push_back(std::move(*entry));
  }
  const JapaneseClueMaker maker(entries, sources_);
  const auto clues = maker.CluesFor(entries.front(), *AnswerFromReading(entries.front().Reading));
  std::optional<std::u32string> clue;
  std::string made;  // every clue made, to tell what went wrong
  for (const StyledClue& styled : clues) {
    if (styled.Style == test.Style) clue = styled.Text;
    made += ToUtf8(styled.Text) + " ";
  }
  SCOPED_TRACE("clues made: " + made);
  if (test.Expected == nullptr) {
    EXPECT_FALSE(clue) << ToUtf8(clue.value_or(U""));
  } else {
    EXPECT_EQ(ToUtf8(clue.value_or(U"(none)")), test.Expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, JapaneseClues, ::testing::ValuesIn(kClueCases),
                         [](const auto& info) {
                           std::string name = info.param.Name;
                           for (char& c : name)
                             c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

// A WordNet folder with a few synsets; data lines start at the byte offset they name.
class WordNetImport : public ::testing::Test {
 protected:
  struct Synset {
    std::string lexFile;
    std::vector<std::string> words;
    std::string gloss;
  };

  // Writes data.NAME and index.NAME: each synset's first word as a lemma of one sense, and
  // the lemmas of `senses` with those synsets (by their place in `synsets`).
  void WritePart(const std::string& name, char pos, const std::vector<Synset>& synsets,
                 const std::map<std::string, std::vector<size_t>>& senses = {}) {
    std::string data = "  1 This software and database is being provided\n";
    std::string index = "  1 This software and database is being provided\n";
    std::vector<std::string> offsets;
    for (const Synset& synset : synsets) {
      char offset[16];
      std::snprintf(offset, sizeof offset, "%08zu", data.size());
      offsets.push_back(offset);
      char count[8];
      std::snprintf(count, sizeof count, "%02zx", synset.words.size());
      data += std::string(offset) + " " + synset.lexFile + " " + pos + " " + count;
      for (const auto& word : synset.words) data += " " + word + " 0";
      data += " 000 | " + synset.gloss + "  \n";
      std::string lemma = synset.words[0].substr(0, synset.words[0].find('('));
      for (char& c : lemma) c = static_cast<char>(std::tolower(c));
      index += lemma + " " + pos + " 1 1 @ 1 0 " + offset + "  \n";
    }
    for (const auto& [lemma, places] : senses) {
      const std::string count = std::to_string(places.size());
      index += lemma + " " + pos + " " + count + " 0 " + count + " 0";
      for (size_t place : places) index += " " + offsets[place];
      index += "  \n";
    }
    folder_.Write("data." + name, data);
    folder_.Write("index." + name, index);
  }

  TempFolder folder_;
};

TEST_F(WordNetImport, MakesFullWidthAnswersWithTheFirstDefinition) {
  WritePart("noun", 'n',
            {{"05", {"dog", "domestic_dog"}, "a member of the genus Canis; \"the dog barked\""},
             {"13", {"ice_cream"}, "frozen dessert, sweet"},
             {"18", {"Einstein"}, "physicist born in Germany"},
             {"28", {"a.m."}, "before noon"},
             {"14", {"NATO"}, "an alliance"},
             {"28", {"yore"}, "(archaic) time long past"},
             {"03", {"a"}, "the first letter"}});
  WritePart("verb", 'v', {});
  WritePart("adj", 'a', {{"00", {"o'er(p)"}, "over"}});
  WritePart("adv", 'r', {});
  folder_.Write("cntlist.rev", "dog%1:05:00:: 1 42\ndog%2:38:00:: 2 1\n");
  ImportedDictionary imported = ImportWordNet(folder_.Path(), kIgnoreProgress);
  EXPECT_EQ(imported.Skipped["lemma with characters other than letters"], 1);
  EXPECT_EQ(imported.Skipped["answer shorter than 2 or longer than 12 letters"], 1);
  const auto path = folder_ / "en.lxd";
  WriteImportedDictionary(imported, path);
  EXPECT_EQ(CheckDictionary(path), std::vector<std::string>{});
  const Dictionary dictionary(path);
  EXPECT_EQ(DetectAnswerLang(dictionary), 0);

  auto words = WordsByWrittenForm(dictionary);
  ASSERT_EQ(words.size(), 6u);
  EXPECT_EQ(words[U"dog"].Yst, U"ＤＯＧ");
  EXPECT_EQ(words[U"dog"].Qst, U"a member of the genus Canis");
  EXPECT_EQ(std::pair(words[U"dog"].CN, words[U"dog"].BN), std::pair(2, 0));  // a common animal
  EXPECT_EQ(words[U"ice cream"].Yst, U"ＩＣＥＣＲＥＡＭ");
  EXPECT_EQ(words[U"ice cream"].Qst, U"frozen dessert， sweet");
  // Rare words (never tagged) of their group, in the lists of special kinds.
  EXPECT_EQ(std::pair(words[U"ice cream"].CN, words[U"ice cream"].BN), std::pair(28, 3));
  EXPECT_EQ(std::pair(words[U"Einstein"].CN, words[U"Einstein"].BN), std::pair(25, 1));
  EXPECT_EQ(std::pair(words[U"NATO"].CN, words[U"NATO"].BN), std::pair(25, 2));
  EXPECT_EQ(std::pair(words[U"yore"].CN, words[U"yore"].BN), std::pair(32, 5));
  EXPECT_EQ(words[U"o'er"].Yst, U"ＯＥＲ");
}

// A definition too long for a clue is cut where a phrase ends; with none, the next sense
// gives the clue, unless it names the word; with no sense left, the first is cut at a blank.
TEST_F(WordNetImport, TheClueIsTheFirstWholePhraseOfTheSenses) {
  const std::string unbroken =
      "an animal quite large and wild roaming the plains and hills and woods and rivers and "
      "lakes far and wide";
  WritePart("noun", 'n',
            {{"05",
              {"big_cat"},
              "large gregarious predatory feline of Africa and India having a tawny coat with "
              "a shaggy mane in the male"},
             {"05", {"beast"}, unbroken},
             {"05", {"lion_tamer"}, "one who tames a Lion"},
             {"18", {"celebrity"}, "a famous person (much sought after)"}},
            {{"lion", {1, 2, 3}}, {"roamer", {1}}});
  WritePart("verb", 'v', {});
  WritePart("adj", 'a', {});
  WritePart("adv", 'r', {});
  folder_.Write("cntlist.rev", "");
  const auto path = folder_ / "en.lxd";
  ImportedDictionary imported = ImportWordNet(folder_.Path(), kIgnoreProgress);
  WriteImportedDictionary(imported, path);
  EXPECT_EQ(CheckDictionary(path), std::vector<std::string>{});
  auto words = WordsByWrittenForm(Dictionary(path));
  EXPECT_EQ(words[U"big cat"].Qst,
            U"large gregarious predatory feline of Africa and India having a tawny coat");
  EXPECT_EQ(words[U"lion"].Qst, U"a famous person (much sought after)");
  EXPECT_EQ(words[U"lion"].CN, words[U"beast"].CN);  // the kind of word is the first sense's
  EXPECT_EQ(words[U"roamer"].Qst,
            U"an animal quite large and wild roaming the plains and hills and woods and…");
}

TEST_F(WordNetImport, NamesAMissingFile) {
  WritePart("noun", 'n', {});
  folder_.Write("cntlist.rev", "");
  EXPECT_THROW(ImportWordNet(folder_.Path(), kIgnoreProgress), FileError);
}

class WordListImport : public ::testing::Test {
 protected:
  WordList Read(const std::string& text, std::optional<ClassNumbers> numbers = std::nullopt) {
    return ReadWordList(folder_.Write("words.tsv", text), numbers);
  }

  TempFolder folder_;
};

TEST_F(WordListImport, ReadsColumnsInAnyOrderAndGivesIds) {
  const WordList list = Read(
      "\xEF\xBB\xBFSN\tYst\tAst\tQst\tCN\tBN\tQN\tAN\r\n"
      "9\tカサ\t傘\train, shade\t1\t0\t2\t3\r\n"
      "\r\n"
      "8\tネコ\t猫\tpet\t2\t1\t4\t5\r\n");
  ASSERT_EQ(list.Problems, std::vector<std::string>{});
  ASSERT_EQ(list.Words.size(), 2u);
  EXPECT_EQ(list.Words[0], (WordRecord{1, U"カサ", U"rain， shade", U"傘", 1, 0, 2, 3, 9}));
  EXPECT_EQ(list.Words[1].ID, 2);
  EXPECT_EQ(list.FieldsMadeSafe, 1);
}

TEST_F(WordListImport, RefusesEachBadRowWithItsLine) {
  ClassNumbers numbers{{1, 2}, {0, 1}};
  const WordList list = Read(
      "Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\n"
      "カ\t蚊\tbug\t1\t0\t0\t0\t0\n"
      "アイウエオカキクケコサシス\tx\tlong\t1\t0\t0\t0\t0\n"
      "カサ\t傘\tclue 😀\t1\t0\t0\t0\t0\n"
      "カサ\t傘\tclue\t3\t0\t0\t0\t0\n"
      "カサ\t傘\tclue\t1\t2\t0\t0\t0\n"
      "カサ\t傘\tclue\tone\t0\t0\t0\t0\n"
      "カサ\t傘\tclue\t1\t0\n"
      "カ　\t蚊\tbug\t1\t0\t0\t0\t0\n"
      "カサ\t傘\tgood\t2\t1\t0\t0\t0\n",
      numbers);
  EXPECT_EQ(list.Words.size(), 1u);
  const std::vector<std::string> expected = {
      ":2: the reading 'カ' has 1 letters",
      ":3: the reading 'アイウエオカキクケコサシス' has 13 letters",
      ":4: Qst 'clue 😀' holds a character code page 932 cannot hold",
      ":5: CN 3 is no category of the index file",
      ":6: BN 2 is no list of the index file",
      ":7: CN 'one' is not a whole number",
      ":8: the row has 5 fields; the header names 8",
      ":9: the reading 'カ　' holds '　' (U+3000)"};
  ASSERT_EQ(list.Problems.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NE(list.Problems[i].find("words.tsv" + expected[i]), std::string::npos)
        << list.Problems[i];
  }
}

TEST_F(WordListImport, ABadHeaderIsAnError) {
  EXPECT_THROW(Read("Yst\tAst\tQst\tCN\tBN\tQN\tAN\n"), FileError);
  EXPECT_THROW(Read("Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\tXX\n"), FileError);
  EXPECT_THROW(Read(""), FileError);
  EXPECT_THROW(Read("Yst\tAst\tQst\tCN\tBN\tQN\tAN\tSN\n\xFF\n"), FileError);
}

}  // namespace
}  // namespace crossword

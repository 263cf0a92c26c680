#include <gtest/gtest.h>
#include <iconv.h>

#include <map>

#include "common/TextCodec.h"
#include "tests/generator/GeneratorTestKit.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::Cp932Lines;
using testing::EveryShortWord;
using testing::GeneratorSetup;
using testing::ReadBytes;
using testing::Word;

// Two across slots and no down slot, filled by hand.
TEST(PuzzleFileFormat, AStageWithoutDownSlotsToTheByte) {
  GeneratorSetup setup;
  Generator& generator = setup.generator;
  setup.Take({"...", "###", "..."});
  WordRecord first = Word(12, "アイウ", 3, 1, 5, 6);
  first.Qst = U"ひと,ふた";
  first.Ast = U"一\r\n二";
  generator.Grid().PlaceWord(1, first);
  generator.Grid().PlaceWord(2, Word(7, "ウイア"));
  generator.Grid().WriteSlotWord(1);
  generator.Grid().WriteSlotWord(2);
  generator.TakeSelection({{}, {}, 2});
  generator.WritePuzzleStage(1, 1);
  EXPECT_EQ(
      ReadBytes(generator.Output().WorkFile()),
      Cp932Lines(
          {";解答言語 =0:英語 =1:日本語",
           "1",
           ";ステージ数(#1～max99)",
           "1",
           ";解答状況のら列(#1～ステージ数) =0:未完成 =1:完成済み　※ＣＤ－ＲＯＭに対処するため別"
           "ファイル(*.log)になりました。このためここでの設定は無効ですが、このままにしてお"
           "いてください。",
           "0",
           "",
           ";#1",
           ";行数　文字幅",
           "3,3",
           ";レベル(0,1～5)　出題単語数(1～)　縦の質問番号のトップ(2～)",
           "2,2,3",
           ";マス目の並びかた 1:壁 2:横 3:縦 4:クロス",
           "1,1,1,1,1",
           "1,2,2,2,1",
           "1,1,1,1,1",
           "1,2,2,2,1",
           "1,1,1,1,1",
           ";解答",
           "アイウ",
           "■■■",
           "ウイア",
           ";質問番号(横)1～",
           "1,0,0",
           "0,0,0",
           "2,0,0",
           ";(縦)横に続けて通しの番号～",
           "0,0,0",
           "0,0,0",
           "0,0,0",
           ";ヒント(質問番号順)",
           "1,ひと，ふた,一 二,アイウ,12,3,1,5,6,5",
           "2,問7,答7,ウイア,7,1,0,0,0,0",
           ""}));
}

TEST(PuzzleFileFormat, TenSlotsWriteTwoDigitNumbersAndDownHintsInPrintForm) {
  GeneratorSetup setup;
  Generator& generator = setup.generator;
  setup.Take({".....", ".....", ".....", ".....", "....."});
  for (int i = 1; i <= 10; ++i) generator.Grid().PlaceWord(i, Word(i, "アアアアア"));
  generator.WritePuzzleStage(1, 3);
  const std::string bytes = ReadBytes(generator.Output().WorkFile());
  for (const char* line :
       {"0,0,0", "0,10,6", "1,4,4,4,4,4,1", "01,00,00,00,00", "06,07,08,09,10",
        "01,問1,答1,アアアアア,1,1,0,0,0,1", "06,問6,答6,アアアアア, 6 , 1 , 0 , 0 , 0 , 6 "}) {
    EXPECT_NE(bytes.find(Cp932Lines({line})), std::string::npos) << line;
  }
}

// Reads a puzzle file without the writer's help and checks it against the grid rules
// and the dictionary the words came from.
class PuzzleFileChecker {
 public:
  explicit PuzzleFileChecker(const std::vector<WordRecord>& words) {
    for (const auto& word : words) words_[word.ID] = word;
  }

  // Returns the number of stages checked.
  int Check(const std::string& bytes, int rank) {
    rank_ = rank;
    SplitLines(bytes);
    Expect(U";解答言語 =0:英語 =1:日本語");
    Next();
    Expect(U";ステージ数(#1～max99)");
    const int S = Number(Next());
    Next();
    std::u32string status = U"0";
    for (int k = 2; k <= S; ++k) status += U",0";
    Expect(status);
    Expect(U"");
    for (int k = 1; k <= S; ++k) CheckStage(k);
    EXPECT_EQ(at_, lines_.size());
    return S;
  }

 private:
  struct Cell {
    char32_t letter;
    int across = 0;  // number written for an across question starting here
    int down = 0;
  };

  void SplitLines(const std::string& bytes) {
    size_t start = 0;
    while (start < bytes.size()) {
      const size_t end = bytes.find("\r\n", start);
      ASSERT_NE(end, std::string::npos) << "a line does not end with CR LF";
      const std::string line = bytes.substr(start, end - start);
      ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos);
      lines_.push_back(FromCp932(line));
      start = end + 2;
    }
  }

  static std::u32string FromCp932(const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-32LE", "CP932");
    std::string out(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    char* to = out.data();
    size_t inLeft = bytes.size(), outLeft = out.size();
    const bool ok = iconv(cd, &in, &inLeft, &to, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    EXPECT_TRUE(ok) << "not code page 932";
    return std::u32string(reinterpret_cast<const char32_t*>(out.data()),
                          (out.size() - outLeft) / 4);
  }

  const std::u32string& Next() { return lines_.at(at_++); }
  void Expect(const std::u32string& line) { EXPECT_EQ(Next(), line) << "line " << at_; }
  static int Number(std::u32string_view text) { return std::stoi(ToUtf8(text)); }

  static std::vector<std::u32string> Fields(const std::u32string& line) {
    std::vector<std::u32string> fields{U""};
    for (char32_t c : line) {
      if (c == U',')
        fields.emplace_back();
      else
        fields.back() += c;
    }
    return fields;
  }

  bool Open(int x, int y) const {
    return x >= 1 && y >= 1 && x <= X_ && y <= Y_ && grid_[y - 1][x - 1].letter != U'■';
  }
  // Length of the across (dx 1) or down (dy 1) run from (x, y) when a slot starts there.
  int SlotFrom(int x, int y, int dx, int dy) const {
    if (!Open(x, y) || Open(x - dx, y - dy)) return 0;
    int length = 0;
    while (Open(x + length * dx, y + length * dy)) ++length;
    return length >= 2 ? length : 0;
  }
  bool InSlot(int x, int y, int dx, int dy) const {
    return Open(x, y) && (Open(x - dx, y - dy) || Open(x + dx, y + dy));
  }

  void CheckStage(int k) {
    Expect(U";#" + FromUtf8(std::to_string(k)));
    Expect(U";行数　文字幅");
    const auto size = Fields(Next());
    Y_ = Number(size[0]);
    X_ = Number(size[1]);
    Next();
    const auto counts = Fields(Next());
    Expect(U";マス目の並びかた 1:壁 2:横 3:縦 4:クロス");
    std::vector<std::u32string> map;
    for (int i = 0; i < Y_ + 2; ++i) map.push_back(Next());
    Expect(U";解答");
    grid_.assign(Y_, {});
    for (int y = 1; y <= Y_; ++y) {
      const std::u32string row = Next();
      ASSERT_EQ(static_cast<int>(row.size()), X_);
      for (char32_t c : row) {
        EXPECT_NE(c, U'　') << "stage " << k << " has an empty cell";
        grid_[y - 1].push_back({c});
      }
    }
    CheckMap(map);
    EXPECT_EQ(Number(counts[0]), rank_);
    const int F = CheckNumbers();
    EXPECT_EQ(Number(counts[2]), F);
    CheckHints(Number(counts[1]), F);
  }

  void CheckMap(const std::vector<std::u32string>& map) {
    std::u32string border = U"1";
    for (int x = 0; x <= X_; ++x) border += U",1";
    EXPECT_EQ(map.front(), border);
    EXPECT_EQ(map.back(), border);
    for (int y = 1; y <= Y_; ++y) {
      const auto codes = Fields(map[y]);
      ASSERT_EQ(static_cast<int>(codes.size()), X_ + 2);
      for (int x = 1; x <= X_; ++x) {
        const int code = InSlot(x, y, 1, 0)   ? (InSlot(x, y, 0, 1) ? 4 : 2)
                         : InSlot(x, y, 0, 1) ? 3
                                              : 1;
        EXPECT_EQ(Number(codes[x]), code) << "cell " << x << "," << y;
      }
    }
  }

  // Across questions numbered down the columns, then down questions along the rows.
  int CheckNumbers() {
    int number = 1;
    for (int x = 1; x <= X_; ++x) {
      for (int y = 1; y <= Y_; ++y)
        grid_[y - 1][x - 1].across = SlotFrom(x, y, 1, 0) ? number++ : 0;
    }
    const int F = number;
    for (int y = 1; y <= Y_; ++y) {
      for (int x = 1; x <= X_; ++x) grid_[y - 1][x - 1].down = SlotFrom(x, y, 0, 1) ? number++ : 0;
    }
    const size_t W = std::to_string(number - 1).size();
    for (int Cell::*field : {&Cell::across, &Cell::down}) {
      Next();
      for (int y = 1; y <= Y_; ++y) {
        const auto values = Fields(Next());
        for (int x = 1; x <= X_; ++x) {
          EXPECT_EQ(values[x - 1].size(), W);
          EXPECT_EQ(Number(values[x - 1]), grid_[y - 1][x - 1].*field);
        }
      }
    }
    return F;
  }

  void CheckHints(int N, int F) {
    Expect(U";ヒント(質問番号順)");
    for (int n = 1; n <= N; ++n) {
      const auto fields = Fields(Next());
      ASSERT_EQ(fields.size(), 10u);
      EXPECT_EQ(Number(fields[0]), n);
      const bool down = n >= F;
      EXPECT_EQ(fields[4].front() == U' ', down) << "number form of hint " << n;
      const WordRecord& word = words_.at(Number(fields[4]));
      EXPECT_EQ(fields[1], word.Qst);
      EXPECT_EQ(fields[2], word.Ast);
      EXPECT_EQ(fields[3], word.Yst);
      EXPECT_EQ(ReadingOf(n, down), word.Yst) << "hint " << n << " disagrees with the grid";
      const int values[] = {word.CN, word.BN, word.QN, word.AN, word.SN};
      for (int i = 0; i < 5; ++i) EXPECT_EQ(Number(fields[5 + i]), values[i]);
    }
    Expect(U"");
  }

  std::u32string ReadingOf(int n, bool down) const {
    for (int y = 1; y <= Y_; ++y) {
      for (int x = 1; x <= X_; ++x) {
        const Cell& cell = grid_[y - 1][x - 1];
        if ((down ? cell.down : cell.across) != n) continue;
        std::u32string reading;
        for (int i = 0; i < SlotFrom(x, y, down ? 0 : 1, down ? 1 : 0); ++i) {
          reading += grid_[y - 1 + (down ? i : 0)][x - 1 + (down ? 0 : i)].letter;
        }
        return reading;
      }
    }
    return U"";
  }

  std::map<int, WordRecord> words_;
  std::vector<std::u32string> lines_;
  size_t at_ = 0;
  int rank_ = 0;
  int X_ = 0;
  int Y_ = 0;
  std::vector<std::vector<Cell>> grid_;
};

std::string MakePuzzleSet(int rank) {
  GeneratorSetup setup;
  setup.WriteWords(EveryShortWord());
  setup.WriteGrids({{"....#", ".#.#.", ".....", ".#.#.", "#...."},
                    {".....", ".....", ".....", ".....", "....."},
                    {"...", ".#.", "..."}});
  setup.Load(rank);
  setup.generator.MakingNmbMax = 4;
  EXPECT_EQ(setup.generator.RunGeneration(), RunOutcome::Completed);
  return ReadBytes(setup.generator.Output().PuzzleFile());
}

TEST(PuzzleFileEndToEnd, EveryStageAgreesWithTheGridAndTheDictionary) {
  const std::string bytes = MakePuzzleSet(3);
  EXPECT_EQ(PuzzleFileChecker(EveryShortWord()).Check(bytes, 3), 4);
  // The fixed start of the random numbers repeats the run to the byte.
  EXPECT_EQ(MakePuzzleSet(3), bytes);
}

}  // namespace
}  // namespace crossword

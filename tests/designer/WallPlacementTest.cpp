#include <gtest/gtest.h>

#include "designer/engine/GridDesigner.h"
#include "tests/designer/DesignerRecorder.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::DesignerRecorder;
using testing::TempFolder;
using testing::WordsOfEveryLength;

std::vector<MasPosition> WallsOf(const CrossMasMarks& marks) {
  std::vector<MasPosition> walls;
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (IsWall(marks(x, y))) walls.push_back({x, y});
    }
  }
  return walls;
}

// A dictionary that suits some layouts and not others: few long words, and no more
// than 40 words of two letters.
WordCounts ScarceWords() {
  WordCounts counts = WordsOfEveryLength(60);
  counts[2] = 40;
  counts[8] = counts[9] = 25;
  return counts;
}

class WallPlacementTest : public ::testing::Test {
 protected:
  DesignerRecorder recorder;
  RandomSource random;
  WordCounts words = WordsOfEveryLength(100000);
  WallPlacement placement{random, words, recorder};
  StageSize size;

  void MakeGrid(int width, int height, std::uint64_t seed) {
    random.Reseed(seed);
    size = {width, height};
  }
  std::vector<MasPosition> Walls() const { return WallsOf(placement.CrossMas()); }
  // Whether every wall has its image under `mirror` among the walls.
  template <typename Mirror>
  bool SymmetricUnder(const std::vector<MasPosition>& walls, Mirror mirror) const {
    for (const MasPosition& wall : walls) {
      const MasPosition image = mirror(wall);
      if (!IsWall(placement.CrossMas()(image.x, image.y))) return false;
    }
    return true;
  }
};

// The walls' button of the designer, which places walls in the grid being edited.
class WallButtonTest : public ::testing::Test {
 protected:
  TempFolder folder;
  DesignerRecorder recorder;
  GridDesigner designer{recorder, folder.Path().string()};

  void MakeGrid(int width, int height, std::uint64_t seed) {
    designer.Random.Reseed(seed);
    designer.MasSizePattern = MasSizePatternCustom;
    designer.MasSizeCustom = {width, height};
    designer.NewMasSize();
  }
  void UseWords(const WordCounts& counts) {
    designer.UseDictionary((folder / "words.lxd").string(), counts);
  }
  const CrossMasMarks& Cells() const { return designer.Grid().CrossMas(); }
};

TEST_F(WallPlacementTest, EverySuccessfulPlacementIsValidAndSuitsTheDictionary) {
  words = ScarceWords();
  int made = 0, failed = 0;
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    const int width = 5 + static_cast<int>(seed % 8);
    const int height = 5 + static_cast<int>(seed * 7 % 8);
    MakeGrid(width, height, seed);
    const int kind = seed % 2 == 0 ? MasBarPatternKind : MasBarRandomKind;
    if (!placement.MakeMasBar(size, kind)) {
      ++failed;
      EXPECT_TRUE(Walls().empty());
      continue;
    }
    ++made;
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height) + ", seed " +
                 std::to_string(seed));
    EXPECT_FALSE(FindBarPair(placement.CrossMas()));
    EXPECT_FALSE(FindIsolated(placement.CrossMas()));
    const WordStatistics counted = CountWords(placement.CrossMas());
    EXPECT_EQ(counted.QuesNmbMax, placement.WordCount().QuesNmbMax);
    EXPECT_LE(counted.WordLenMax, AnswerLenMax);
    for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
      EXPECT_GE(words[length], 10 * counted.WordLenNmb[length]) << length;
    }
  }
  EXPECT_GT(made, 10);  // both outcomes are met
  EXPECT_GT(failed, 0);
}

TEST_F(WallPlacementTest, PatternWallsOnAnOddGridMirrorAboutBothCentreLines) {
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    MakeGrid(seed % 2 == 0 ? 9 : 11, seed % 3 == 0 ? 7 : 5, seed);
    placement.InitCrossMas(size);
    placement.PutBarPattern();
    const auto walls = Walls();
    ASSERT_FALSE(walls.empty());
    const int w = size.MasMaxX, h = size.MasMaxY;
    EXPECT_TRUE(SymmetricUnder(walls, [&](MasPosition p) {
      return MasPosition{w - p.x + 1, p.y};
    })) << seed;
    EXPECT_TRUE(SymmetricUnder(walls, [&](MasPosition p) {
      return MasPosition{p.x, h - p.y + 1};
    })) << seed;
  }
}

TEST_F(WallPlacementTest, QuadrantTrialsStopShortOfTheMiddleLinesOfAnEvenSize) {
  // Trials of width x height draw two numbers each: 8 gives 3 columns or rows (1..3),
  // 9 gives 5 (1..5, the centre included), 2 gives none.
  const std::vector<std::tuple<int, int, int>> cases = {
      {8, 8, 9}, {9, 9, 25}, {8, 9, 15}, {2, 9, 0}, {5, 6, 6}};
  for (const auto& [width, height, trials] : cases) {
    MakeGrid(width, height, 7);
    placement.InitCrossMas(size);
    RandomSource twin;
    twin.Reseed(7);
    placement.PutBarQuadrants();
    for (int i = 0; i < 2 * trials; ++i) twin.Next();
    EXPECT_EQ(random.Next(), twin.Next()) << width << " x " << height;
    for (const MasPosition& wall : Walls()) {
      EXPECT_TRUE(width % 2 == 1 || (wall.x != width / 2 && wall.x != width / 2 + 1));
    }
  }
}

TEST_F(WallPlacementTest, TheMiddleColumnsOfAnEvenWidthFollowOneDrawnSymmetry) {
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    MakeGrid(8, 7, seed);  // an odd height: no middle rows
    placement.InitCrossMas(size);
    placement.PutBarPattern();
    std::vector<MasPosition> middle;
    for (const MasPosition& wall : Walls()) {
      if (wall.x == 4 || wall.x == 5) middle.push_back(wall);
    }
    const bool sameColumn = SymmetricUnder(middle, [](MasPosition p) {
      return MasPosition{p.x, 7 - p.y + 1};
    });
    const bool throughCentre = SymmetricUnder(middle, [](MasPosition p) {
      return MasPosition{8 - p.x + 1, 7 - p.y + 1};
    });
    EXPECT_TRUE(sameColumn || throughCentre) << seed;
  }
}

TEST_F(WallButtonTest, WithoutTwoLetterWordsNoLayoutKeepsATwoCellSlot) {
  WordCounts counts = WordsOfEveryLength(100000);
  counts[2] = 0;
  UseWords(counts);
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    MakeGrid(7, 7, seed);
    designer.SetMasBar();
    EXPECT_EQ(designer.Grid().WordCount().WordLenNmb[2], 0) << seed;
    EXPECT_EQ(CountWords(Cells()).WordLenNmb[2], 0) << seed;
  }
}

// The English convention: every step that would leave a slot of two cells is undone, so
// nearly every attempt ends in a layout, also with the two-letter words a dictionary has.
TEST_F(WallPlacementTest, EnglishLayoutsHaveNoSlotOfTwoCells) {
  int made = 0;
  for (std::uint64_t seed = 1; seed <= 48; ++seed) {
    const int width = 5 + static_cast<int>(seed % 8);
    const int height = 5 + static_cast<int>(seed * 5 % 8);
    MakeGrid(width, height, seed);
    const int kind = seed % 2 == 0 ? MasBarPatternKind : MasBarRandomKind;
    if (!placement.MakeMasBar(size, kind, ShortestAnswerEnglish)) continue;
    ++made;
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height) + ", seed " +
                 std::to_string(seed));
    const CrossMasMarks& marks = placement.CrossMas();
    EXPECT_FALSE(FindShortSlot(marks, ShortestAnswerEnglish));
    EXPECT_FALSE(FindOpenBlock(marks, OpenBlockSideEnglish, OpenBlockCellsEnglish));
    EXPECT_FALSE(FindBarPair(marks));
    EXPECT_FALSE(FindIsolated(marks));
    EXPECT_FALSE(Walls().empty());
  }
  EXPECT_EQ(made, 48);
}

TEST_F(WallButtonTest, TheShortestAnswerChosenRulesItsPlacement) {
  UseWords(WordsOfEveryLength(100000));
  designer.ShortestAnswer = ShortestAnswerEnglish;
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    MakeGrid(9, 9, seed);
    designer.SetMasBar();
    EXPECT_EQ(designer.Grid().WordCount().WordLenNmb[2], 0) << seed;
    EXPECT_GT(designer.Grid().WordCount().QuesNmbMax, 0) << seed;
  }
}

// A grid two cells wide has only slots of two: no step can be kept, no layout passes.
TEST_F(WallPlacementTest, AGridOfTwoCellSlotsHasNoEnglishLayout) {
  MakeGrid(2, 6, 1);
  EXPECT_FALSE(placement.MakeMasBar(size, MasBarRandomKind, ShortestAnswerEnglish));
  EXPECT_TRUE(placement.MakeMasBar(size, MasBarRandomKind, AnswerLenMin));
}

TEST_F(WallButtonTest, AFailedRunTriesTenTimesThenShowsAnEmptyGrid) {
  MakeGrid(6, 6, 1);  // no dictionary words at all
  designer.ToggleCell(8);
  recorder.pumps = 0;
  designer.SetMasBar();
  EXPECT_EQ(recorder.messages, (std::vector<int>{5}));
  EXPECT_EQ(recorder.pumps, 2 * MakeMasBarAttempts);
  EXPECT_EQ(recorder.placementRuns, 1);
  EXPECT_EQ(Cells(), CrossMasMarks(6, 6, BlankMark));
  EXPECT_EQ(recorder.walls, 0);
  EXPECT_EQ(recorder.slotCount, 0);
  EXPECT_EQ(recorder.progress,
            (std::vector<std::pair<LongWork, bool>>{{LongWork::WallPlacement, true},
                                                    {LongWork::WallPlacement, false}}));
}

TEST_F(WallButtonTest, EitherKindIsDrawnOnceForTheWholeRun) {
  const WordCounts counts = ScarceWords();
  UseWords(counts);
  DesignerRecorder twinRecorder;
  RandomSource twinRandom;
  WallPlacement twin{twinRandom, counts, twinRecorder};
  designer.MasBarPattern = MasBarEitherOption;
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    MakeGrid(9, 9, seed);
    twinRandom.Reseed(seed);
    designer.SetMasBar();
    twin.MakeMasBar({9, 9}, twinRandom.Draw(1, 2));
    EXPECT_EQ(Cells(), twin.CrossMas()) << seed;
  }
}

TEST_F(WallButtonTest, ClicksAndPressesDuringARunChangeNothing) {
  MakeGrid(7, 7, 3);
  UseWords(WordsOfEveryLength(100000));
  int nested = 0;
  recorder.onPump = [&] {
    const CrossMasMarks during = Cells();
    designer.ToggleCell(1);
    designer.SetMasBar();
    nested += Cells() == during ? 0 : 1;
  };
  designer.SetMasBar();
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(recorder.placementRuns, 1);
  const char32_t before = Cells()(1, 1);
  designer.ToggleCell(1);  // after the run, clicks count again
  EXPECT_NE(Cells()(1, 1), before);
}

}  // namespace
}  // namespace crossword

#include "designer/engine/EditedGrid.h"

#include "common/NumberText.h"
#include "common/TextCodec.h"

namespace crossword {

std::optional<int> ParseMasSize(const std::string& text) {
  const std::optional<int> value = ParseWholeNumber(FromUtf8(text));
  if (!value || *value < 1 || *value > MasSizeMax) return std::nullopt;
  return value;
}

StageSize DrawMasSize(RandomSource& random, int pattern, const TypedMasSize& typed) {
  struct Range {
    int first;
    int count;
  };
  // 小, 中, 大 (its last value 12 is never drawn) and ランダム.
  static constexpr Range kRanges[] = {{5, 3}, {7, 3}, {9, 3}, {5, 8}};
  if (pattern == MasSizePatternCustom) {
    if (!typed.MasMaxX || !typed.MasMaxY) {
      throw MasSizeError("the typed width and height must be whole numbers from 1 to " +
                         std::to_string(MasSizeMax));
    }
    return {*typed.MasMaxX, *typed.MasMaxY};
  }
  if (pattern < 1 || pattern > MasSizePatternCustom) {
    throw MasSizeError("there is no size pattern " + std::to_string(pattern));
  }
  const Range range = kRanges[pattern - 1];
  const int width = random.Draw(range.first, range.count);
  const int height = random.Draw(range.first, range.count);
  return {width, height};
}

void EditedGrid::MakeNewGrid(StageSize size) {
  CrossMas_ = CrossMasMarks(size.MasMaxX, size.MasMaxY, BlankMark);
  View_.SetUp(MasMaxX(), MasMaxY());
  observer_.GridMade(MasMaxX(), MasMaxY(), View_);
  SetNowBarNmb(0);
}

void EditedGrid::ShowMasSize() {
  observer_.GridSizeShown(MasMaxX(), MasMaxY());
}

void EditedGrid::SetNowBarNmb(int walls) {
  NowBarNmb_ = walls;
  StageFromFile_ = false;
  observer_.WallCountShown(walls);
}

void EditedGrid::ClearMasBar() {
  for (int y = 1; y <= MasMaxY(); ++y) {
    for (int x = 1; x <= MasMaxX(); ++x) CrossMas_(x, y) = BlankMark;
  }
  observer_.GridShown(CrossMas_);
  SetNowBarNmb(0);
  observer_.SlotCountShown(std::nullopt);
}

void EditedGrid::ToggleCell(int x, int y) {
  const bool wall = IsWall(CrossMas_(x, y));
  CrossMas_(x, y) = wall ? BlankMark : WallMark;
  observer_.GridShown(CrossMas_);
  SetNowBarNmb(NowBarNmb_ + (wall ? -1 : 1));
  CountWords();
  ShowSlotCount();
}

void EditedGrid::TakeLayout(const CrossMasMarks& CrossMas, const WordStatistics& counted) {
  CrossMas_ = CrossMas;
  WordCount_ = counted;
}

void EditedGrid::TakeStage(const CrossMasMarks& CrossMas) {
  MakeNewGrid({CrossMas.MasMaxX(), CrossMas.MasMaxY()});
  CrossMas_ = CrossMas;
  ShowMasBar();
  StageFromFile_ = true;
  observer_.GridReadFromFile();
  ShowMasSize();
}

void EditedGrid::ShowMasBar() {
  observer_.GridShown(CrossMas_);
  SetNowBarNmb(CountWalls(CrossMas_));
}

void EditedGrid::CountWords() {
  WordCount_ = crossword::CountWords(CrossMas_);
}

void EditedGrid::ShowSlotCount() {
  observer_.SlotCountShown(WordCount_.QuesNmbMax);
}

}  // namespace crossword

#include "designer/engine/WallChecks.h"

#include "designer/engine/DesignerMessages.h"
#include "designer/engine/GridChecks.h"

namespace crossword {

int WallChecks::CheckMasBar(int shortestAnswer) {
  const CrossMasMarks& marks = grid_.CrossMas();
  if (FindBarPair(marks) && ask_(DesignerMsg::WallsSideBySide) != AnswerYes) return 1;
  if (!AcceptCutOffCells()) return 1;
  if (FindShortSlot(marks, shortestAnswer) && ask_(DesignerMsg::ShortSlots) != AnswerYes) {
    return 1;
  }
  return 0;
}

// True when no cell is cut off or the author keeps those that are.
bool WallChecks::AcceptCutOffCells() {
  const std::vector<MasPosition> cutOff = FindCutOffCells(grid_.CrossMas());
  if (cutOff.empty()) return true;
  observer_.MarkCutOffCells(cutOff);
  const MessageAnswer answer = ask_(DesignerMsg::CellsCutOff);
  observer_.MarkCutOffCells({});
  return answer == AnswerYes;
}

bool WallChecks::GridIsReadyToWrite(int shortestAnswer) {
  if (grid_.NowBarNmb() == 0) {
    if (ask_(DesignerMsg::NoWalls) != AnswerYes) return false;
    grid_.CountWords();
  } else if (CheckMasBar(shortestAnswer) == 1) {
    return false;
  }
  if (grid_.WordCount().WordLenMax > AnswerLenMax) {
    ask_(DesignerMsg::WordTooLong);
    return false;
  }
  return true;
}

}  // namespace crossword

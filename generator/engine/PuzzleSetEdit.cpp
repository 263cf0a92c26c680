#include "generator/engine/PuzzleSetEdit.h"

#include <sys/stat.h>

#include <cerrno>
#include <set>
#include <stdexcept>

#include "common/FileError.h"
#include "common/TextFile.h"
#include "puzzle/PuzzleFileWriter.h"

namespace crossword {

namespace {

// The hint of a question in a stage, changeable when the stage is.
template <typename Stage>
auto HintIn(Stage& stage, int number) -> decltype(&stage.Across.front()) {
  for (auto* hints : {&stage.Across, &stage.Down}) {
    for (auto& hint : *hints) {
      if (hint.Number == number) return &hint;
    }
  }
  return nullptr;
}

}  // namespace

WordRecord HintWord(const PuzzleHint& hint) {
  return {hint.ID, hint.Yst, hint.Qst, hint.Ast, hint.CN, hint.BN, hint.QN, hint.AN, hint.SN};
}

void SetHintWord(PuzzleHint& hint, const WordRecord& word) {
  hint.Qst = word.Qst;
  hint.Ast = word.Ast;
  hint.Yst = word.Yst;
  hint.ID = word.ID;
  hint.CN = word.CN;
  hint.BN = word.BN;
  hint.QN = word.QN;
  hint.AN = word.AN;
  hint.SN = word.SN;
}

PuzzleSetEdit::PuzzleSetEdit(const std::filesystem::path& path)
    : path_(path), lines_(ReadTextLines(path)), set_(ReadPuzzleFile(path)) {}

const PuzzleHint* PuzzleSetEdit::FindHint(int k, int number) const {
  if (k < 1 || k > static_cast<int>(set_.Stages.size())) return nullptr;
  return HintIn(set_.Stages[k - 1], number);
}

PuzzleHint& PuzzleSetEdit::HintOf(int k, int number) {
  PuzzleHint* hint = FindHint(k, number) ? HintIn(set_.Stages[k - 1], number) : nullptr;
  if (hint == nullptr) {
    throw std::out_of_range("stage " + std::to_string(k) + " has no question " +
                            std::to_string(number));
  }
  return *hint;
}

bool PuzzleSetEdit::SetClue(int k, int number, const std::u32string& Qst,
                            const std::u32string& Ast) {
  PuzzleHint& hint = HintOf(k, number);
  const std::u32string clue = FieldText(Qst), written = FieldText(Ast);
  if (hint.Qst == clue && hint.Ast == written) return false;
  hint.Qst = clue;
  hint.Ast = written;
  WriteHintLine(k, hint);
  return true;
}

void PuzzleSetEdit::PlaceWord(int k, int number, const WordRecord& word) {
  PuzzleHint& hint = HintOf(k, number);
  PuzzleStage& stage = set_.Stages[k - 1];
  std::set<int> rows;
  for (int i = 1; i <= hint.Slot.AnswerLen; ++i) {
    stage.Answers(hint.Slot.CellX(i), hint.Slot.CellY(i)) = word.Yst.at(i - 1);
    rows.insert(hint.Slot.CellY(i));
  }
  for (int y : rows) {
    std::u32string row;
    for (int x = 1; x <= stage.MasMaxX(); ++x) row += stage.Answers(x, y);
    lines_[stage.FirstAnswerLine + y - 1] = FieldText(row);
  }
  SetHintWord(hint, word);
  hint.Qst = FieldText(hint.Qst);
  hint.Ast = FieldText(hint.Ast);
  WriteHintLine(k, hint);
}

void PuzzleSetEdit::WriteHintLine(int k, const PuzzleHint& hint) {
  const PuzzleStage& stage = set_.Stages[k - 1];
  lines_[hint.Line] =
      HintLine(hint, NumberWidth(stage.QuesNmbMax()), hint.Slot.FlagHorV == FlagDown);
}

// A set its author made read-only is left as it stands.
void PuzzleSetEdit::CheckReplaceable(const std::filesystem::path& path) {
  struct stat status {};
  if (stat(path.c_str(), &status) == 0 && (status.st_mode & S_IWUSR) == 0) {
    throw FileError(path, "cannot be replaced: the file is read-only", EACCES);
  }
}

// The new file keeps the mode of the one it replaces, as every replaced file does.
void PuzzleSetEdit::Save(const std::filesystem::path& path) const {
  CheckReplaceable(path);
  StagedTextFile file(path);
  file.Create(lines_);
  file.Commit();
}

}  // namespace crossword

#include <stdexcept>

#include "common/FileNames.h"
#include "common/FileOps.h"
#include "common/QuestionNumbers.h"
#include "common/TextFile.h"
#include "generator/engine/Generator.h"
#include "generator/engine/PuzzleSetEdit.h"
#include "puzzle/PuzzleFileWriter.h"

namespace crossword {

namespace {

constexpr char kWorkFileName[] = "Puzset.$$$";

PuzzleHint HintOf(int number, const WordRecord& word) {
  PuzzleHint hint;
  hint.Number = number;
  SetHintWord(hint, word);
  return hint;
}

// The filled grid as the puzzle file holds it, its questions numbered from 1 and the down
// ones from F.
PuzzleStage FilledStage(const Generator& generator, int F) {
  const GeneratorMas& mas = generator.CrossMas;
  const int X = mas.MasMaxX(), Y = mas.MasMaxY();
  PuzzleStage stage;
  stage.DifficultRank = generator.DifficultRank;
  stage.FirstDownNumber = F;
  stage.CellKinds = MasArray<CellKind>(X, Y);
  stage.Answers = CrossMasMarks(X, Y);
  stage.QuesNmbH = MasArray<int>(X, Y);
  stage.QuesNmbV = MasArray<int>(X, Y);
  std::vector<PuzzleHint> hints(generator.QuesNmbMax());
  for (int y = 1; y <= Y; ++y) {
    for (int x = 1; x <= X; ++x) {
      const GeneratorCell& cell = mas(x, y);
      stage.CellKinds(x, y) = CellKindOf(cell.PosH != 0, cell.PosV != 0);
      stage.Answers(x, y) = cell.DispWChr;
      stage.QuesNmbH(x, y) = cell.QuesNmbH;
      stage.QuesNmbV(x, y) = cell.QuesNmbV;
      if (cell.QuesNmbH != 0)
        hints.at(cell.QuesNmbH - 1) = HintOf(cell.QuesNmbH, generator.Slot(cell.WordNmbH).Word);
      if (cell.QuesNmbV != 0)
        hints.at(cell.QuesNmbV - 1) = HintOf(cell.QuesNmbV, generator.Slot(cell.WordNmbV).Word);
    }
  }
  stage.Across.assign(hints.begin(), hints.begin() + (F - 1));
  stage.Down.assign(hints.begin() + (F - 1), hints.end());
  return stage;
}

// Calls visit(x, y, cell) row by row.
template <typename Visit>
void ForEachCell(GeneratorMas& mas, Visit visit) {
  for (int y = 1; y <= mas.MasMaxY(); ++y) {
    for (int x = 1; x <= mas.MasMaxX(); ++x) visit(x, y, mas(x, y));
  }
}

}  // namespace

std::filesystem::path Generator::WorkFile() const {
  return PlayDir + kWorkFileName;
}

std::filesystem::path Generator::PuzzleFile() const {
  return PlayDir + PlayFile;
}

// The player's solve-status file: the puzzle file's name up to its first "." and "log".
std::filesystem::path Generator::LogFile() const {
  const size_t dot = PlayFile.find('.');
  return PlayDir + (dot == std::string::npos ? "" : PlayFile.substr(0, dot + 1)) + "log";
}

void Generator::WritePuzzleHeader(int S) {
  AppendPuzzleLines(PuzzleHeaderLines(AnswerLang, S), true);
}

void Generator::WritePuzzleStage(int k) {
  const int F = NumberQuestions();
  AppendPuzzleLines(PuzzleStageLines(k, FilledStage(*this, F)), false);
}

// Numbers shared by both directions, across first; returns the first down number.
int Generator::NumberQuestions() {
  MasArray<int> PosH(CrossMas.MasMaxX(), CrossMas.MasMaxY());
  MasArray<int> PosV(CrossMas.MasMaxX(), CrossMas.MasMaxY());
  ForEachCell(CrossMas, [&](int x, int y, GeneratorCell& cell) {
    PosH(x, y) = cell.PosH;
    PosV(x, y) = cell.PosV;
  });
  const QuestionNumbers numbers = crossword::NumberQuestions(PosH, PosV);
  ForEachCell(CrossMas, [&](int x, int y, GeneratorCell& cell) {
    cell.QuesNmbH = numbers.QuesNmbH(x, y);
    cell.QuesNmbV = numbers.QuesNmbV(x, y);
  });
  return numbers.FirstDownNumber;
}

// Each write opens the working file, writes whole lines and closes it again; a failure
// names the file and leaves the puzzle file of an earlier run as it was.
void Generator::AppendPuzzleLines(const std::vector<std::u32string>& lines, bool create) {
  if (create) puzzleLinesWritten_ = 0;
  const std::string bytes = EncodeTextLines(PuzzleFile(), lines, puzzleLinesWritten_);
  if (create) {
    CreateFileWith(WorkFile(), bytes);
  } else {
    AppendToFile(WorkFile(), bytes);
  }
  puzzleLinesWritten_ += static_cast<int>(lines.size());
}

// The old solve status goes first, then the working file takes the puzzle file's place in
// one rename: an older puzzle file survives any failure, and the working file with it.
void Generator::FinishPuzzleFile() {
  if (FileExists(LogFile())) DeleteFile(LogFile());
  ReplaceFile(WorkFile(), PuzzleFile());
}

void Generator::DeleteWorkFile() {
  if (FileExists(WorkFile())) DeleteFile(WorkFile());
}

}  // namespace crossword

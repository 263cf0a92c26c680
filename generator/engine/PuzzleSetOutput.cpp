#include "generator/engine/PuzzleSetOutput.h"

#include <cerrno>

#include "common/FileError.h"
#include "common/FileNames.h"
#include "common/FileOps.h"
#include "common/QuestionNumbers.h"
#include "common/TextFile.h"
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

// Calls visit(x, y, cell) row by row.
template <typename Mas, typename Visit>
void ForEachCell(Mas& mas, Visit visit) {
  for (int y = 1; y <= mas.MasMaxY(); ++y) {
    for (int x = 1; x <= mas.MasMaxX(); ++x) visit(x, y, mas(x, y));
  }
}

// Every slot's hint in question number order, from the numbers its first cell holds.
std::vector<PuzzleHint> NumberedHints(const FillGrid& grid) {
  std::vector<PuzzleHint> hints(grid.QuesNmbMax());
  ForEachCell(grid.CrossMas, [&](int, int, const GeneratorCell& cell) {
    if (cell.QuesNmbH != 0)
      hints.at(cell.QuesNmbH - 1) = HintOf(cell.QuesNmbH, grid.Slot(cell.WordNmbH).Word);
    if (cell.QuesNmbV != 0)
      hints.at(cell.QuesNmbV - 1) = HintOf(cell.QuesNmbV, grid.Slot(cell.WordNmbV).Word);
  });
  return hints;
}

// The filled grid as the puzzle file holds it; the down questions are numbered from F.
PuzzleStage FilledStage(const FillGrid& grid, int DifficultRank, int F) {
  const int X = grid.CrossMas.MasMaxX(), Y = grid.CrossMas.MasMaxY();
  PuzzleStage stage;
  stage.DifficultRank = DifficultRank;
  stage.FirstDownNumber = F;
  stage.CellKinds = MasArray<CellKind>(X, Y);
  stage.Answers = CrossMasMarks(X, Y);
  stage.QuesNmbH = MasArray<int>(X, Y);
  stage.QuesNmbV = MasArray<int>(X, Y);
  ForEachCell(grid.CrossMas, [&](int x, int y, const GeneratorCell& cell) {
    stage.CellKinds(x, y) = CellKindOf(cell.PosH != 0, cell.PosV != 0);
    stage.Answers(x, y) = cell.DispWChr;
    stage.QuesNmbH(x, y) = cell.QuesNmbH;
    stage.QuesNmbV(x, y) = cell.QuesNmbV;
  });
  const std::vector<PuzzleHint> hints = NumberedHints(grid);
  stage.Across.assign(hints.begin(), hints.begin() + (F - 1));
  stage.Down.assign(hints.begin() + (F - 1), hints.end());
  return stage;
}

}  // namespace

std::filesystem::path PuzzleSetOutput::WorkFile() const {
  return files_.PlayDir + kWorkFileName;
}

std::filesystem::path PuzzleSetOutput::PuzzleFile() const {
  return files_.PlayDir + files_.PlayFile;
}

// The player's solve-status file: the puzzle file's name up to its first "." and "log".
std::filesystem::path PuzzleSetOutput::LogFile() const {
  const std::string& PlayFile = files_.PlayFile;
  const size_t dot = PlayFile.find('.');
  return files_.PlayDir + (dot == std::string::npos ? "" : PlayFile.substr(0, dot + 1)) + "log";
}

void PuzzleSetOutput::LockForRun() {
  workLock_ = std::make_unique<WorkingFileLock>(WorkFile());
}

void PuzzleSetOutput::WritePuzzleHeader(int AnswerLang, int S) {
  AppendPuzzleLines(PuzzleHeaderLines(AnswerLang, S), true);
}

void PuzzleSetOutput::WritePuzzleStage(int k, FillGrid& filled, int DifficultRank) {
  const int F = NumberQuestions(filled.CrossMas);
  AppendPuzzleLines(PuzzleStageLines(k, FilledStage(filled, DifficultRank, F)), false);
}

int PuzzleSetOutput::NumberQuestions(GeneratorMas& CrossMas) {
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
void PuzzleSetOutput::AppendPuzzleLines(const std::vector<std::u32string>& lines, bool create) {
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
void PuzzleSetOutput::FinishPuzzleFile() {
  if (FileExists(LogFile())) DeleteFile(LogFile());
  ReplaceFile(WorkFile(), PuzzleFile());
}

void PuzzleSetOutput::DeleteWorkFile() {
  if (!FileExists(WorkFile())) return;
  if (workLock_) return DeleteFile(WorkFile());
  // Between runs: a working file that another run is writing is not this one's to delete.
  try {
    const WorkingFileLock lock(WorkFile());
    DeleteFile(WorkFile());
  } catch (const FileError& error) {
    if (error.SystemErrno() != EWOULDBLOCK) throw;
  }
}

}  // namespace crossword

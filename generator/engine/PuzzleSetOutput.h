#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/FileOps.h"
#include "generator/engine/FillGrid.h"
#include "generator/engine/PuzzleSetFiles.h"

// The puzzle set a run writes: the stages go to a working file beside the puzzle file,
// which takes the puzzle file's place only when every stage is made.
//
// Needs: the set's file names, read whenever a path is wanted (the user may choose another
// puzzle file between runs). Gives: the paths, the header and stage writers, the final
// replace, and the working file's lock and deletion.
namespace crossword {

class PuzzleSetOutput {
 public:
  explicit PuzzleSetOutput(const PuzzleSetFiles& files) : files_(files) {}

  std::filesystem::path WorkFile() const;
  std::filesystem::path PuzzleFile() const;
  // The player's solve-status file of the puzzle file.
  std::filesystem::path LogFile() const;

  // Holds the working file for a run, so that a second run on the folder starts nothing.
  void LockForRun();
  void Unlock() { workLock_.reset(); }

  // Starts the working file with the header of a set of S stages.
  void WritePuzzleHeader(int AnswerLang, int S);
  // Numbers the questions of the filled grid and appends it as stage k.
  void WritePuzzleStage(int k, FillGrid& filled, int DifficultRank);
  void FinishPuzzleFile();
  void DeleteWorkFile();

 private:
  void AppendPuzzleLines(const std::vector<std::u32string>& lines, bool create);
  // Numbers shared by both directions, across first, into the cells; returns the first
  // down number.
  static int NumberQuestions(GeneratorMas& CrossMas);

  const PuzzleSetFiles& files_;
  std::unique_ptr<WorkingFileLock> workLock_;  // held for a run: one run per folder
  int puzzleLinesWritten_ = 0;                 // to name the line of a field that cannot be written
};

}  // namespace crossword

#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "generator/engine/Generator.h"
#include "tests/generator/FixtureWords.h"
#include "tests/support/TempFolder.h"

namespace crossword::testing {

// Remembers what a run showed; `onPump` lets a test act like the stop button.
class RecordingObserver : public GeneratorObserver {
 public:
  void StageStarted(int stage) override { stagesStarted.push_back(stage); }
  void AttemptStarted(int restart) override { attemptsStarted.push_back(restart); }
  void RepairStarted(int retry) override { repairsStarted.push_back(retry); }
  void RepeatFound(int age) override { repeatsFound.push_back(age); }
  void RunGivenUp() override { ++runsGivenUp; }
  void BuildGridView(const GeneratorMas&) override { ++gridViewsBuilt; }
  void StageFinished(int stage) override {
    stagesFinished.push_back(stage);
    if (onStageFinished) onStageFinished();
  }
  void ShowCandidate(const GeneratorSlot&, std::u32string_view Yst) override {
    candidatesShown.emplace_back(Yst);
  }
  void PumpEvents(double) override {
    if (onPump) onPump();
  }
  MessageAnswer ShowMessage(int, const CatalogueMessage& message) override {
    messageTitles.push_back(message.Title);
    return AnswerOk;
  }
  void EndProgram() override { ++programEnds; }

  std::vector<int> stagesStarted;
  std::vector<int> attemptsStarted;
  std::vector<int> repairsStarted;
  std::vector<int> repeatsFound;
  std::vector<std::u32string> candidatesShown;
  std::vector<std::string> messageTitles;
  std::vector<int> stagesFinished;
  std::function<void()> onPump;
  std::function<void()> onStageFinished;
  int gridViewsBuilt = 0;
  int programEnds = 0;
  int runsGivenUp = 0;
};

// A 3 x 3 ring: slot 1 across row 1, 2 across row 3, 3 down column 1, 4 down column 3.
inline const std::vector<std::string> kRing = {"...", ".#.", "..."};

// A generator on a dictionary "dic.lxd" and a grid settings file "grid.gst" of its own,
// in a fresh folder. Grids are typed as rows: "#" a wall, "." an open cell, else a letter.
class GeneratorSetup {
 public:
  GeneratorSetup() : generator(observer, folder.Path().string()) {}

  void WriteWords(const std::vector<WordRecord>& words);
  // Writes "grid.gst" naming the dictionary in `dicFolder`, this folder by default.
  void WriteGrids(const std::vector<std::vector<std::string>>& grids, std::string dicFolder = "");
  // Loads the grid file and its first stage; selects categories 1..3 and lists 1..2 at
  // this rank.
  void Load(int DifficultRank = 0);
  // Loads one grid straight into the generator, as a run would.
  void Take(const std::vector<std::string>& rows);

  TempFolder folder;
  RecordingObserver observer;
  Generator generator;
};

}  // namespace crossword::testing

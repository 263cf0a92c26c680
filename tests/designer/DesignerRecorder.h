#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "designer/engine/DesignerObserver.h"
#include "dictionary/Dictionary.h"

namespace crossword::testing {

// Remembers what the designer told last and answers its messages from a list (then with
// each box's default button).
class DesignerRecorder : public DesignerObserver {
 public:
  std::string gridFileName, gridFileFolder;    // the grid settings file to write
  std::string readFileName;                    // the grid settings file read
  int stage = 0, stageCount = 0;               // the stage of that file shown
  int width = 0, height = 0;                   // the grid size shown
  std::optional<int> walls;                    // the wall count shown
  bool gridFromFile = false;                   // shown instead of the wall count
  std::optional<int> slotCount;                // the slot count shown, nothing for "not counted"
  int fullAutoStages = 0;                      // stages of the full-auto run started
  int stageStarted = 0;                        // the stage it lays out
  std::vector<int> messages;                   // numbers in the order shown
  std::vector<CatalogueMessage> shown;         // the boxes themselves
  std::deque<MessageAnswer> answers;           // the author's next answers
  std::vector<MasPosition> markedWhileAsking;  // cut-off cells marked during the last box
  std::vector<MasPosition> marked;             // cut-off cells marked now
  int placementRuns = 0;                       // busy pointers shown
  int pumps = 0;
  int gridsMade = 0;
  CrossMasMarks board;                              // the grid shown
  bool fullAutoRunning = false;                     // between the run's start and end
  std::vector<std::pair<LongWork, bool>> progress;  // (work, running) in order
  std::function<void(int)> onStageStarted;          // hooks for tests
  std::function<void()> onPump;

  void GridFileNamed(const std::string& name, const std::string& folder) override {
    gridFileName = name;
    gridFileFolder = folder;
  }
  void ReadFileNamed(const std::string& name, const std::string&) override { readFileName = name; }
  void StageShown(int shownStage, int count) override {
    stage = shownStage;
    stageCount = count;
  }
  void GridSizeShown(int MasMaxX, int MasMaxY) override {
    width = MasMaxX;
    height = MasMaxY;
  }
  void WallCountShown(int count) override {
    walls = count;
    gridFromFile = false;
  }
  void GridReadFromFile() override { gridFromFile = true; }
  void SlotCountShown(std::optional<int> count) override { slotCount = count; }
  void GridMade(int, int, const StageViewModel&) override { ++gridsMade; }
  void GridShown(const CrossMasMarks& CrossMas) override { board = CrossMas; }
  void MarkCutOffCells(const std::vector<MasPosition>& cells) override { marked = cells; }
  MessageAnswer ShowMessage(int number, const CatalogueMessage& message) override {
    messages.push_back(number);
    shown.push_back(message);
    markedWhileAsking = marked;
    if (answers.empty()) return message.DefaultAnswer;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void PumpEvents() override {
    ++pumps;
    if (onPump) onPump();
  }
  void WorkRunning(LongWork work, bool running) override { progress.emplace_back(work, running); }
  void ShowBusy(bool busy) override { placementRuns += busy ? 1 : 0; }
  void FullAutoRunStarted(int stageCount) override {
    fullAutoStages = stageCount;
    fullAutoRunning = true;
  }
  void FullAutoRunEnded() override { fullAutoRunning = false; }
  void StageStarted(int started) override {
    stageStarted = started;
    if (onStageStarted) onStageStarted(started);
  }
};

// The same number of words of every length.
inline WordCounts WordsOfEveryLength(int count) {
  WordCounts counts{};
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) counts[length] = count;
  return counts;
}

}  // namespace crossword::testing

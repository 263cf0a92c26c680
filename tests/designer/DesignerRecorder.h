#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "designer/engine/DesignerObserver.h"
#include "dictionary/Dictionary.h"

namespace crossword::testing {

// Remembers what the designer showed and answers its messages from a list (then with
// each box's default button).
class DesignerRecorder : public DesignerObserver {
 public:
  std::map<DesignerLabel, std::string> captions;  // the last caption of each label
  std::vector<int> messages;                      // numbers in the order shown
  std::vector<CatalogueMessage> shown;            // the boxes themselves
  std::deque<MessageAnswer> answers;              // the author's next answers
  std::vector<MasPosition> markedWhileAsking;     // cut-off cells marked during the last box
  std::vector<MasPosition> marked;                // cut-off cells marked now
  int placementRuns = 0;                          // busy pointers shown
  int pumps = 0;
  int boardsLoaded = 0;
  CrossMasMarks board;                         // what the board shows
  bool stageLabels = false;                    // the stage counters of a full-auto run are shown
  std::vector<std::pair<int, bool>> progress;  // (page, running) in order
  std::function<void(DesignerLabel, const std::string&)> onCaption;  // hooks for tests
  std::function<void()> onPump;

  void SetCaption(DesignerLabel label, const std::string& caption) override {
    captions[label] = caption;
    if (onCaption) onCaption(label, caption);
  }
  void LoadBoard(int, int, const StageViewModel&) override { ++boardsLoaded; }
  void ShowBoard(const CrossMasMarks& CrossMas) override { board = CrossMas; }
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
  void ShowProgress(int page, bool running) override { progress.emplace_back(page, running); }
  void ShowBusy(bool busy) override { placementRuns += busy ? 1 : 0; }
  void ShowStageLabels(bool shown) override { stageLabels = shown; }

  std::string Caption(DesignerLabel label) const {
    const auto found = captions.find(label);
    return found == captions.end() ? "" : found->second;
  }
};

// The same number of words of every length.
inline WordCounts WordsOfEveryLength(int count) {
  WordCounts counts{};
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) counts[length] = count;
  return counts;
}

}  // namespace crossword::testing

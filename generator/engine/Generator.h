#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/GridModel.h"
#include "common/GridSettingsFile.h"
#include "common/RandomSource.h"
#include "dictionary/WordQuery.h"
#include "generator/engine/PatternMatches.h"
#include "generator/engine/GeneratorGrid.h"
#include "generator/engine/GeneratorObserver.h"
#include "generator/engine/ThoroughSearch.h"
#include "generator/engine/WordIndex.h"

// Cluewright's engine: from a grid settings file and a dictionary to a puzzle set.
namespace crossword {

class QuestionSelection;

constexpr int FillFilled = 11;  // FillStage: every slot holds a confirmed word
constexpr int FillFailed = 10;  // FillStage: the attempt was given up
constexpr int FillNoFill = 12;  // FillStageThorough: no fill of the grid exists

// The fill search a run uses: the exact one unless the user asks for the thorough one.
enum class FillSearch { Exact, Thorough };

constexpr int RestartMaxLimit = 9999;  // the largest RestartMax and RetryMax
constexpr int HistoryMaxLimit = 999;   // the largest HistoryMax

// How a run ended.
enum class RunOutcome {
  Completed,     // every stage made and the puzzle file in place
  GivenUp,       // stage 1 could not be made with any pattern; message 10 was shown
  Stopped,       // the user stopped the run
  ProgramEnded,  // no admissible first word; message 101 was shown
};

// Thrown from a pump or a message that ends the run; RunGeneration turns it into its
// outcome after deleting the working file.
struct RunEnded {
  RunOutcome Outcome;
};

// Whether a word may not share a grid with a word placed there: the same word, a second
// word of a list asked once per grid, the same clue or answer number, or each one's
// written form in the other's clue. ListOn as the selection has it.
bool ExcludedBy(const WordRecord& candidate, const WordRecord& placed,
                const std::vector<int>& ListOn);

// The generator's state for the life of the program, and its operations.
class Generator {
 public:
  Generator(GeneratorObserver& observer, const std::string& programFolder);

  // --- Files ---
  std::string MakeDir;      // folder of the grid settings file, ending with "/"
  std::string MakeFile;     // grid settings file name
  std::string DicPath;      // folder of the dictionary, ending with "/"
  std::string DicFileName;  // dictionary file name
  std::string PlayDir;      // folder of the puzzle file, ending with "/"
  std::string PlayFile;     // puzzle file name

  // --- What the grid settings file and the dictionary say ---
  int StagePatternNmbMax = 0;      // number after the grid file's last stage mark
  int EmbedChrFlag = 0;            // 1 when the grids hold letters fixed in advance
  int AnswerLang = 1;              // 0 English answers, 1 Japanese
  std::optional<WordIndex> DicDb;  // the dictionary's words, read into memory when it opens

  // --- Run settings ---
  int RestartMax = 50;    // restarts allowed per grid pattern
  int RetryMax = 25;      // repairs allowed within one fill attempt
  int MakingNmbMax = 10;  // stages to make
  double ShowSpeed = 0;   // seconds to pause after showing each candidate
  FillSearch Search = FillSearch::Exact;
  RandomSource Rnd;       // the run's random numbers; fixed start until reseeded
  ElapsedTime StartTime;  // started when a run begins

  // --- Selection, by number: 1 = asked; ListOn -1 = one word of the list per grid ---
  std::vector<int> CategoryOn;  // indexed by category number 0..CategoryCount
  std::vector<int> ListOn;      // indexed by list number 0..ListCount
  int DifficultRank = 0;        // 1..5, or 0 for a selection made by hand

  // --- The grid being filled ---
  GeneratorMas CrossMas;                 // the cells, (x, y) from 1
  std::vector<GeneratorSlot> CrossWord;  // the word slots in slot order, Slot(1) first

  // --- Fill search ---
  std::vector<int> Candidate;                 // stored positions of the admitted words
  std::vector<CrossingEntry> Crossing;        // open crossings of the slot being filled
  std::vector<LetterCacheEntry> LetterCache;  // one per Crossing entry
  std::vector<std::u32string> History;        // 0: the stage's start; 1..: failures, newest first

  int QuesNmbMax() const { return static_cast<int>(CrossWord.size()); }
  GeneratorSlot& Slot(int i) { return CrossWord.at(i - 1); }
  const GeneratorSlot& Slot(int i) const { return CrossWord.at(i - 1); }
  int HistoryMax() const { return static_cast<int>(History.size()) - 1; }
  // Resizes the history to 0..limit, keeping the entries that still fit.
  void SetHistoryMax(int limit);  // 1..HistoryMaxLimit

  // Ends the run at the next pump of events; safe to call from PumpEvents.
  void RequestStop() { stopRequested_ = true; }

  // --- Loading ---
  // Reads the grid settings file MakeDir + MakeFile and opens its dictionary. Returns 0
  // when the dictionary is missing (message 5 shown, the program ends), else 1.
  int LoadGridSettings(bool chosenByUser);
  // A grid settings file chosen by the user: loads it and names the puzzle file after it.
  int ChooseGridFile(const std::filesystem::path& chosen);
  // The categories, lists and rank the boxes of `selection` ask for, as a run needs them.
  void TakeSelection(QuestionSelection& selection);
  // A puzzle file name chosen by the user; the extension is always ".pzs".
  void ChoosePuzzleFile(const std::filesystem::path& chosen);
  MessageAnswer ShowMessage(int selector);

  // --- Generation driver ---
  RunOutcome RunGeneration();
  void LoadStagePattern(int n);
  void TakeStagePattern(const CrossGrid& grid);
  void IndexCells();
  void SaveBaseGrid();
  void RestoreBaseGrid();

  // --- Slot fill search ---
  int FillStage();
  void PlaceFirstWord();
  void WriteSlotWord(int s);
  void RefreshPatterns();
  int ChooseSlot();
  void ShuffleCandidates(int n);
  int CollectCrossings(int s);
  bool IsExcluded(const WordRecord& candidate) const;
  int PickFreeCandidate(int n);
  int PickCrossedCandidate(int s, int n, int k);
  bool CheckCrossings(std::u32string_view reading, int k);
  void PlaceWord(int s, const WordRecord& word);
  void PushHistory();
  bool FindRepeat();
  void ClearCrossingWords(int s);

  // --- Thorough fill search ---
  // Fills the loaded grid with a complete search, restarting at most RestartMax times.
  // FillNoFill when the search proved that the grid has no fill; the note says why.
  int FillStageThorough();
  // Per slot, from Slot(1): the admitted words its embedded letters leave it.
  std::vector<int> CountSlotCandidates();
  // Why the grid cannot be filled, after FillStageThorough gave FillNoFill.
  const std::string& NoFillReason() const { return noFillReason_; }

  // --- Candidate queries ---
  static WordQuery MakeQueryFilter(const std::u32string& pattern, int length);
  bool IsAdmitted(int CN, int BN) const;
  int FetchCandidates(int slot);
  // Candidate i, 1..n; valid until the next call.
  const WordRecord& CandidateRecord(int i);

  // --- Puzzle file ---
  std::filesystem::path WorkFile() const;
  std::filesystem::path PuzzleFile() const;
  std::filesystem::path LogFile() const;
  void WritePuzzleHeader(int S);
  void WritePuzzleStage(int k);
  int NumberQuestions();
  void FinishPuzzleFile();
  void DeleteWorkFile();

 private:
  std::filesystem::path GridFile() const;
  bool MakeStages();
  int FillStageAttempts();
  void WriteFilledStage(int stage, int S);
  bool IsLastPattern(int pattern);
  const GridSettingsFile& StagePatterns();
  int FillSlots();
  bool FillOneSlot(int s);
  std::string DescribeSlot(int s) const;
  std::vector<SearchSlot> MakeSearchSlots(std::map<std::u32string, CandidatePool>& pools);
  CandidatePool MakeCandidatePool(int s);
  void PlaceSearchResult(const std::vector<SearchSlot>& slots, const std::vector<int>& chosen);
  void LetEventsRun(double seconds = 0);
  void Show(GeneratorLabel label, const std::string& text) { observer_.ShowLabel(label, text); }
  std::u32string SlotLetters(const GeneratorSlot& slot) const;
  void ReadSlotLetters(const GeneratorSlot& slot, std::u32string& letters) const;
  int CrossingSlotAt(const GeneratorSlot& slot, int position) const;
  int CrossingPositionAt(const GeneratorSlot& slot, int position) const;
  std::u32string Snapshot() const;
  void PutBackBaseLetters(bool blanksToo);
  void AppendPuzzleLines(const std::vector<std::u32string>& lines, bool create);

  GeneratorObserver& observer_;
  std::optional<GridSettingsFile> stagePatterns_;  // the grid file, read once per run
  bool stopRequested_ = false;
  int candidateLength_ = 0;     // answer length of the words in Candidate
  WordRecord candidateRecord_;  // the candidate read last, its strings reused
  PatternMatches patternMatches_;  // in DicDb
  int puzzleLinesWritten_ = 0;  // to name the line of a field that cannot be written
  std::string noFillReason_;    // set when FillStageThorough proves there is no fill
};

}  // namespace crossword

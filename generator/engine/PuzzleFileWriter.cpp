#include <stdexcept>

#include "common/FileNames.h"
#include "common/FileOps.h"
#include "common/NumberText.h"
#include "common/QuestionNumbers.h"
#include "common/TextFile.h"
#include "generator/engine/Generator.h"
#include "generator/engine/PuzzleLines.h"

namespace crossword {

namespace {

constexpr char kWorkFileName[] = "Puzset.$$$";

// A question number with leading zeros to the width of the stage's largest number.
std::u32string NumberOfWidth(int value, int W) {
  const std::u32string digits = DecimalText(value);
  return std::u32string(W > static_cast<int>(digits.size()) ? W - digits.size() : 0, U'0') + digits;
}

std::u32string Joined(const std::vector<std::u32string>& values) {
  std::u32string line;
  for (const auto& value : values) line += (line.empty() ? U"" : U",") + value;
  return line;
}

// Calls visit(x, y, cell) row by row.
template <typename Visit>
void ForEachCell(GeneratorMas& mas, Visit visit) {
  for (int y = 1; y <= mas.MasMaxY(); ++y) {
    for (int x = 1; x <= mas.MasMaxX(); ++x) visit(x, y, mas(x, y));
  }
}

int CellKind(const GeneratorCell& cell) {
  if (cell.PosH != 0 && cell.PosV != 0) return 4;
  if (cell.PosH != 0) return 2;
  if (cell.PosV != 0) return 3;
  return 1;
}

void AddCellKindMap(const GeneratorMas& mas, std::vector<std::u32string>& lines) {
  const std::vector<std::u32string> border(mas.MasMaxX() + 2, U"1");
  lines.push_back(Joined(border));
  for (int y = 1; y <= mas.MasMaxY(); ++y) {
    std::vector<std::u32string> codes{U"1"};
    for (int x = 1; x <= mas.MasMaxX(); ++x) codes.push_back(DecimalText(CellKind(mas(x, y))));
    codes.push_back(U"1");
    lines.push_back(Joined(codes));
  }
  lines.push_back(Joined(border));
}

void AddAnswers(const GeneratorMas& mas, std::vector<std::u32string>& lines) {
  for (int y = 1; y <= mas.MasMaxY(); ++y) {
    std::u32string row;
    for (int x = 1; x <= mas.MasMaxX(); ++x) row += mas(x, y).DispWChr;
    lines.push_back(FieldText(row));
  }
}

template <typename NumberOf>
void AddQuestionNumbers(const GeneratorMas& mas, int W, NumberOf numberOf,
                        std::vector<std::u32string>& lines) {
  for (int y = 1; y <= mas.MasMaxY(); ++y) {
    std::vector<std::u32string> numbers;
    for (int x = 1; x <= mas.MasMaxX(); ++x)
      numbers.push_back(NumberOfWidth(numberOf(mas(x, y)), W));
    lines.push_back(Joined(numbers));
  }
}

}  // namespace

// A comma would split a hint's field and a line break end its line: the player could not
// tell them from the file's own.
std::u32string FieldText(const std::u32string& text) {
  std::u32string field;
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') continue;  // one break
    field += c == U',' ? U'，' : (c == U'\r' || c == U'\n') ? U' ' : c;
  }
  return field;
}

int NumberWidth(int N) {
  return static_cast<int>(DecimalText(N).size());
}

// Across hints give their numbers plain, down hints in print form; the player expects
// exactly this difference.
std::u32string HintLine(int number, int W, const WordRecord& word, bool down) {
  if (word.ID == 0) throw std::logic_error("a filled grid has a slot without a word");
  std::vector<std::u32string> fields{NumberOfWidth(number, W), FieldText(word.Qst),
                                     FieldText(word.Ast), FieldText(word.Yst)};
  for (int value : {word.ID, word.CN, word.BN, word.QN, word.AN, word.SN}) {
    fields.push_back(down ? PrintForm(value) : DecimalText(value));
  }
  return Joined(fields);
}

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
  std::u32string solveStatus = U"0";
  for (int stage = 2; stage <= S; ++stage) solveStatus += U",0";
  AppendPuzzleLines(
      {U";解答言語 =0:英語 =1:日本語", DecimalText(AnswerLang), U";ステージ数(#1～max99)",
       DecimalText(S),
       U";解答状況のら列(#1～ステージ数) =0:未完成 "
       U"=1:完成済み　※ＣＤ－ＲＯＭに対処するため別ファイル(*"
       U".log)になりました。このためここでの設定は無効ですが、このままにしておいてください。",
       solveStatus, U""},
      true);
}

void Generator::WritePuzzleStage(int k) {
  const int F = NumberQuestions();
  AppendPuzzleLines(PuzzleStageLines(k, F), false);
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

std::vector<std::u32string> Generator::PuzzleStageLines(int k, int F) const {
  const int X = CrossMas.MasMaxX();
  const int Y = CrossMas.MasMaxY();
  const int N = QuesNmbMax();
  const int W = NumberWidth(N);
  std::vector<std::u32string> lines{
      U";#" + DecimalText(k),
      U";行数　文字幅",
      DecimalText(Y) + U"," + DecimalText(X),
      U";レベル(0,1～5)　出題単語数(1～)　縦の質問番号のトップ(2～)",
      Joined({DecimalText(DifficultRank), DecimalText(N), DecimalText(F)}),
      U";マス目の並びかた 1:壁 2:横 3:縦 4:クロス"};
  AddCellKindMap(CrossMas, lines);
  lines.push_back(U";解答");
  AddAnswers(CrossMas, lines);
  lines.push_back(U";質問番号(横)1～");
  AddQuestionNumbers(
      CrossMas, W, [](const GeneratorCell& cell) { return cell.QuesNmbH; }, lines);
  lines.push_back(U";(縦)横に続けて通しの番号～");
  AddQuestionNumbers(
      CrossMas, W, [](const GeneratorCell& cell) { return cell.QuesNmbV; }, lines);
  lines.push_back(U";ヒント(質問番号順)");
  AddHints(W, lines);
  lines.push_back(U"");
  return lines;
}

// Every slot's hint, in question number order: across first, then down.
void Generator::AddHints(int W, std::vector<std::u32string>& lines) const {
  std::vector<std::u32string> hints(QuesNmbMax() + 1);
  for (int y = 1; y <= CrossMas.MasMaxY(); ++y) {
    for (int x = 1; x <= CrossMas.MasMaxX(); ++x) {
      const GeneratorCell& cell = CrossMas(x, y);
      if (cell.QuesNmbH != 0)
        hints.at(cell.QuesNmbH) = HintLine(cell.QuesNmbH, W, Slot(cell.WordNmbH).Word, false);
      if (cell.QuesNmbV != 0)
        hints.at(cell.QuesNmbV) = HintLine(cell.QuesNmbV, W, Slot(cell.WordNmbV).Word, true);
    }
  }
  lines.insert(lines.end(), hints.begin() + 1, hints.end());
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

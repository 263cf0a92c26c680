#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "puzzle/PuzzleFile.h"

// The lines of a puzzle set file, as the generator writes a set and a set finished by hand
// is written back. ReadPuzzleFile reads exactly these lines.
namespace crossword {

// The fixed lines that introduce each part of the file.
inline constexpr std::u32string_view AnswerLangLine = U";解答言語 =0:英語 =1:日本語";
inline constexpr std::u32string_view StageCountLine = U";ステージ数(#1～max99)";
inline constexpr std::u32string_view SolveStatusLine =
    U";解答状況のら列(#1～ステージ数) =0:未完成 "
    U"=1:完成済み　※ＣＤ－ＲＯＭに対処するため別ファイル(*.log)"
    U"になりました。このためここでの設定は無効ですが、このままにしておいてください。";
inline constexpr std::u32string_view StageSizeLine = U";行数　文字幅";
inline constexpr std::u32string_view StageLevelLine =
    U";レベル(0,1～5)　出題単語数(1～)　縦の質問番号のトップ(2～)";
inline constexpr std::u32string_view CellKindsLine = U";マス目の並びかた 1:壁 2:横 3:縦 4:クロス";
inline constexpr std::u32string_view AnswersLine = U";解答";
inline constexpr std::u32string_view AcrossNumbersLine = U";質問番号(横)1～";
inline constexpr std::u32string_view DownNumbersLine = U";(縦)横に続けて通しの番号～";
inline constexpr std::u32string_view HintsLine = U";ヒント(質問番号順)";

// Stage k's first line, ";#k".
std::u32string StageMarkLine(int k);

// The text with "," written as "，" and a line break as a blank, which would otherwise
// break the line.
std::u32string FieldText(const std::u32string& text);

// The digits of a stage's question numbers: those of its number of questions N.
int NumberWidth(int N);

// The hint line: question number in W digits, clue, written form, reading and the word's
// numbers, plain for an across hint and in print form for a down one.
std::u32string HintLine(const PuzzleHint& hint, int W, bool down);

// The file's head: the answer language and S stages, none solved yet.
std::vector<std::u32string> PuzzleHeaderLines(int AnswerLang, int S);

// The block of stage k. Hints are written in question number order, across before down.
std::vector<std::u32string> PuzzleStageLines(int k, const PuzzleStage& stage);

}  // namespace crossword

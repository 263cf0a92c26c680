#pragma once

// The captions of the run button both windows show on their last page.
namespace crossword {

inline constexpr char RunCaptionReady[] = "実行";    // a run may start
inline constexpr char RunCaptionRunning[] = "中止";  // a run goes on; pressed, it ends the program
inline constexpr char RunCaptionDone[] = "完了";     // the run wrote its file
inline constexpr char RunCaptionFailed[] = "終了";   // the run gave up

}  // namespace crossword

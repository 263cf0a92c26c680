#pragma once

#include <QFrame>
#include <QPushButton>
#include <array>
#include <string_view>

#include "common/GridModel.h"
#include "common/StageViewModel.h"
#include "common/ui/CellBoard.h"
#include "common/ui/ClickLabel.h"

// The stage view of the run page (picQues): the cells of the stage being filled, the
// labels that move the view over a large grid, and the switch between letters and "？".
namespace crossword::ui {

class StageView : public QFrame {
 public:
  explicit StageView(QWidget* parent);

  static constexpr int Width1Cell = 26;  // size of one cell in the view
  static constexpr int Height1Cell = 26;

  // A newly loaded stage: the view starts at its top left corner.
  void BuildGridView(const CrossMasMarks& marks);
  // Every cell's letter, or "？" for each one while the simple display is on.
  void ShowGrid(const CrossMasMarks& marks);
  // A candidate's letters in its slot, brought into sight, whatever the display mode.
  void ShowCandidate(const CrossWordSlot& slot, std::u32string_view Yst);

  const StageViewModel& Position() const { return position_; }
  int DispChrOn() const { return DispChrOn_; }

  CellBoard* picCrossBase;
  std::array<ClickLabel*, 5> lblCrossStageMoveH{};  // 1 first .. 4 last; 0 unused
  std::array<ClickLabel*, 5> lblCrossStageMoveV{};
  QPushButton* cmdDispOnOff;

 private:
  void cmdDispOnOff_Click();
  void MakeMoveLabels();
  void ShowViewPosition();
  void ShowCell(int x, int y, char32_t DispWChr, bool asItIs);

  StageViewModel position_;
  CrossMasMarks marks_;  // the grid last shown, to redraw it in the other mode
  int DispChrOn_ = 0;    // 0 simple display ("？"), 1 the letters
};

}  // namespace crossword::ui

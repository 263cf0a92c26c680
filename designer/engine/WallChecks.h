#pragma once

#include <functional>
#include <utility>

#include "designer/engine/DesignerMessages.h"
#include "designer/engine/DesignerObserver.h"
#include "designer/engine/EditedGrid.h"

// The checks of the walls the author set, before the grid settings file is written.
namespace crossword {

// Needs the grid being edited (its slots are counted when it has no walls), the way to
// ask the author, and the observer that marks cut-off cells while they are warned of.
// Gives the warnings the author may go past and the faults no grid may keep.
class WallChecks {
 public:
  WallChecks(EditedGrid& grid, AskMessage ask, DesignerObserver& observer)
      : grid_(grid), ask_(std::move(ask)), observer_(observer) {}

  // 0: the grid may go on; 1: the author keeps the walls to change them. Slots shorter
  // than `shortestAnswer` are warned of like the walls.
  int CheckMasBar(int shortestAnswer);
  // Whether the grid may be written: every warning passed, no slot longer than a word.
  bool GridIsReadyToWrite(int shortestAnswer);

 private:
  bool AcceptCutOffCells();

  EditedGrid& grid_;
  AskMessage ask_;
  DesignerObserver& observer_;
};

}  // namespace crossword

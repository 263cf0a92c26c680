#pragma once

#include <string>
#include <string_view>

#include "common/Message.h"
#include "generator/engine/FillGrid.h"
#include "generator/engine/GeneratorGrid.h"

namespace crossword {

// Everything a run shows or asks, so that the window, wright and the tests each present
// it their own way. The engine calls these at fixed points and nowhere else; a view that
// has no use for a display hook shows nothing.
class GeneratorObserver {
 public:
  virtual ~GeneratorObserver() = default;

  // A run's progress, in the order a stage goes through it.
  // Stage `stage` (from 1) is being made.
  virtual void StageStarted(int /*stage*/) {}
  // Attempt `restart` on the stage's grid pattern begins, 0 first.
  virtual void AttemptStarted(int /*restart*/) {}
  // Repair `retry` within the attempt begins, 0 first.
  virtual void RepairStarted(int /*retry*/) {}
  // The grid a failed repair left is the one of `age` failures ago: the attempt gives up.
  virtual void RepeatFound(int /*age*/) {}
  // Stage `stage` is filled and about to be written.
  virtual void StageWriting(int /*stage*/) {}
  // A new stage was loaded: rebuild the cell view for its size.
  virtual void BuildGridView(const GeneratorMas& /*CrossMas*/) {}
  virtual void ShowGrid(const GeneratorMas& /*CrossMas*/) {}
  // Stage `stage` is written to the working file.
  virtual void StageFinished(int /*stage*/) {}
  // Stage 1 could not be made with any grid pattern; message 10 follows.
  virtual void RunGivenUp() {}
  // A candidate's letters are about to be tried in the slot.
  virtual void ShowCandidate(const GeneratorSlot& /*slot*/, std::u32string_view /*Yst*/) {}
  // Lets pending user events run, for `seconds` when above 0. A stop button handled
  // here calls Generator::RequestStop; the run then ends at once.
  virtual void PumpEvents(double /*seconds*/) {}
  // Something the user may want to know that asks nothing: a word index file that could not
  // be used.
  virtual void ShowNote(const std::string& /*text*/) {}
  // Grid `pattern` of the grid file was proved to have no fill, or given up; the run goes on
  // without it.
  virtual void GridUnfilled(int /*pattern*/, const UnfilledGrid& /*why*/) {}
  // Shows message `number` of the catalogue and returns the button pressed.
  virtual MessageAnswer ShowMessage(int number, const CatalogueMessage& message) = 0;
  // The program ends: nothing more is asked of the engine.
  virtual void EndProgram() = 0;
};

}  // namespace crossword

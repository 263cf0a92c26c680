#pragma once

#include <string>
#include <string_view>

#include "common/Message.h"
#include "generator/engine/FillState.h"
#include "generator/engine/GeneratorGrid.h"

namespace crossword {

// The progress labels of the run page.
enum class GeneratorLabel {
  lblNowMakingNmb,  // the stage being made
  lblInfoMaking,    // what the run is doing
  lblRestart,       // restarts of the current grid pattern
  lblRetry,         // repairs within the current attempt
  lblHistory,       // where in the history a repeated grid was found
};

// Everything a run shows or asks, so that the window, wright and the tests each present
// it their own way. The engine calls these at fixed points and nowhere else; a view that
// has no use for a display hook shows nothing.
class GeneratorObserver {
 public:
  virtual ~GeneratorObserver() = default;

  virtual void ShowLabel(GeneratorLabel /*label*/, const std::string& /*text*/) {}
  // A new stage was loaded: rebuild the cell view for its size.
  virtual void BuildGridView(const GeneratorMas& /*CrossMas*/) {}
  virtual void ShowGrid(const GeneratorMas& /*CrossMas*/) {}
  // Stage `stage` is filled and written to the working file.
  virtual void StageFinished(int /*stage*/) {}
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

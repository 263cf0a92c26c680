#pragma once

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "common/GridModel.h"
#include "common/Message.h"
#include "common/StageViewModel.h"
#include "designer/engine/GridChecks.h"

// What the designer tells while it works. The window shows it with widgets; wright and
// the tests implement it with a terminal and with recorders. Only ShowMessage must be
// answered; a view that has no use for the rest shows nothing.
namespace crossword {

// The long operations whose progress is shown while they run.
enum class LongWork {
  WallPlacement,  // the automatic placement of walls in the grid being edited
  MakeFile,       // the run that writes the grid settings file
};

// Thrown out of PumpEvents when the author stops a long run (or ends the program during
// it): a full-auto run keeps the stages it has written, then passes the stop on.
class RunStopped : public std::exception {
 public:
  const char* what() const noexcept override { return "the run was stopped"; }
};

class DesignerObserver {
 public:
  virtual ~DesignerObserver() = default;

  // The dictionary the grids are made for, by file name and folder.
  virtual void DictionaryChosen(const std::string& /*name*/, const std::string& /*folder*/) {}
  // The grid settings file the run writes.
  virtual void GridFileNamed(const std::string& /*name*/, const std::string& /*folder*/) {}
  // The grid settings file whose stages are read into the grid.
  virtual void ReadFileNamed(const std::string& /*name*/, const std::string& /*folder*/) {}
  // Stage `stage` of the `stageCount` stages of that file is the grid.
  virtual void StageShown(int /*stage*/, int /*stageCount*/) {}
  virtual void GridSizeShown(int /*MasMaxX*/, int /*MasMaxY*/) {}
  virtual void WallCountShown(int /*walls*/) {}
  // The grid is a stage read from a file whose walls have not been counted.
  virtual void GridReadFromFile() {}
  // The word slots of the grid; nothing while they have not been counted.
  virtual void SlotCountShown(std::optional<int> /*count*/) {}
  // A fresh grid of open cells of a new size.
  virtual void GridMade(int /*MasMaxX*/, int /*MasMaxY*/, const StageViewModel& /*view*/) {}
  // The grid has these walls and open cells.
  virtual void GridShown(const CrossMasMarks& /*CrossMas*/) {}
  // Open cells cut off from the rest, marked while the warning about them is shown; an
  // empty list takes the marks away.
  virtual void MarkCutOffCells(const std::vector<MasPosition>& /*cells*/) {}
  // Shows a message box and returns the button pressed.
  virtual MessageAnswer ShowMessage(int number, const CatalogueMessage& message) = 0;
  // Lets pending window events through during long work; may throw RunStopped.
  virtual void PumpEvents() {}
  // A long operation starts or stops.
  virtual void WorkRunning(LongWork /*work*/, bool /*running*/) {}
  // An automatic placement runs.
  virtual void ShowBusy(bool /*busy*/) {}
  // A full-auto run of `stageCount` stages starts laying out its stages, or has ended.
  virtual void FullAutoRunStarted(int /*stageCount*/) {}
  virtual void FullAutoRunEnded() {}
  // The full-auto run lays out stage `stage`; the stages before it are written.
  virtual void StageStarted(int /*stage*/) {}
};

}  // namespace crossword

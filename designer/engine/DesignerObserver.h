#pragma once

#include <exception>
#include <string>
#include <vector>

#include "common/GridModel.h"
#include "common/Message.h"
#include "common/StageViewModel.h"
#include "designer/engine/GridChecks.h"

// What the designer shows while it works. The window draws it with widgets; wright and
// the tests implement it with a terminal and with recorders. Only ShowMessage must be
// answered; a view that has no use for the rest shows nothing.
namespace crossword {

// The labels whose captions follow the designer's state.
enum class DesignerLabel {
  lblMakeDicName1,           // dictionary file name (page 1)
  lblMakeDicName2,           // dictionary folder (page 1)
  lblInfoDicName,            // dictionary file name (page 4)
  lblMakeFileName1,          // grid settings file name (page 1)
  lblMakeFileName2,          // its folder (page 1)
  lblInfoMakeFileName,       // grid settings file name (page 4)
  lblReadFileName1,          // grid settings file that page 2 reads
  lblReadFileName2,          // its folder
  lblCrossStageNmb,          // the stage of that file shown
  lblCrossStageNmbMax,       // its number of stages
  lblMasSize1,               // grid width
  lblMasSize2,               // grid height
  lblNowBarNmb,              // number of walls, or that the grid came from a file
  lblWordNmbMax,             // number of word slots, "-" when not counted
  lblInfoNowMakingStage,     // stages a full-auto run makes
  lblNowMakingStageNmbAuto,  // the stage it is making
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

  virtual void SetCaption(DesignerLabel /*label*/, const std::string& /*caption*/) {}
  // A fresh board of open cells for a grid of a new size.
  virtual void LoadBoard(int /*MasMaxX*/, int /*MasMaxY*/, const StageViewModel& /*view*/) {}
  // The board shows these walls and open cells.
  virtual void ShowBoard(const CrossMasMarks& /*CrossMas*/) {}
  // Open cells cut off from the rest, marked while the warning about them is shown; an
  // empty list takes the marks away.
  virtual void MarkCutOffCells(const std::vector<MasPosition>& /*cells*/) {}
  // Shows a message box and returns the button pressed.
  virtual MessageAnswer ShowMessage(int number, const CatalogueMessage& message) = 0;
  // Lets pending window events through during long work; may throw RunStopped.
  virtual void PumpEvents() {}
  // The blinking progress mark and elapsed time of page 3 or 4 start or stop.
  virtual void ShowProgress(int /*InfoPageNmb*/, bool /*running*/) {}
  // The busy mouse pointer during an automatic placement.
  virtual void ShowBusy(bool /*busy*/) {}
  // The stage counters of a full-auto run appear or disappear.
  virtual void ShowStageLabels(bool /*shown*/) {}
};

}  // namespace crossword

#pragma once

#include <QWidget>

#include "designer/ui/EditControls.h"

// Gridwright's window: six wizard pages in one place beside the grid view.
namespace crossword::ui {

class frmEdit : public QWidget {
  Q_OBJECT

 public:
  explicit frmEdit(QWidget* parent = nullptr);

  const EditControls& Controls() const { return c_; }
  // The page shown, 1..6.
  int ShownPage() const;

 private:
  void ConnectPages();
  void ConnectOptions();
  void ShowPage(int page);

  void cmdNext_Click(int index);
  void cmdBack_Click(int index);
  void cmdNextModeAuto_Click();
  void optMakeMode_Click(int index);
  void optMakeMasMode_Click(int index);
  void optMasSizePattern_Click(int index);
  void optMasSizePatternAuto_Click(int index);
  void optMakeStageNmbAuto_Click(int index);
  void vsbCrossStageNmbAuto_Change(int value);

  EditControls c_;
};

}  // namespace crossword::ui

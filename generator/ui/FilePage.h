#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>

// Page 1: the grid settings file, its dictionary and the puzzle file to write, and the
// random-seed choice.
namespace crossword::ui {

class FilePage : public QFrame {
 public:
  explicit FilePage(QWidget* parent);

  QPushButton* cmdMakeFile;
  QPushButton* cmdPlayFile;
  std::array<QLabel*, 4> lblMakeFile{};  // 1 file, 2 folder, 3 dictionary; 0 unused
  std::array<QLabel*, 3> lblPlayFile{};  // 1 file, 2 folder; 0 unused
  QLabel* lblStagePatternNmbMax;
  QCheckBox* chkNotRandomize;
  QPushButton* cmdNext;  // cmdNext(1)

 private:
  QFrame* MakeGridFileFrame();
  QFrame* MakePuzzleFileFrame();
};

}  // namespace crossword::ui

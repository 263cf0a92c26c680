#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <array>

#include "common/ui/CellBoard.h"
#include "common/ui/ClickLabel.h"

// Every control of the designer's form under its own name. Repeated controls are arrays
// indexed from 1 like the form's control arrays; element 0 stays empty.
namespace crossword::ui {

template <typename Control, std::size_t Count>
using ControlArray = std::array<Control*, Count + 1>;

// A set of option buttons of which one is selected; the group reports the index clicked.
template <std::size_t Count>
struct OptionArray : ControlArray<QRadioButton, Count> {
  QButtonGroup* group = nullptr;
};

constexpr int PageCount = 6;

struct EditControls {
  ControlArray<QGroupBox, PageCount> fraPage{};
  ControlArray<QPushButton, PageCount> cmdNext{};
  ControlArray<QPushButton, PageCount> cmdBack{};  // pages 2 to 6

  // Page 1: mode, dictionary, grid settings file, random sequence
  OptionArray<2> optMakeMode{};
  QPushButton* cmdNextModeAuto = nullptr;
  ControlArray<QLabel, 2> lblMakeDicName{};  // name, folder
  QPushButton* cmdDicFileName = nullptr;
  ControlArray<QLabel, 2> lblMakeFileName{};  // name, folder
  QPushButton* cmdMakeFileName = nullptr;
  QCheckBox* chkNotRandomize = nullptr;

  // Page 2: a new grid or a stage read from a file
  OptionArray<2> optMakeMasMode{};
  OptionArray<5> optMasSizePattern{};
  ControlArray<QLineEdit, 2> txtMasSizeCustom{};  // width, height
  QPushButton* cmdSetMasSize = nullptr;
  QPushButton* cmdReadFileName = nullptr;
  ControlArray<QLabel, 2> lblReadFileName{};  // name, folder
  QScrollBar* vsbCrossStageNmb = nullptr;
  QLabel* lblCrossStageNmb = nullptr;
  QLabel* lblCrossStageNmbMax = nullptr;
  ControlArray<QLabel, 2> lblMasSize{};  // width, height

  // Page 3: walls
  QLabel* lblNowBarNmb = nullptr;
  QLabel* lblWordNmbMax = nullptr;
  QPushButton* cmdClearMasBar = nullptr;
  OptionArray<3> optMasBarPattern{};
  QCheckBox* chkNoTwoLetterAnswer = nullptr;  // no slot of two cells, as in English
  QPushButton* cmdSetMasBar = nullptr;

  // Progress of pages 3 and 4 (elements 3 and 4)
  ControlArray<QLabel, 4> lblInfoMaking{};
  ControlArray<QLabel, 4> lblInfoTime{};

  // Page 4: the run
  QLabel* lblInfoDicName = nullptr;
  QLabel* lblInfoMakeFileName = nullptr;
  QLabel* lblInfoNowMakingStage = nullptr;
  QLabel* lblInfoNowMakingStage2 = nullptr;
  QLabel* lblNowMakingStageNmbAuto = nullptr;
  QLabel* lblStageTimeLeft = nullptr;  // a full-auto run's estimate of the time left
  QLabel* lblMadeStageNmb = nullptr;   // the stages a full-auto run made, once it ends

  // Pages 5 and 6: the full-auto settings
  OptionArray<5> optMasSizePatternAuto{};
  ControlArray<QLineEdit, 2> txtMasSizeCustomAuto{};
  QCheckBox* chkResetMasSize = nullptr;
  OptionArray<3> optMasBarPatternAuto{};
  QCheckBox* chkResetMasBarPattern = nullptr;
  QCheckBox* chkNoTwoLetterAnswerAuto = nullptr;
  ControlArray<QPushButton, 2> cmdInitAuto{};
  OptionArray<4> optMakeStageNmbAuto{};
  QScrollBar* vsbCrossStageNmbAuto = nullptr;
  QLabel* lblCrossStageNmbAuto = nullptr;

  // Outside the pages
  CellBoard* picCrossBase = nullptr;  // the grid view with its cells
  ControlArray<ClickLabel, 4> lblCrossStageMoveH{};
  ControlArray<ClickLabel, 4> lblCrossStageMoveV{};
  ClickLabel* lblEnd = nullptr;
  ClickLabel* lblHelp = nullptr;
  QTimer* tmrInfoMaking = nullptr;
};

// Creates every control on `form` with its caption, default and place.
EditControls BuildEditControls(QWidget* form);

}  // namespace crossword::ui

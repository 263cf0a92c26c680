#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "generator/ui/StageView.h"

// Page 3: the run button, the number of stages, the progress, the run limits and the
// stage view.
namespace crossword::ui {

inline const QString ThoroughSearchCaption = "失敗しにくい探索（難易度に合う言葉を選ぶ）";

class RunPage : public QFrame {
 public:
  explicit RunPage(QWidget* parent);

  QPushButton* cmdBack;  // cmdBack(3)
  QPushButton* cmdNext;  // cmdNext(3), the run button
  QLabel* lblInfoMakeFileName;
  QLabel* lblMakingNmbMax;
  QScrollBar* vsbCrossStageNmb;
  QLabel* lblNowMakingNmb;
  QLabel* lblInfoMaking;
  QLabel* lblInfoTime;
  QScrollBar* hsbShowSpeed;
  QPushButton* cmdInfoData;
  QCheckBox* chkThoroughSearch;  // checked: the run uses the thorough search
  QLabel* lblNote;               // what the last run could not do, when it says so

  // The limits panel, hidden until cmdInfoData shows it.
  QFrame* fraInfoData;
  QScrollBar* vsbRestartMax;
  QLabel* lblRestartMax;
  QScrollBar* vsbRetryMax;
  QLabel* lblRetryMax;
  QScrollBar* vsbHistoryMax;
  QLabel* lblHistoryMax;
  QLabel* lblRestart;
  QLabel* lblRetry;
  QLabel* lblHistory;

  StageView* picQues;

 private:
  QLayout* MakeFileAndCount();
  QLayout* MakeProgress();
  QLayout* MakeSpeed();
  void MakeInfoData();
};

}  // namespace crossword::ui

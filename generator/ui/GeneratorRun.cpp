// The run page: its limits, the run button and the progress timer.
#include <QSignalBlocker>

#include "generator/ui/GeneratorWindow.h"

namespace crossword::ui {

void GeneratorWindow::ConnectRunSettings() {
  connect(page3_->vsbRestartMax, &QScrollBar::valueChanged, this, [this](int value) {
    engine_.RestartMax = value;
    ShowRunSettings();
  });
  connect(page3_->vsbRetryMax, &QScrollBar::valueChanged, this, [this](int value) {
    engine_.RetryMax = value;
    ShowRunSettings();
  });
  connect(page3_->vsbHistoryMax, &QScrollBar::valueChanged, this, [this](int value) {
    engine_.Exact().SetHistoryMax(value);
    ShowRunSettings();
  });
  connect(page3_->vsbCrossStageNmb, &QScrollBar::valueChanged, this, [this](int value) {
    engine_.MakingNmbMax = value;
    ShowRunSettings();
  });
  connect(page3_->chkThoroughSearch, &QCheckBox::toggled, this, [this](bool checked) {
    engine_.Search = checked ? FillSearch::Thorough : FillSearch::Exact;
  });
  // Follows the thumb while it is dragged, so a run slows down at once.
  connect(page3_->hsbShowSpeed, &QScrollBar::valueChanged, this,
          [this](int value) { engine_.ShowSpeed = value / 100.0; });
  engine_.ShowSpeed = page3_->hsbShowSpeed->value() / 100.0;
  connect(tmrInfoMaking, &QTimer::timeout, this,
          [this] { tmrInfoMaking_Timer(engine_.StartTime.WholeSeconds()); });
}

// The stage count's bar starts at 1 under a label reading 10: the label, not the bar,
// holds the number until the bar is moved.
void GeneratorWindow::ShowRunSettings() {
  const QSignalBlocker restart(page3_->vsbRestartMax);
  const QSignalBlocker retry(page3_->vsbRetryMax);
  const QSignalBlocker history(page3_->vsbHistoryMax);
  page3_->vsbRestartMax->setValue(engine_.RestartMax);
  page3_->vsbRetryMax->setValue(engine_.RetryMax);
  page3_->vsbHistoryMax->setValue(engine_.Exact().HistoryMax());
  page3_->lblRestartMax->setText(QString::number(engine_.RestartMax));
  page3_->lblRetryMax->setText(QString::number(engine_.RetryMax));
  page3_->lblHistoryMax->setText(QString::number(engine_.Exact().HistoryMax()));
  page3_->lblMakingNmbMax->setText(QString::number(engine_.MakingNmbMax));
}

void GeneratorWindow::tmrInfoMaking_Timer(long elapsedSeconds) {
  shell_.tmrInfoMaking_Timer(elapsedSeconds);
}

// Both ways of ending take the working file with them.
void GeneratorWindow::cmdNext3_Click() {
  switch (shell_.cmdNext3_Click()) {
    case RunPress::Stop:
      return StopRun();
    case RunPress::End:
      return DeleteWorkFileAndEnd();
    case RunPress::Start:
      break;
  }
  // The seed is chosen once per program start, at the first run.
  if (page1_->chkNotRandomize->isEnabled()) {
    if (!page1_->chkNotRandomize->isChecked()) engine_.Rnd.ReseedFromClock();
    page1_->chkNotRandomize->setEnabled(false);
  }
  LockRunSettings();
  page3_->lblNote->clear();
  page3_->lblNote->hide();
  engine_.TakeSelection(selection_);
  page3_->picQues->show();
  RunGeneration();
}

void GeneratorWindow::LockRunSettings() {
  page3_->vsbCrossStageNmb->setEnabled(false);
  selectionLocked_ = true;
  ShowSelection();
}

void GeneratorWindow::RunGeneration() {
  tmrInfoMaking->start();
  RunOutcome outcome = RunOutcome::GivenUp;
  try {
    outcome = engine_.RunGeneration();
  } catch (const std::exception& problem) {
    ShowProblem(problem);
    // A stop ends the program even when its working file could not be deleted.
    if (stopRequested_) outcome = RunOutcome::Stopped;
  }
  tmrInfoMaking->stop();
  if (outcome == RunOutcome::Stopped) EndProgram();
  if (outcome == RunOutcome::Completed) engine_.ShowMessage(GeneratorMsg::PuzzleFileMade);
  shell_.RunEnded(outcome);
  if (outcome == RunOutcome::GivenUp) ShowRunGivenUp();
}

// Message 10 advises another rank or the thorough search, so both can be chosen again.
void GeneratorWindow::ShowRunGivenUp() {
  page3_->vsbCrossStageNmb->setEnabled(true);
  selectionLocked_ = false;
  ShowSelection();
  if (engine_.Search == FillSearch::Exact) {
    AddNote("「" + ThoroughSearchCaption + "」にチェックを入れると作れることがあります。");
  }
}

void GeneratorWindow::GridUnfilled(int pattern, const UnfilledGrid& why) {
  const QString grid = QString("マス設定 %1 番").arg(pattern);
  const QString slot = QString("%1問目（%2、%3列%4行目から%5文字）")
                           .arg(why.slot)
                           .arg(why.FlagHorV == FlagAcross ? "ヨコ" : "タテ")
                           .arg(why.x)
                           .arg(why.y)
                           .arg(why.AnswerLen);
  switch (why.cause) {
    case UnfilledGrid::Cause::NoCandidate:
      return AddNote(grid + "は埋められません：" + slot + "に合う言葉が辞書にありません。");
    case UnfilledGrid::Cause::NoCombination:
      return AddNote(grid + "は埋められません：" + slot +
                     "のどの言葉も、交わる言葉とそろいません。");
    case UnfilledGrid::Cause::TimeUp:
      return AddNote(grid +
                     QString("は %1 秒探しても埋まらないので、あきらめました。").arg(why.seconds));
    case UnfilledGrid::Cause::NoKeyword:
      return AddNote(
          grid +
          QString("を %1 通り埋めても、キーワードを置けるマスがありません。").arg(why.attempts));
    case UnfilledGrid::Cause::None:
      break;
  }
}

void GeneratorWindow::AddNote(const QString& note) {
  const QString before = page3_->lblNote->text();
  page3_->lblNote->setText(before.isEmpty() ? note : before + "\n" + note);
  page3_->lblNote->show();
}

// No exception may pass through the event loop: a working file that cannot be deleted
// is reported, and the program ends all the same.
void GeneratorWindow::DeleteWorkFileAndEnd() {
  try {
    engine_.Output().DeleteWorkFile();
  } catch (const std::exception& problem) {
    ShowProblem(problem);
  }
  EndProgram();
}

void GeneratorWindow::StopRun() {
  stopRequested_ = true;
  engine_.RequestStop();
  if (waitLoop_) waitLoop_->quit();
}

}  // namespace crossword::ui

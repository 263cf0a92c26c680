#pragma once

#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "common/ui/ClickLabel.h"
#include "common/ui/Dialogs.h"
#include "dictionary/QuestionSelection.h"
#include "generator/engine/Generator.h"
#include "generator/engine/GeneratorObserver.h"
#include "generator/ui/FilePage.h"
#include "generator/ui/GeneratorShell.h"
#include "generator/ui/RankPage.h"
#include "generator/ui/RunPage.h"
#include "generator/ui/SelectionPage.h"

// Cluewright's window (frmGridset): five pages in one place, led through like a wizard.
// It shows the generator's state and forwards the user's clicks to it; the run itself
// happens inside the run button's click and lets window events through at the engine's
// points, so that the stop button and the view controls stay live.
namespace crossword::ui {

class GeneratorWindow : public QWidget, public GeneratorShellView {
  Q_OBJECT

 public:
  // Message boxes and file dialogs are Qt's own unless a test answers them.
  GeneratorWindow(const std::string& programFolder, MessagePresenter* presenter = nullptr,
                  FileDialogs* dialogs = nullptr);

  static constexpr int kPages = 5;

  // Finds and loads the grid settings file once the window is shown. False when the
  // program has ended meanwhile (the user gave up, or the dictionary is missing).
  bool StartUp();
  bool HasEnded() const { return ended_; }
  // The page shown, 1..5.
  int VisiblePage() const;
  // One tick of the progress timer, `elapsedSeconds` after the run began.
  void tmrInfoMaking_Timer(long elapsedSeconds);

  const Generator& Engine() const { return engine_; }
  const QuestionSelection& Selection() const { return selection_; }
  FilePage* Page1() const { return page1_; }
  RankPage* Page2() const { return page2_; }
  RunPage* Page3() const { return page3_; }
  SelectionPage* Page4() const { return page4_; }
  SelectionPage* Page5() const { return page5_; }

  QLabel* lblQues;
  ClickLabel* lblHelp;
  ClickLabel* lblEnd;
  QTimer* tmrInfoMaking;

  // What a run shows.
  void ShowLabel(RunLabel label, const std::string& text) override;
  void ShowRunButton(const std::string& caption, bool backEnabled) override;
  void BuildGridView(const GeneratorMas& CrossMas) override;
  void ShowGrid(const GeneratorMas& CrossMas) override;
  void ShowCandidate(const GeneratorSlot& slot, std::u32string_view Yst) override;
  void PumpEvents(double seconds) override;
  MessageAnswer ShowMessage(int number, const CatalogueMessage& message) override;
  void GridUnfilled(int pattern, const UnfilledGrid& why) override;
  void EndProgram() override;

 signals:
  // Every file is closed; the application should quit.
  void ProgramEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Pages and their navigation.
  void PlacePages();
  void MakeTitleAndCorner();
  void ConnectPages();
  void ShowPage(int p);
  void cmdNext1_Click();
  void cmdBack3_Click();
  void cmdInfoData_Click();

  // Files.
  void LoadGridFile(const std::function<int()>& load);
  void cmdMakeFile_Click();
  void cmdPlayFile_Click();
  void ShowFileNames();
  MessageAnswer ShowBox(const CatalogueMessage& message);
  void ShowProblem(const std::exception& problem);
  void ShowIndexProblems(const std::string& IdxFile, const std::string& consequence);

  // Question selection.
  void LoadSelection();
  void ConnectSelection();
  void ShowSelection();

  // Run limits and the run.
  void ConnectRunSettings();
  void ShowRunSettings();
  void cmdNext3_Click();
  void LockRunSettings();
  void RunGeneration();
  void ShowRunGivenUp();
  void AddNote(const QString& note);
  void StopRun();
  void DeleteWorkFileAndEnd();

  std::string programFolder_;
  std::unique_ptr<MessagePresenter> ownPresenter_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  MessagePresenter* presenter_;
  FileDialogs* dialogs_;
  GeneratorShell shell_{*this};
  Generator engine_;
  QuestionSelection selection_;

  FilePage* page1_;
  RankPage* page2_;
  RunPage* page3_;
  SelectionPage* page4_;
  SelectionPage* page5_;
  std::array<QFrame*, kPages + 1> fraPage_{};  // 1..5; 0 unused

  bool gridLoaded_ = false;         // a grid settings file and its dictionary are open
  bool stopRequested_ = false;      // the user stopped the run; it ends at its next event point
  bool selectionLocked_ = false;    // a finished run fixes rank and boxes for good
  bool ended_ = false;              // the program has ended
  QEventLoop* waitLoop_ = nullptr;  // the pause after a candidate, while one runs
};

}  // namespace crossword::ui

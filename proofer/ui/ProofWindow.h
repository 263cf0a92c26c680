#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ui/ClickLabel.h"
#include "common/ui/Dialogs.h"
#include "proofer/engine/ProofSession.h"
#include "proofer/ui/ProofGrid.h"

// Proofwright's window: a puzzle set read stage by stage, its clues rewritten in place, its
// answers replaced, every change undone at will, saved and printed. It shows the session's
// state and forwards the author's keys and clicks to it.
namespace crossword::ui {

class ProofWindow : public QWidget {
  Q_OBJECT

 public:
  // Message boxes and file dialogs are Qt's own unless a test answers them.
  explicit ProofWindow(const std::string& programFolder, MessagePresenter* presenter = nullptr,
                       FileDialogs* dialogs = nullptr);
  ~ProofWindow() override;

  // Opens the set given on the command line, else the one the program folder wrote last,
  // else one chosen in a file dialog. An empty window stays when none can be opened.
  void StartUp(const std::filesystem::path& givenSet);
  // Opens a set and the dictionary it was made from; false when it cannot be read or the
  // author keeps the unsaved changes of the one open.
  bool OpenSet(const std::filesystem::path& set);
  const ProofSession* Session() const { return session_.get(); }
  int StageShown() const { return stage_; }
  void ShowStage(int stage);
  // Marks a question of the stage shown in the grid and the clue lists and lists its
  // replacements.
  void ChooseQuestion(int number);
  int QuestionChosen() const { return question_; }

  // The author's commands, as the buttons and keys give them; false when nothing changed.
  bool ApplyClue();
  bool ApplyReplacement();
  void UndoChange();
  void RedoChange();
  bool SaveSet();
  bool SaveSetAs();
  // The stage's prize keyword: typed and marked in the best cells, or the mark of the
  // letter under the grid's cursor moved there.
  bool MarkKeyword();
  bool MoveMark();

  QLabel* lblTitle;
  QComboBox* cboStage;
  QPushButton* cmdPrevStage;
  QPushButton* cmdNextStage;
  ProofGrid* picGrid;
  QCheckBox* chkAnswers;
  QLineEdit* txtKeyword;
  QPushButton* cmdKeyword;
  QPushButton* cmdMoveMark;
  QLabel* lblKeywordNote;
  QListWidget* lstAcross;
  QListWidget* lstDown;
  QLabel* lblQuestion;
  QComboBox* cboClue;  // editable; its list holds the dictionary's other clues
  QLineEdit* txtWritten;
  QLabel* lblClueNote;
  QPushButton* cmdSetClue;
  QListWidget* lstReplace;
  QLabel* lblReplaceNote;
  QPushButton* cmdReplace;
  QPushButton* cmdOpen;
  QPushButton* cmdDictionary;
  QPushButton* cmdUndo;
  QPushButton* cmdRedo;
  QPushButton* cmdSave;
  QPushButton* cmdSaveAs;
  QCheckBox* chkLearn;
  QPushButton* cmdPrint;
  QPushButton* cmdHtml;
  QPushButton* cmdIpuz;
  ClickLabel* lblHelp;
  ClickLabel* lblEnd;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* MakeCommandRow();
  QWidget* MakeStagePane();
  QWidget* MakeCluePane();
  QWidget* MakeEditPane();
  void MakeCornerLabels();
  void ConnectControls();
  void MakeShortcuts();
  void SetTabOrder();

  void FindDictionary();
  void cmdDictionary_Click();
  void cmdOpen_Click();
  // Shows every part that depends on the set: title, stage, lists, edit fields, buttons.
  void ShowSession();
  void ShowClueLists();
  void ShowEditFields();
  void ShowReplacements();
  void ShowCommands();
  void ShowKeyword(const QString& note = "");
  void CheckTypedClue();
  void GoTo(QuestionPlace place);
  // Asks whether to save unsaved changes; false when the author cancels.
  bool MayDropChanges();
  bool SaveTo(const std::filesystem::path& target);
  void PrintSet();
  void ExportHtml();
  void ExportIpuzFiles();
  // Asks where a file of this extension goes and writes it there.
  void ExportTo(const std::string& extension, const QString& filter,
                const std::function<void(const std::filesystem::path&)>& write);
  void ShowProblem(const std::exception& problem, const std::string& note = "");
  QuestionPlace Place() const { return {stage_, question_}; }

  std::string programFolder_;
  std::unique_ptr<MessagePresenter> ownPresenter_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  MessagePresenter* presenter_;
  FileDialogs* dialogs_;
  std::unique_ptr<ProofSession> session_;
  std::vector<SwapCandidate> replacements_;  // what lstReplace lists, in its order
  int stage_ = 0;                            // the stage shown, from 1; 0 without a set
  int question_ = 0;                         // the question chosen there, 0 for none
  bool showing_ = false;                     // controls are being filled, not used
};

}  // namespace crossword::ui

// The window's file choices and the question selection that comes with a grid file.
#include "common/FileNames.h"
#include "common/GridSettingsFile.h"
#include "common/ui/ProblemMessage.h"
#include "generator/ui/GeneratorWindow.h"

namespace crossword::ui {

namespace {

constexpr char kGridFilter[] = "Gridset ﾌｧｲﾙ (*.gst)|*.gst|";
constexpr char kPuzzleFilter[] = "Puzset ﾌｧｲﾙ (*.pzs)|*.pzs|";

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

bool GeneratorWindow::StartUp() {
  if (FileExists(engine_.MakeDir + engine_.MakeFile)) {
    LoadGridFile([this] { return engine_.LoadGridSettings(false); });
  }
  while (!gridLoaded_ && !ended_) {
    if (engine_.ShowMessage(GeneratorMsg::GridFileMissing) == AnswerCancel) {
      EndProgram();
    } else {
      cmdMakeFile_Click();
    }
  }
  return !ended_;
}

void GeneratorWindow::cmdMakeFile_Click() {
  const auto chosen = dialogs_->Open(Text(AsFolder(programFolder_) + "*.gst"), kGridFilter);
  if (!chosen || !FileExists(chosen->fullPath.toStdString())) return;
  const std::string path = chosen->fullPath.toStdString();
  LoadGridFile([this, &path] { return engine_.ChooseGridFile(path); });
}

void GeneratorWindow::cmdPlayFile_Click() {
  const auto chosen = dialogs_->Save(Text(engine_.PlayDir + engine_.PlayFile), kPuzzleFilter);
  if (!chosen) return;
  engine_.ChoosePuzzleFile(chosen->fullPath.toStdString());
  ShowFileNames();
}

// A grid file that cannot be used is reported and changes nothing: the engine keeps the
// grid file and dictionary it had, if any.
void GeneratorWindow::LoadGridFile(const std::function<int()>& load) {
  try {
    gridLoaded_ = load() == 1;
    if (gridLoaded_) LoadSelection();
  } catch (const std::exception& problem) {
    ShowProblem(problem);
  }
  ShowFileNames();
  page1_->cmdNext->setEnabled(gridLoaded_);
}

// The engines' English texts are for wright: the box says in Japanese what went wrong.
void GeneratorWindow::ShowProblem(const std::exception& problem) {
  ShowBox(ProblemMessage(problem));
}

// An index file the user can mend: the box names it and says what follows.
void GeneratorWindow::ShowIndexProblems(const std::string& IdxFile,
                                        const std::string& consequence) {
  ShowBox({"チェック：ファイルの内容",
           {consequence, "", "ファイル：" + IdxFile,
            "詳しくは「wright dict check 辞書ファイル」で確かめられます。"}});
}

void GeneratorWindow::ShowFileNames() {
  page1_->lblMakeFile[1]->setText(Text(engine_.MakeFile));
  page1_->lblMakeFile[2]->setText(Text(engine_.MakeDir));
  page1_->lblMakeFile[3]->setText(Text(engine_.DicFileName));
  page1_->lblStagePatternNmbMax->setText(QString::number(engine_.Loaded().StagePatternNmbMax));
  page1_->lblPlayFile[1]->setText(Text(engine_.PlayFile));
  page1_->lblPlayFile[2]->setText(Text(engine_.PlayDir));
  page3_->lblInfoMakeFileName->setText(Text(engine_.PlayFile));
}

// Without an index file the earlier selection stays as it was; the user is told, since
// no word can be asked before some index file has been read.
void GeneratorWindow::LoadSelection() {
  if (selection_.MakeIdxFileName(engine_.DicPath, engine_.DicFileName) == 0) {
    ShowIndexProblems(
        engine_.DicPath + selection_.IdxFileName(),
        "辞書と同じフォルダに索引ファイルがありません。分類とリストの選択は前のままです。");
    return;
  }
  selection_.LoadIndex(engine_.DicPath,
                       GridSettingsFile(engine_.MakeDir + engine_.MakeFile).ReadMasSizePattern());
  page4_->BuildTable(selection_.CategoryTable());
  page5_->BuildTable(selection_.ListTable());
  ShowSelection();
  if (!selection_.Problems().empty()) {
    ShowIndexProblems(
        engine_.DicPath + selection_.IdxFileName(),
        "索引ファイルの分類かリストが規則通りでないため、出題されない単語があります。");
  }
}

void GeneratorWindow::ConnectSelection() {
  for (int i = 1; i <= RankPage::kRankOptions; ++i) {
    connect(page2_->optDifficultRank[i], &QRadioButton::clicked, this, [this, i] {
      selection_.SelectDifficultRank(i);
      ShowSelection();
    });
  }
  for (int i = 1; i <= 3; ++i) {
    connect(page4_->cmdClass[i], &QPushButton::clicked, this, [this, i] {
      selection_.ApplyCategoryColumn(i);
      ShowSelection();
    });
    connect(page5_->cmdClass[i], &QPushButton::clicked, this, [this, i] {
      selection_.ApplyListColumn(i);
      ShowSelection();
    });
  }
  page4_->OnItemClicked = [this](int i, bool checked) {
    selection_.SetCategoryAsked(i, checked);
    ShowSelection();
  };
  page5_->OnItemClicked = [this](int i, bool checked) {
    selection_.SetListAsked(i, checked);
    ShowSelection();
  };
  page5_->OnInItemClicked = [this](int i, bool checked) {
    selection_.SetListOncePerGrid(i, checked);
    ShowSelection();
  };
}

// After the first run the rank and the detail buttons stay as that run left them.
void GeneratorWindow::ShowSelection() {
  page2_->optDifficultRank[selection_.ChosenRank()]->setChecked(true);
  for (int i = 1; i <= RankPage::kRankOptions; ++i) {
    page2_->optDifficultRank[i]->setEnabled(!selectionLocked_);
  }
  const bool details = !selectionLocked_ && selection_.ItemsSetByHand();
  page2_->cmdCategory->setEnabled(details);
  page2_->cmdBlockList->setEnabled(details);
  for (int i = 1; i <= selection_.CategoryCount(); ++i) {
    page4_->ShowItem(i, selection_.CategoryChoice(i));
  }
  for (int i = 1; i <= selection_.ListCount(); ++i) {
    page5_->ShowItem(i, selection_.ListChoice(i), &selection_.OncePerGridChoice(i));
  }
}

}  // namespace crossword::ui

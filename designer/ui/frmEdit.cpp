#include "designer/ui/frmEdit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSignalBlocker>
#include <utility>

#include "common/ui/Keyboard.h"
#include "designer/ui/EditGeometry.h"

namespace crossword::ui {

namespace {

constexpr int MakeStageNmbCustom = 4;

void EnableBoth(const ControlArray<QLineEdit, 2>& boxes, bool enabled) {
  boxes[1]->setEnabled(enabled);
  boxes[2]->setEnabled(enabled);
}

template <std::size_t Count>
void Select(const OptionArray<Count>& options, int index) {
  if (index >= 1 && index <= int(Count)) options[index]->setChecked(true);
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The page each long operation shows its progress on.
int PageOf(LongWork work) {
  return work == LongWork::WallPlacement ? 3 : 4;
}

// The size boxes hold what the author typed; only the reset of their page writes them,
// with the sizes it set.
void ShowTypedSize(QLineEdit* box, std::optional<int> size) {
  const QSignalBlocker blocker(box);
  box->setText(size ? QString::number(*size) : QString());
}

int ShortestAnswerOf(bool noTwoLetterAnswer) {
  return noTwoLetterAnswer ? ShortestAnswerEnglish : AnswerLenMin;
}

}  // namespace

frmEdit::frmEdit(const ProgramFolders& folders, MessagePresenter* presenter, FileDialogs* dialogs)
    : ownPresenter_(presenter ? nullptr : std::make_unique<QtMessagePresenter>(this)),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtFileDialogs>(this)),
      presenter_(presenter ? *presenter : *ownPresenter_),
      dialogs_(dialogs ? *dialogs : *ownDialogs_),
      c_(BuildEditControls(this)),
      shell_(*this, dialogs_, folders) {
  setObjectName("frmEdit");
  setWindowTitle("Gridwright");
  setFixedSize(FormWidth, FormHeight);
  ConnectPages();
  ConnectFiles();
  ConnectGrid();
  ConnectAutoSettings();
  ConnectOptions();
  LetEnterPressButtons(*this);
}

bool frmEdit::Form_Load() {
  return shell_.FormLoad();
}

void frmEdit::ConnectPages() {
  for (int page = 1; page <= PageCount; ++page) {
    connect(c_.cmdNext[page], &QPushButton::clicked, this,
            [this, page] { shell_.cmdNext_Click(page); });
    if (!c_.cmdBack[page]) continue;
    connect(c_.cmdBack[page], &QPushButton::clicked, this,
            [this, page] { shell_.cmdBack_Click(page); });
  }
  connect(c_.cmdNextModeAuto, &QPushButton::clicked, this,
          [this] { shell_.cmdNextModeAuto_Click(); });
  connect(c_.lblEnd, &ClickLabel::clicked, this, &frmEdit::EndProgram);
  connect(c_.lblHelp, &ClickLabel::clicked, this, [this] { shell_.lblHelp_Click(); });
  connect(c_.tmrInfoMaking, &QTimer::timeout, this, &frmEdit::tmrInfoMaking_Timer);
}

void frmEdit::ConnectFiles() {
  connect(c_.cmdDicFileName, &QPushButton::clicked, this,
          [this] { shell_.cmdDicFileName_Click(); });
  connect(c_.cmdMakeFileName, &QPushButton::clicked, this,
          [this] { shell_.cmdMakeFileName_Click(); });
  connect(c_.cmdReadFileName, &QPushButton::clicked, this,
          [this] { shell_.cmdReadFileName_Click(); });
  connect(c_.vsbCrossStageNmb, &QScrollBar::valueChanged, this,
          [this](int value) { shell_.vsbCrossStageNmb_Change(value); });
  connect(c_.chkNotRandomize, &QCheckBox::toggled, this,
          [this](bool checked) { shell_.NotRandomize = checked; });
}

void frmEdit::ConnectGrid() {
  GridDesigner& designer = shell_.Designer();
  connect(c_.txtMasSizeCustom[1], &QLineEdit::textChanged, this, [&designer](const QString& text) {
    designer.MasSizeCustom.MasMaxX = ParseMasSize(text.toStdString());
  });
  connect(c_.txtMasSizeCustom[2], &QLineEdit::textChanged, this, [&designer](const QString& text) {
    designer.MasSizeCustom.MasMaxY = ParseMasSize(text.toStdString());
  });
  connect(c_.cmdSetMasSize, &QPushButton::clicked, this, [this] { shell_.cmdSetMasSize_Click(); });
  connect(c_.cmdClearMasBar, &QPushButton::clicked, this, [&designer] { designer.ClearMasBar(); });
  connect(c_.optMasBarPattern.group, &QButtonGroup::idClicked, this,
          [&designer](int index) { designer.MasBarPattern = index; });
  connect(c_.chkNoTwoLetterAnswer, &QCheckBox::toggled, this,
          [&designer](bool checked) { designer.ShortestAnswer = ShortestAnswerOf(checked); });
  connect(c_.cmdSetMasBar, &QPushButton::clicked, this, [this] { shell_.cmdSetMasBar_Click(); });
  connect(c_.picCrossBase, &CellBoard::CellClicked, this,
          [this](int x, int y) { shell_.lblCell_Click(x, y); });
  connect(c_.picCrossBase, &CellBoard::CursorMoved, this,
          [this](int x, int y) { shell_.CellCursorMoved(x, y); });
  for (int kind = 1; kind <= 4; ++kind) {
    connect(c_.lblCrossStageMoveH[kind], &ClickLabel::clicked, this,
            [this, kind] { shell_.lblCrossStageMoveH_Click(kind); });
    connect(c_.lblCrossStageMoveV[kind], &ClickLabel::clicked, this,
            [this, kind] { shell_.lblCrossStageMoveV_Click(kind); });
  }
}

// The detail pages' controls write straight into the settings the run reads; those that
// enable others show the settings again.
void frmEdit::ConnectAutoSettings() {
  AutoSettings& settings = shell_.Designer().FileRun().Auto;
  connect(c_.optMasSizePatternAuto.group, &QButtonGroup::idClicked, this, [this, &settings](int i) {
    settings.MasSizePatternAuto = i;
    ShowAutoSettings(settings);
  });
  connect(c_.txtMasSizeCustomAuto[1], &QLineEdit::textChanged, this,
          [&settings](const QString& text) {
            settings.MasSizeCustomAuto.MasMaxX = ParseMasSize(text.toStdString());
          });
  connect(c_.txtMasSizeCustomAuto[2], &QLineEdit::textChanged, this,
          [&settings](const QString& text) {
            settings.MasSizeCustomAuto.MasMaxY = ParseMasSize(text.toStdString());
          });
  connect(c_.cmdInitAuto[1], &QPushButton::clicked, this, [this, &settings] {
    shell_.cmdInitAuto_Click(1);
    ShowTypedSize(c_.txtMasSizeCustomAuto[1], settings.MasSizeCustomAuto.MasMaxX);
    ShowTypedSize(c_.txtMasSizeCustomAuto[2], settings.MasSizeCustomAuto.MasMaxY);
  });
  connect(c_.cmdInitAuto[2], &QPushButton::clicked, this, [this] { shell_.cmdInitAuto_Click(2); });
  connect(c_.chkResetMasSize, &QCheckBox::toggled, this,
          [&settings](bool checked) { settings.ResetMasSize = checked; });
  connect(c_.optMasBarPatternAuto.group, &QButtonGroup::idClicked, this,
          [&settings](int i) { settings.MasBarPatternAuto = i; });
  connect(c_.chkResetMasBarPattern, &QCheckBox::toggled, this,
          [&settings](bool checked) { settings.ResetMasBarPattern = checked; });
  connect(c_.chkNoTwoLetterAnswerAuto, &QCheckBox::toggled, this,
          [&settings](bool checked) { settings.ShortestAnswerAuto = ShortestAnswerOf(checked); });
  connect(c_.optMakeStageNmbAuto.group, &QButtonGroup::idClicked, this, [this, &settings](int i) {
    settings.MakeStageNmbAuto = i;
    ShowAutoSettings(settings);
  });
  connect(c_.vsbCrossStageNmbAuto, &QScrollBar::valueChanged, this,
          [this](int value) { shell_.vsbCrossStageNmbAuto_Change(value); });
}

void frmEdit::ConnectOptions() {
  connect(c_.optMakeMode.group, &QButtonGroup::idClicked, this, &frmEdit::optMakeMode_Click);
  connect(c_.optMakeMasMode.group, &QButtonGroup::idClicked, this, &frmEdit::optMakeMasMode_Click);
  connect(c_.optMasSizePattern.group, &QButtonGroup::idClicked, this,
          &frmEdit::optMasSizePattern_Click);
}

void frmEdit::optMakeMode_Click(int index) {
  shell_.Designer().FileRun().MakeMode = static_cast<MakeModeOption>(index);
  c_.cmdNextModeAuto->setEnabled(index == MakeModeFullAuto);
}

void frmEdit::optMakeMasMode_Click(int index) {
  const bool newGrid = index == 1;
  c_.cmdSetMasSize->setEnabled(newGrid);
  for (int i = 1; i < MasSizePatternCustom; ++i) c_.optMasSizePattern[i]->setEnabled(newGrid);
  EnableBoth(c_.txtMasSizeCustom, newGrid);
  c_.cmdReadFileName->setEnabled(!newGrid);
  c_.vsbCrossStageNmb->setEnabled(!newGrid);
}

void frmEdit::optMasSizePattern_Click(int index) {
  shell_.Designer().MasSizePattern = index;
  EnableBoth(c_.txtMasSizeCustom, index == MasSizePatternCustom);
}

void frmEdit::tmrInfoMaking_Timer() {
  QLabel* mark = c_.lblInfoMaking[InfoPageNmb];
  if (InfoBlink == 0) {
    mark->setText("■実行中");
  } else {
    mark->setText("□実行中");
    c_.lblInfoTime[InfoPageNmb]->setNum(int(InfoElapsed.WholeSeconds()));
  }
  InfoBlink = 1 - InfoBlink;
}

void frmEdit::DictionaryChosen(const std::string& name, const std::string& folder) {
  c_.lblMakeDicName[1]->setText(Q(name));
  c_.lblMakeDicName[2]->setText(Q(folder));
  c_.lblInfoDicName->setText(Q(name));
}

void frmEdit::GridFileNamed(const std::string& name, const std::string& folder) {
  c_.lblMakeFileName[1]->setText(Q(name));
  c_.lblMakeFileName[2]->setText(Q(folder));
  c_.lblInfoMakeFileName->setText(Q(name));
}

void frmEdit::ReadFileNamed(const std::string& name, const std::string& folder) {
  c_.lblReadFileName[1]->setText(Q(name));
  c_.lblReadFileName[2]->setText(Q(folder));
}

void frmEdit::StageShown(int stage, int stageCount) {
  c_.lblCrossStageNmbMax->setNum(stageCount);
  c_.lblCrossStageNmb->setNum(stage);
}

void frmEdit::GridSizeShown(int MasMaxX, int MasMaxY) {
  c_.lblMasSize[1]->setNum(MasMaxX);
  c_.lblMasSize[2]->setNum(MasMaxY);
}

void frmEdit::WallCountShown(int walls) {
  c_.lblNowBarNmb->setNum(walls);
}

void frmEdit::GridReadFromFile() {
  c_.lblNowBarNmb->setText("ファイルから読み込み済み");
}

void frmEdit::SlotCountShown(std::optional<int> count) {
  c_.lblWordNmbMax->setText(count ? QString::number(*count) : QString("-"));
}

void frmEdit::StageStarted(int stage) {
  c_.lblNowMakingStageNmbAuto->setNum(stage);
  stageProgress_.BeginStage(stage);
  if (stage > 1) ShowMadeStage(heldMarks_);  // the one before is written
  const QString timeLeft = Q(stageProgress_.TimeLeftText(InfoElapsed.Seconds()));
  c_.lblStageTimeLeft->setText(timeLeft);
  c_.lblStageTimeLeft->setVisible(!timeLeft.isEmpty());
}

// During a full-auto run the board shows stages made, not the attempts between them: the
// walls come in held back until the next stage begins or the run ends.
void frmEdit::GridMade(int MasMaxX, int MasMaxY, const StageViewModel& view) {
  if (holdingBoard_) return;
  c_.picCrossBase->SetGridSize(MasMaxX, MasMaxY);
  ShowViewOrigin(view);
  ShowMoveLabels(view);
}

// Only the directions the grid overflows the view in can be moved along.
void frmEdit::ShowMoveLabels(const StageViewModel& view) {
  const bool board = c_.picCrossBase->isVisibleTo(this);
  for (int kind = 1; kind <= 4; ++kind) {
    c_.lblCrossStageMoveH[kind]->setVisible(board && view.ScrollsAcross());
    c_.lblCrossStageMoveV[kind]->setVisible(board && view.ScrollsDown());
  }
}

void frmEdit::GridShown(const CrossMasMarks& CrossMas) {
  if (holdingBoard_) {
    heldMarks_ = CrossMas;
    return;
  }
  for (int y = 1; y <= CrossMas.MasMaxY(); ++y) {
    for (int x = 1; x <= CrossMas.MasMaxX(); ++x) {
      c_.picCrossBase->SetCell(x, y, {IsWall(CrossMas(x, y)), QString(), false});
    }
  }
}

void frmEdit::MarkCutOffCells(const std::vector<MasPosition>& cells) {
  CellBoard& board = *c_.picCrossBase;
  for (int y = 1; y <= board.MasMaxY(); ++y) {
    for (int x = 1; x <= board.MasMaxX(); ++x) {
      CellLook look = board.Cell(x, y);
      look.marked = false;
      board.SetCell(x, y, look);
    }
  }
  for (const MasPosition& cell : cells) {
    CellLook look = board.Cell(cell.x, cell.y);
    look.marked = true;
    board.SetCell(cell.x, cell.y, look);
  }
}

// A box comes at the end of a long operation: the progress stops first, so that the time
// shown is the operation's, not the box's.
MessageAnswer frmEdit::ShowMessage(int, const CatalogueMessage& message) {
  c_.tmrInfoMaking->stop();
  return presenter_.Show(message);
}

// An end asked for meanwhile stops the run here, at a point where it can stop.
void frmEdit::PumpEvents() {
  pumping_ = true;
  QCoreApplication::processEvents();
  pumping_ = false;
  if (ending_) throw RunStopped();
}

// While the walls are placed the other page-3 controls stay disabled, so that neither a
// second placement nor a page change can start meanwhile.
void frmEdit::ShowProgress(int page, bool running) {
  if (running) {
    InfoPageNmb = page;
    c_.lblInfoTime[page]->setText("0");
    c_.lblInfoMaking[page]->setText("■実行中");
    InfoElapsed.Start();
    c_.tmrInfoMaking->start();
  } else {
    c_.tmrInfoMaking->stop();
  }
  c_.lblInfoMaking[page]->setVisible(running);
  if (page != 3) return;
  for (QWidget* control : std::initializer_list<QWidget*>{
           c_.cmdSetMasBar, c_.cmdClearMasBar, c_.cmdNext[3], c_.cmdBack[3], c_.optMasBarPattern[1],
           c_.optMasBarPattern[2], c_.optMasBarPattern[3], c_.chkNoTwoLetterAnswer}) {
    control->setEnabled(!running);
  }
}

void frmEdit::WorkRunning(LongWork work, bool running) {
  ShowProgress(PageOf(work), running);
}

void frmEdit::ShowBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void frmEdit::FullAutoRunStarted(int stageCount) {
  c_.lblInfoNowMakingStage->setText(QString("作成総数　# %1").arg(stageCount));
  stageProgress_.Start(stageCount);
  ShowStageLabels(true);
}

void frmEdit::FullAutoRunEnded() {
  ShowStageLabels(false);
}

void frmEdit::ShowStageLabels(bool shown) {
  holdingBoard_ = shown;
  c_.lblStageTimeLeft->hide();
  c_.lblMadeStageNmb->hide();
  c_.lblInfoNowMakingStage->setVisible(shown);
  c_.lblInfoNowMakingStage2->setVisible(shown);
  c_.lblNowMakingStageNmbAuto->setVisible(shown);
}

void frmEdit::ShowPage(int page) {
  for (int p = 1; p <= PageCount; ++p) c_.fraPage[p]->setVisible(p == page);
}

void frmEdit::ShowRunButton(const std::string& caption, bool backEnabled) {
  c_.cmdNext[4]->setText(Q(caption));
  c_.cmdBack[4]->setEnabled(backEnabled);
}

void frmEdit::ShowGridView(bool shown) {
  c_.picCrossBase->setVisible(shown);
  ShowMoveLabels(shell_.Designer().Grid().View());
}

void frmEdit::ShowMadeStage(const CrossMasMarks& marks) {
  madeMarks_ = marks;
  if (marks.MasMaxX() == 0) return;
  StageViewModel view;
  view.SetUp(marks.MasMaxX(), marks.MasMaxY());
  const bool holding = std::exchange(holdingBoard_, false);
  c_.picCrossBase->show();
  GridMade(marks.MasMaxX(), marks.MasMaxY(), view);
  GridShown(marks);
  holdingBoard_ = holding;
}

void frmEdit::ShowStagesMade(bool complete) {
  ShowMadeStage(complete ? heldMarks_ : madeMarks_);
  c_.lblMadeStageNmb->setText(
      QString("作成した面数　# %1").arg(stageProgress_.StagesMade(complete)));
  c_.lblMadeStageNmb->show();
}

void frmEdit::ShowViewOrigin(const StageViewModel& view) {
  c_.picCrossBase->SetViewOrigin(view.ViewX, view.ViewY);
}

// Set without the change signals: the selector only follows the stage already loaded and
// must not read the file again.
void frmEdit::ShowStageSelector(int count, int stage) {
  const QSignalBlocker blocker(c_.vsbCrossStageNmb);
  c_.vsbCrossStageNmb->setRange(1, count);
  c_.vsbCrossStageNmb->setValue(stage);
}

void frmEdit::ShowAutoSettings(const AutoSettings& settings) {
  const QSignalBlocker blockSize(c_.optMasSizePatternAuto.group);
  Select(c_.optMasSizePatternAuto, settings.MasSizePatternAuto);
  EnableBoth(c_.txtMasSizeCustomAuto, settings.MasSizePatternAuto == MasSizePatternCustom);
  c_.chkResetMasSize->setChecked(settings.ResetMasSize);
  Select(c_.optMasBarPatternAuto, settings.MasBarPatternAuto);
  c_.chkResetMasBarPattern->setChecked(settings.ResetMasBarPattern);
  c_.chkNoTwoLetterAnswerAuto->setChecked(settings.ShortestAnswerAuto > AnswerLenMin);
  Select(c_.optMakeStageNmbAuto, settings.MakeStageNmbAuto);
  c_.vsbCrossStageNmbAuto->setEnabled(settings.MakeStageNmbAuto == MakeStageNmbCustom);
  c_.lblCrossStageNmbAuto->setNum(settings.CrossStageNmbAuto);
}

void frmEdit::DisableNotRandomize() {
  c_.chkNotRandomize->setEnabled(false);
}

// An end asked for during a long run hides the window at once; the program ends once the
// run has reached the point where it can stop.
void frmEdit::EndProgram() {
  ending_ = true;
  if (pumping_) return hide();
  emit ended();
  close();
}

void frmEdit::closeEvent(QCloseEvent* event) {
  if (!pumping_) return event->accept();
  event->ignore();
  EndProgram();
}

}  // namespace crossword::ui

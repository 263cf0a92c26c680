#include "proofer/ui/ProofWindow.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <optional>

#include "common/FileNames.h"
#include "common/FileOps.h"
#include "common/TextCodec.h"
#include "common/ui/ProblemMessage.h"
#include "generator/engine/ClueTable.h"
#include "proofer/engine/ProoferMessages.h"
#include "puzzle/PuzzleExport.h"

namespace crossword::ui {

namespace {

constexpr int kWindowWidth = 1180;
constexpr int kWindowHeight = 720;
const QString kSetFilter = "Puzset ﾌｧｲﾙ (*.pzs)|*.pzs|";
const QString kDictionaryFilter = "辞書ﾌｧｲﾙ (*.lxd)|*.lxd|";
const QString kHtmlFilter = "HTML ﾌｧｲﾙ (*.html)|*.html|";
const QString kIpuzFilter = "ipuz ﾌｧｲﾙ (*.ipuz)|*.ipuz|";
const char* const kRankNames[] = {"手で選んだ分野", "初級",     "中級",
                                  "上級",           "おたく級", "スーパーおたく級"};

QString Q(std::u32string_view text) {
  return QString::fromStdString(ToUtf8(text));
}

std::u32string U32(const QString& text) {
  return FromUtf8(text.toStdString());
}

QPushButton* MakeButton(const QString& caption, const QString& name) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  return button;
}

QListWidget* MakeList(const QString& name) {
  auto* list = new QListWidget;
  list->setObjectName(name);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

// "12. clue　（カタナ）": the answer only while answers are shown.
QString ClueItemText(const PuzzleHint& hint, bool withAnswer) {
  QString text = QString::number(hint.Number) + ". " + Q(hint.Qst);
  if (withAnswer) text += "　（" + Q(hint.Yst) + "）";
  return text;
}

QString ReplacementText(const SwapCandidate& candidate) {
  const WordRecord& word = candidate.Word;
  return Q(word.Yst) + "　" + Q(word.Ast) + "　—　" + Q(word.Qst);
}

std::filesystem::path PathOf(const ChosenFile& file) {
  return std::filesystem::path(file.fullPath.toStdString());
}

}  // namespace

ProofWindow::ProofWindow(const std::string& programFolder, MessagePresenter* presenter,
                         FileDialogs* dialogs)
    : programFolder_(programFolder),
      ownPresenter_(presenter ? nullptr : std::make_unique<QtMessagePresenter>(this)),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtFileDialogs>(this)),
      presenter_(presenter ? presenter : ownPresenter_.get()),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()) {
  setObjectName("frmProof");
  setWindowTitle("Proofwright[*]");
  setFixedSize(kWindowWidth, kWindowHeight);
  lblTitle = new QLabel("パズルセットの仕上げ");
  lblTitle->setObjectName("lblTitle");
  QFont font = lblTitle->font();
  font.setPointSizeF(font.pointSizeF() * 1.6);
  font.setBold(true);
  lblTitle->setFont(font);

  auto* page = new QFrame;
  page->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto* panes = new QHBoxLayout(page);
  panes->addWidget(MakeStagePane());
  panes->addWidget(MakeCluePane(), 1);
  panes->addWidget(MakeEditPane(), 1);

  auto* form = new QVBoxLayout(this);
  form->setContentsMargins(30, 16, 30, 10);
  form->addWidget(lblTitle);
  form->addWidget(MakeCommandRow());
  form->addWidget(page, 1);
  MakeCornerLabels();
  auto* corner = new QHBoxLayout;
  corner->addStretch(1);
  corner->addWidget(lblHelp);
  corner->addSpacing(24);
  corner->addWidget(lblEnd);
  form->addLayout(corner);

  ConnectControls();
  MakeShortcuts();
  SetTabOrder();
  ShowSession();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

ProofWindow::~ProofWindow() = default;

QWidget* ProofWindow::MakeCommandRow() {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  cmdOpen = MakeButton("開く…", "cmdOpen");
  cmdDictionary = MakeButton("辞書を開く…", "cmdDictionary");
  cmdUndo = MakeButton("元に戻す", "cmdUndo");
  cmdRedo = MakeButton("やり直し", "cmdRedo");
  cmdSave = MakeButton("保存", "cmdSave");
  cmdSaveAs = MakeButton("別名で保存…", "cmdSaveAs");
  chkLearn = new QCheckBox("辞書に覚えさせる");
  chkLearn->setObjectName("chkLearn");
  cmdPrint = MakeButton("印刷…", "cmdPrint");
  cmdHtml = MakeButton("HTML…", "cmdHtml");
  cmdIpuz = MakeButton("ipuz…", "cmdIpuz");
  for (QWidget* control : std::initializer_list<QWidget*>{cmdOpen, cmdDictionary, cmdUndo, cmdRedo,
                                                          cmdSave, cmdSaveAs, chkLearn}) {
    layout->addWidget(control);
  }
  layout->addStretch(1);
  for (QWidget* control : {cmdPrint, cmdHtml, cmdIpuz}) layout->addWidget(control);
  return row;
}

QWidget* ProofWindow::MakeStagePane() {
  auto* pane = new QWidget;
  auto* layout = new QVBoxLayout(pane);
  auto* stageRow = new QHBoxLayout;
  cmdPrevStage = MakeButton("＜", "cmdPrevStage");
  cmdNextStage = MakeButton("＞", "cmdNextStage");
  cboStage = new QComboBox;
  cboStage->setObjectName("cboStage");
  stageRow->addWidget(new QLabel("ステージ"));
  stageRow->addWidget(cmdPrevStage);
  stageRow->addWidget(cboStage, 1);
  stageRow->addWidget(cmdNextStage);
  layout->addLayout(stageRow);
  picGrid = new ProofGrid;
  picGrid->setObjectName("picGrid");
  layout->addWidget(picGrid);
  chkAnswers = new QCheckBox("答えを表示");
  chkAnswers->setObjectName("chkAnswers");
  chkAnswers->setChecked(true);
  layout->addWidget(chkAnswers);
  auto* keywordRow = new QHBoxLayout;
  txtKeyword = new QLineEdit;
  txtKeyword->setObjectName("txtKeyword");
  cmdKeyword = MakeButton("二重マスに置く", "cmdKeyword");
  cmdMoveMark = MakeButton("二重マスをここへ", "cmdMoveMark");
  keywordRow->addWidget(new QLabel("キーワード"));
  keywordRow->addWidget(txtKeyword, 1);
  keywordRow->addWidget(cmdKeyword);
  keywordRow->addWidget(cmdMoveMark);
  layout->addLayout(keywordRow);
  lblKeywordNote = new QLabel;
  lblKeywordNote->setObjectName("lblKeywordNote");
  lblKeywordNote->setWordWrap(true);
  layout->addWidget(lblKeywordNote);
  layout->addStretch(1);
  return pane;
}

QWidget* ProofWindow::MakeCluePane() {
  auto* pane = new QWidget;
  auto* layout = new QVBoxLayout(pane);
  lstAcross = MakeList("lstAcross");
  lstDown = MakeList("lstDown");
  layout->addWidget(new QLabel("ヨコのカギ"));
  layout->addWidget(lstAcross, 1);
  layout->addWidget(new QLabel("タテのカギ"));
  layout->addWidget(lstDown, 1);
  return pane;
}

QWidget* ProofWindow::MakeEditPane() {
  auto* pane = new QWidget;
  auto* layout = new QGridLayout(pane);
  lblQuestion = new QLabel;
  lblQuestion->setObjectName("lblQuestion");
  cboClue = new QComboBox;
  cboClue->setObjectName("cboClue");
  cboClue->setEditable(true);
  cboClue->setInsertPolicy(QComboBox::NoInsert);
  cboClue->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  txtWritten = new QLineEdit;
  txtWritten->setObjectName("txtWritten");
  lblClueNote = new QLabel;
  lblClueNote->setObjectName("lblClueNote");
  lblClueNote->setWordWrap(true);
  lblClueNote->setStyleSheet("color: #c00000;");
  cmdSetClue = MakeButton("ヒントを書き換える", "cmdSetClue");
  lstReplace = MakeList("lstReplace");
  lblReplaceNote = new QLabel;
  lblReplaceNote->setObjectName("lblReplaceNote");
  lblReplaceNote->setWordWrap(true);
  cmdReplace = MakeButton("この単語に入れ替える", "cmdReplace");
  layout->addWidget(lblQuestion, 0, 0, 1, 2);
  layout->addWidget(new QLabel("ヒント"), 1, 0);
  layout->addWidget(cboClue, 1, 1);
  layout->addWidget(new QLabel("答えの表記"), 2, 0);
  layout->addWidget(txtWritten, 2, 1);
  layout->addWidget(lblClueNote, 3, 0, 1, 2);
  layout->addWidget(cmdSetClue, 4, 1, Qt::AlignRight);
  layout->addWidget(new QLabel("入れ替えられる単語（この級で好まれるものから）"), 5, 0, 1, 2);
  layout->addWidget(lblReplaceNote, 6, 0, 1, 2);
  layout->addWidget(lstReplace, 7, 0, 1, 2);
  layout->addWidget(cmdReplace, 8, 1, Qt::AlignRight);
  layout->setRowStretch(7, 1);
  layout->setColumnStretch(1, 1);
  return pane;
}

void ProofWindow::MakeCornerLabels() {
  lblHelp = new ClickLabel("ヘルプ", this);
  lblHelp->setObjectName("lblHelp");
  lblHelp->LookLikeLink();
  lblEnd = new ClickLabel("終了", this);
  lblEnd->setObjectName("lblEnd");
  lblEnd->LookLikeLink();
}

void ProofWindow::ConnectControls() {
  connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
  connect(cmdDictionary, &QPushButton::clicked, this, [this] { cmdDictionary_Click(); });
  connect(cmdUndo, &QPushButton::clicked, this, [this] { UndoChange(); });
  connect(cmdRedo, &QPushButton::clicked, this, [this] { RedoChange(); });
  connect(cmdSave, &QPushButton::clicked, this, [this] { SaveSet(); });
  connect(cmdSaveAs, &QPushButton::clicked, this, [this] { SaveSetAs(); });
  connect(cmdPrint, &QPushButton::clicked, this, [this] { PrintSet(); });
  connect(cmdHtml, &QPushButton::clicked, this, [this] { ExportHtml(); });
  connect(cmdIpuz, &QPushButton::clicked, this, [this] { ExportIpuzFiles(); });
  connect(cmdPrevStage, &QPushButton::clicked, this, [this] { ShowStage(stage_ - 1); });
  connect(cmdNextStage, &QPushButton::clicked, this, [this] { ShowStage(stage_ + 1); });
  connect(cboStage, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!showing_) ShowStage(index + 1);
  });
  connect(chkAnswers, &QCheckBox::toggled, this, [this](bool shown) {
    picGrid->SetAnswersShown(shown);
    ShowClueLists();
  });
  connect(cmdKeyword, &QPushButton::clicked, this, [this] { MarkKeyword(); });
  connect(txtKeyword, &QLineEdit::returnPressed, this, [this] { MarkKeyword(); });
  connect(cmdMoveMark, &QPushButton::clicked, this, [this] { MoveMark(); });
  connect(picGrid, &ProofGrid::QuestionChosen, this,
          [this](int number) { ChooseQuestion(number); });
  for (QListWidget* list : {lstAcross, lstDown}) {
    connect(list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
      if (!showing_ && item) ChooseQuestion(item->data(Qt::UserRole).toInt());
    });
    connect(list, &QListWidget::itemActivated, this, [this] { cboClue->setFocus(); });
  }
  connect(cboClue, &QComboBox::editTextChanged, this, [this] { CheckTypedClue(); });
  connect(txtWritten, &QLineEdit::textChanged, this, [this] { CheckTypedClue(); });
  connect(cboClue->lineEdit(), &QLineEdit::returnPressed, this, [this] { ApplyClue(); });
  connect(txtWritten, &QLineEdit::returnPressed, this, [this] { ApplyClue(); });
  connect(cmdSetClue, &QPushButton::clicked, this, [this] { ApplyClue(); });
  connect(lstReplace, &QListWidget::itemActivated, this, [this] { ApplyReplacement(); });
  connect(cmdReplace, &QPushButton::clicked, this, [this] { ApplyReplacement(); });
  connect(lblHelp, &ClickLabel::clicked, this, [this] {
    presenter_->Show({"ヘルプ",
                      {"Page Up / Page Down：前のステージ／次のステージ",
                       "矢印キー：マス目の移動（スペースでヨコとタテを切り替え）",
                       "Enter：カギの一覧からヒントの欄へ、ヒントの欄では書き換え、"
                       "入れ替えの一覧では入れ替え",
                       "Ctrl+Z：元に戻す　Ctrl+Y：やり直し",
                       "Ctrl+S：保存　Ctrl+Shift+S：別名で保存", "Ctrl+O：開く　Ctrl+P：印刷"},
                      MessageButtons::Ok,
                      MessageIcon::Information,
                      AnswerOk});
  });
  connect(lblEnd, &ClickLabel::clicked, this, &QWidget::close);
}

// Reading order: the stage, its grid and clues, the clue's fields, its replacements, then
// the commands.
void ProofWindow::SetTabOrder() {
  const std::initializer_list<QWidget*> order = {
      cboStage, picGrid,    chkAnswers, txtKeyword, cmdKeyword, cmdMoveMark, lstAcross,     lstDown,
      cboClue,  txtWritten, cmdSetClue, lstReplace, cmdReplace, cmdOpen,     cmdDictionary, cmdUndo,
      cmdRedo,  cmdSave,    cmdSaveAs,  chkLearn,   cmdPrint,   cmdHtml,     cmdIpuz};
  for (auto widget = order.begin(); widget + 1 != order.end(); ++widget) {
    setTabOrder(*widget, *(widget + 1));
  }
}

void ProofWindow::MakeShortcuts() {
  const std::pair<QKeySequence, std::function<void()>> keys[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { UndoChange(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { RedoChange(); }},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { RedoChange(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveSet(); }},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { SaveSetAs(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_O), [this] { cmdOpen_Click(); }},
      {QKeySequence(Qt::CTRL | Qt::Key_P), [this] { PrintSet(); }},
      {QKeySequence(Qt::Key_PageUp), [this] { ShowStage(stage_ - 1); }},
      {QKeySequence(Qt::Key_PageDown), [this] { ShowStage(stage_ + 1); }},
  };
  for (const auto& [key, action] : keys) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, this, action);
  }
}

void ProofWindow::StartUp(const std::filesystem::path& givenSet) {
  std::optional<std::filesystem::path> set = givenSet;
  if (givenSet.empty()) set = NewestPuzzleSet(programFolder_);
  if (!set) {
    const auto chosen = dialogs_->Open(QString::fromStdString(programFolder_), kSetFilter);
    if (chosen) set = PathOf(*chosen);
  }
  if (set) OpenSet(*set);
}

bool ProofWindow::OpenSet(const std::filesystem::path& set) {
  if (!MayDropChanges()) return false;
  try {
    session_ = std::make_unique<ProofSession>(set);
  } catch (const std::exception& problem) {
    ShowProblem(problem);
    return false;
  }
  stage_ = 1;
  question_ = 0;
  FindDictionary();
  ShowStage(1);
  lstAcross->setFocus();
  return true;
}

// The set's own dictionary, else one the author picks; without one the clues can still
// be rewritten.
void ProofWindow::FindDictionary() {
  const auto found = DictionaryOfSet(session_->Path());
  try {
    if (found) return session_->UseDictionary(*found);
  } catch (const std::exception& problem) {
    ShowProblem(problem);
  }
  const auto answer = presenter_->Show(DictionaryNotFoundMessage(session_->Path().filename()));
  if (answer == AnswerOk) cmdDictionary_Click();
}

void ProofWindow::cmdDictionary_Click() {
  if (!session_) return;
  const auto chosen =
      dialogs_->Open(QString::fromStdString(FolderOf(session_->Path())), kDictionaryFilter);
  if (!chosen) return;
  try {
    session_->UseDictionary(PathOf(*chosen));
  } catch (const std::exception& problem) {
    ShowProblem(problem);
  }
  ShowSession();
}

void ProofWindow::cmdOpen_Click() {
  const QString folder =
      QString::fromStdString(session_ ? FolderOf(session_->Path()) : programFolder_);
  if (const auto chosen = dialogs_->Open(folder, kSetFilter)) OpenSet(PathOf(*chosen));
}

void ProofWindow::ShowSession() {
  showing_ = true;
  cboStage->clear();
  if (session_) {
    for (int k = 1; k <= session_->StageCount(); ++k) {
      const int rank = session_->Set().Stages[k - 1].DifficultRank;
      cboStage->addItem(QString("%1 / %2　%3")
                            .arg(k)
                            .arg(session_->StageCount())
                            .arg(kRankNames[std::clamp(rank, 0, 5)]));
    }
    cboStage->setCurrentIndex(stage_ - 1);
  }
  picGrid->ShowStage(session_ ? &session_->Set().Stages[stage_ - 1] : nullptr);
  showing_ = false;
  ShowKeyword();
  ShowClueLists();
  ShowEditFields();
  ShowReplacements();
  ShowCommands();
}

void ProofWindow::ShowCommands() {
  const bool open = session_ != nullptr;
  if (open) {
    lblTitle->setText("パズルセット " +
                      QString::fromStdString(session_->Path().filename().string()) + " の仕上げ");
  }
  setWindowModified(open && session_->IsModified());
  for (QWidget* control : std::initializer_list<QWidget*>{
           cmdDictionary, cmdSave, cmdSaveAs, cmdPrint, cmdHtml, cmdIpuz, cboStage, cmdPrevStage,
           cmdNextStage, txtKeyword, cmdKeyword, cmdMoveMark}) {
    control->setEnabled(open);
  }
  cmdUndo->setEnabled(open && session_->CanUndo());
  cmdRedo->setEnabled(open && session_->CanRedo());
  chkLearn->setEnabled(open && session_->HasDictionary());
  if (!chkLearn->isEnabled()) chkLearn->setChecked(false);
}

void ProofWindow::ShowKeyword(const QString& note) {
  const PuzzleStage* stage = session_ ? &session_->Set().Stages[stage_ - 1] : nullptr;
  txtKeyword->setText(stage && stage->Keyword ? Q(stage->Keyword->Word) : QString());
  lblKeywordNote->setText(note);
  picGrid->update();
}

bool ProofWindow::MarkKeyword() {
  if (!session_) return false;
  KeywordOutcome outcome;
  try {
    outcome = session_->MarkKeyword(stage_, U32(txtKeyword->text()));
  } catch (const std::invalid_argument&) {
    lblKeywordNote->setText("キーワードは2～10文字で、空白を含められません。");
    return false;
  }
  if (!outcome.Marked) {
    lblKeywordNote->setText(outcome.Lacking.empty()
                                ? "文字はそろっていますが、別々の答えの離れたマスで一行・一列に並ば"
                                  "ない置き方がありません。"
                                : "このステージには「" + Q(outcome.Lacking) + "」が足りません。");
    return false;
  }
  ShowKeyword("二重マスを置きました。マスを選んで「二重マスをここへ」で同じ文字のマスへ移せます。");
  ShowCommands();
  return true;
}

bool ProofWindow::MoveMark() {
  if (!session_) return false;
  const QPoint cell = picGrid->Cursor();
  if (!session_->MoveMarkTo(stage_, {cell.x(), cell.y()})) {
    lblKeywordNote->setText(
        "このマスへ移せる二重マスはありません（文字が違うか、もう二重マスです）。");
    return false;
  }
  ShowKeyword();
  ShowCommands();
  return true;
}

void ProofWindow::ShowStage(int stage) {
  if (!session_ || stage < 1 || stage > session_->StageCount()) return;
  stage_ = stage;
  question_ = 0;
  ShowSession();
  const PuzzleStage& shown = session_->Set().Stages[stage_ - 1];
  if (!shown.Across.empty()) ChooseQuestion(shown.Across.front().Number);
}

void ProofWindow::ChooseQuestion(int number) {
  if (!session_) return;
  question_ = number;
  picGrid->MarkQuestion(number);
  ShowClueLists();
  ShowEditFields();
  ShowReplacements();
}

// A keyword's change (question 0) shows its stage and keeps the question chosen there.
void ProofWindow::GoTo(QuestionPlace place) {
  if (place.Stage != stage_) {
    ShowStage(place.Stage);
  } else {
    ShowKeyword();
  }
  if (place.Number != 0) ChooseQuestion(place.Number);
  ShowCommands();
}

void ProofWindow::ShowClueLists() {
  showing_ = true;
  for (QListWidget* list : {lstAcross, lstDown}) list->clear();
  if (session_) {
    const PuzzleStage& stage = session_->Set().Stages[stage_ - 1];
    for (const auto& [hints, list] :
         {std::pair(&stage.Across, lstAcross), std::pair(&stage.Down, lstDown)}) {
      for (const PuzzleHint& hint : *hints) {
        auto* item = new QListWidgetItem(ClueItemText(hint, chkAnswers->isChecked()), list);
        item->setData(Qt::UserRole, hint.Number);
        if (hint.Number == question_) list->setCurrentItem(item);
      }
    }
  }
  showing_ = false;
}

void ProofWindow::ShowEditFields() {
  showing_ = true;
  cboClue->clear();
  const bool chosen = session_ && question_ != 0;
  if (chosen) {
    const PuzzleHint& hint = session_->Hint(Place());
    lblQuestion->setText(QString("問 %1（%2）　答え %3")
                             .arg(hint.Number)
                             .arg(Q(DirectionName(hint)))
                             .arg(chkAnswers->isChecked() ? Q(hint.Yst) : "？"));
    for (const auto& other : session_->OtherClues(Place())) cboClue->addItem(Q(other));
    cboClue->setEditText(Q(hint.Qst));
    txtWritten->setText(Q(hint.Ast));
  } else {
    lblQuestion->setText(session_ ? "カギを選んでください。" : "パズルセットを開いてください。");
    cboClue->setEditText("");
    txtWritten->clear();
  }
  for (QWidget* field : {static_cast<QWidget*>(cboClue), static_cast<QWidget*>(txtWritten)}) {
    field->setEnabled(chosen);
  }
  showing_ = false;
  CheckTypedClue();
}

void ProofWindow::CheckTypedClue() {
  if (showing_) return;
  const bool chosen = session_ && question_ != 0;
  const TextCheck clue = CheckClueText(U32(cboClue->currentText()));
  const TextCheck written = CheckWrittenText(U32(txtWritten->text()));
  lblClueNote->setText(chosen ? QString::fromStdString(ClueNote(clue, written)) : "");
  cmdSetClue->setEnabled(chosen && clue.Problem == TextProblem::None &&
                         written.Problem == TextProblem::None);
}

void ProofWindow::ShowReplacements() {
  lstReplace->clear();
  replacements_.clear();
  lblReplaceNote->clear();
  if (session_ && question_ != 0) {
    const std::string blocker = SwapBlockerNote(session_->ReplacementBlocker());
    replacements_ = session_->Replacements(Place());
    for (const SwapCandidate& candidate : replacements_) {
      lstReplace->addItem(ReplacementText(candidate));
    }
    const int rank = session_->ReplacementRank(stage_);
    lblReplaceNote->setText(
        !blocker.empty()
            ? QString::fromStdString(blocker)
            : QString("%1 語（%2の単語から）").arg(replacements_.size()).arg(kRankNames[rank]));
  }
  cmdReplace->setEnabled(!replacements_.empty());
}

bool ProofWindow::ApplyClue() {
  if (!session_ || question_ == 0 || !cmdSetClue->isEnabled()) return false;
  const bool changed =
      session_->SetClue(Place(), U32(cboClue->currentText()), U32(txtWritten->text()));
  GoTo(Place());
  return changed;
}

bool ProofWindow::ApplyReplacement() {
  const int row = lstReplace->currentRow();
  if (!session_ || row < 0 || row >= static_cast<int>(replacements_.size())) return false;
  session_->PlaceWord(Place(), replacements_[row].Word);
  GoTo(Place());
  return true;
}

void ProofWindow::UndoChange() {
  if (session_ && session_->CanUndo()) GoTo(session_->Undo());
}

void ProofWindow::RedoChange() {
  if (session_ && session_->CanRedo()) GoTo(session_->Redo());
}

bool ProofWindow::SaveSet() {
  return session_ && SaveTo(session_->Path());
}

bool ProofWindow::SaveSetAs() {
  if (!session_) return false;
  const auto chosen = dialogs_->Save(QString::fromStdString(session_->Path().string()), kSetFilter);
  return chosen && SaveTo(PathOf(*chosen));
}

bool ProofWindow::SaveTo(const std::filesystem::path& target) {
  const bool learn = chkLearn->isChecked();
  try {
    const int learnt = session_->Save(target, learn);
    if (learn) presenter_->Show(LearntMessage(learnt, session_->DictionaryPath().string()));
  } catch (const std::exception& problem) {
    ShowProblem(problem, NothingWrittenNote());
    return false;
  }
  ShowCommands();
  return true;
}

bool ProofWindow::MayDropChanges() {
  if (!session_ || !session_->IsModified()) return true;
  switch (presenter_->Show(UnsavedChangesMessage())) {
    case AnswerYes:
      return SaveSet();
    case AnswerNo:
      return true;
    default:
      return false;
  }
}

void ProofWindow::closeEvent(QCloseEvent* event) {
  if (MayDropChanges()) {
    event->accept();
  } else {
    event->ignore();
  }
}

// The exporter's page prints each stage on its own sheet, the solutions after them: the
// browser prints it.
void ProofWindow::PrintSet() {
  if (!session_) return;
  const std::string title = BaseName(session_->Path().filename().string());
  const std::filesystem::path page = QDir::tempPath().toStdString() + "/" + title + "-print.html";
  try {
    CreateFileWith(page, PuzzleSetToHtml(session_->Set(), title));
  } catch (const std::exception& problem) {
    return ShowProblem(problem);
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page.string())));
}

void ProofWindow::ExportHtml() {
  const std::string title = session_ ? BaseName(session_->Path().filename().string()) : "";
  ExportTo(".html", kHtmlFilter, [&](const std::filesystem::path& path) {
    CreateFileWith(path, PuzzleSetToHtml(session_->Set(), title));
  });
}

// One file a stage, "<name>-<stage>.ipuz", in the folder of the name chosen.
void ProofWindow::ExportIpuzFiles() {
  ExportTo(".ipuz", kIpuzFilter, [&](const std::filesystem::path& path) {
    ExportIpuz(session_->Set(), BaseName(path.filename().string()), path.parent_path());
  });
}

void ProofWindow::ExportTo(const std::string& extension, const QString& filter,
                           const std::function<void(const std::filesystem::path&)>& write) {
  if (!session_) return;
  std::filesystem::path initial = session_->Path();
  const auto chosen =
      dialogs_->Save(QString::fromStdString(initial.replace_extension(extension).string()), filter);
  if (!chosen) return;
  try {
    write(PathOf(*chosen));
  } catch (const std::exception& problem) {
    ShowProblem(problem);
  }
}

void ProofWindow::ShowProblem(const std::exception& problem, const std::string& note) {
  CatalogueMessage message = ProblemMessage(problem);
  if (!note.empty()) message.Lines.push_back(note);
  presenter_->Show(message);
}

}  // namespace crossword::ui

#include "generator/ui/GeneratorWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "common/ui/FormGeometry.h"
#include "common/ui/Keyboard.h"
#include "generator/ui/PageParts.h"

namespace crossword::ui {

namespace {

constexpr int kPageWidth = 700;

ClickLabel* MakeCornerLabel(QWidget* parent, const QString& text, const QString& name) {
  auto* label = new ClickLabel(text, parent);
  label->setObjectName(name);
  label->LookLikeLink();
  return label;
}

CrossMasMarks MarksOf(const GeneratorMas& CrossMas) {
  CrossMasMarks marks(CrossMas.MasMaxX(), CrossMas.MasMaxY());
  for (int y = 1; y <= CrossMas.MasMaxY(); ++y) {
    for (int x = 1; x <= CrossMas.MasMaxX(); ++x) marks(x, y) = CrossMas(x, y).DispWChr;
  }
  return marks;
}

}  // namespace

GeneratorWindow::GeneratorWindow(const std::string& programFolder, MessagePresenter* presenter,
                                 FileDialogs* dialogs)
    : programFolder_(programFolder),
      ownPresenter_(presenter ? nullptr : std::make_unique<QtMessagePresenter>(this)),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtFileDialogs>(this)),
      presenter_(presenter ? presenter : ownPresenter_.get()),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      engine_(shell_, programFolder) {
  setObjectName("frmGridset");
  setWindowTitle("Cluewright");
  setFixedSize(FormWidth, FormHeight);
  page1_ = new FilePage(this);
  page2_ = new RankPage(this);
  page3_ = new RunPage(this);
  page4_ = new SelectionPage(this, IndexSectionKind::Category);
  page5_ = new SelectionPage(this, IndexSectionKind::List);
  fraPage_ = {nullptr, page1_, page2_, page3_, page4_, page5_};
  tmrInfoMaking = new QTimer(this);
  tmrInfoMaking->setInterval(500);
  PlacePages();
  MakeTitleAndCorner();
  ConnectPages();
  ConnectSelection();
  ConnectRunSettings();
  ShowRunSettings();
  LetEnterPressButtons(*this);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

int GeneratorWindow::VisiblePage() const {
  for (int p = 1; p <= kPages; ++p) {
    if (!fraPage_[p]->isHidden()) return p;
  }
  return 0;
}

// Every page in one place, in front of the other controls; page 1 is the one shown.
void GeneratorWindow::PlacePages() {
  for (int p = 1; p <= kPages; ++p) {
    fraPage_[p]->setGeometry(PageGeometry(kPageWidth));
    fraPage_[p]->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    fraPage_[p]->raise();
    fraPage_[p]->setVisible(p == 1);
  }
}

void GeneratorWindow::MakeTitleAndCorner() {
  lblQues = MakeLabel(this, "ＰＵＺＳＥＴ用ファイルの自動生成プログラム", "lblQues");
  QFont font = lblQues->font();
  font.setPointSizeF(font.pointSizeF() * 1.6);
  font.setBold(true);
  lblQues->setFont(font);
  lblQues->setGeometry(PageGeometry(kPageWidth).left(), 20, kPageWidth, PageTop - 30);
  lblHelp = MakeCornerLabel(this, "ヘルプ", "lblHelp");
  lblEnd = MakeCornerLabel(this, "終了", "lblEnd");
  lblEnd->move(FormWidth - PageRightMargin - lblEnd->width(), CornerLabelTop);
  lblHelp->move(lblEnd->x() - 24 - lblHelp->width(), CornerLabelTop);
  connect(lblHelp, &ClickLabel::clicked, this, [this] { engine_.ShowMessage(GeneratorMsg::Help); });
  connect(lblEnd, &ClickLabel::clicked, this, &QWidget::close);
}

void GeneratorWindow::ConnectPages() {
  connect(page1_->cmdNext, &QPushButton::clicked, this, [this] { cmdNext1_Click(); });
  connect(page2_->cmdNext, &QPushButton::clicked, this, [this] { ShowPage(3); });
  connect(page2_->cmdBack, &QPushButton::clicked, this, [this] { ShowPage(1); });
  connect(page3_->cmdBack, &QPushButton::clicked, this, [this] { cmdBack3_Click(); });
  connect(page2_->cmdCategory, &QPushButton::clicked, this, [this] { ShowPage(4); });
  connect(page4_->cmdOk, &QPushButton::clicked, this, [this] { ShowPage(2); });
  connect(page2_->cmdBlockList, &QPushButton::clicked, this, [this] { ShowPage(5); });
  connect(page5_->cmdOk, &QPushButton::clicked, this, [this] { ShowPage(2); });
  connect(page3_->cmdInfoData, &QPushButton::clicked, this, [this] { cmdInfoData_Click(); });
  connect(page1_->cmdMakeFile, &QPushButton::clicked, this, [this] { cmdMakeFile_Click(); });
  connect(page1_->cmdPlayFile, &QPushButton::clicked, this, [this] { cmdPlayFile_Click(); });
  connect(page3_->cmdNext, &QPushButton::clicked, this, [this] { cmdNext3_Click(); });
}

void GeneratorWindow::ShowPage(int p) {
  for (int other = 1; other <= kPages; ++other) fraPage_[other]->setVisible(other == p);
}

void GeneratorWindow::cmdNext1_Click() {
  ShowPage(2);
  lblQues->setText("ＰＵＺＳＥＴ用ファイル " + page1_->lblPlayFile[1]->text() + " の生成");
}

void GeneratorWindow::cmdBack3_Click() {
  ShowPage(2);
  shell_.ResetRunPage();
  page3_->picQues->hide();
}

void GeneratorWindow::cmdInfoData_Click() {
  const bool show = page3_->fraInfoData->isHidden();
  page3_->fraInfoData->setVisible(show);
  page3_->cmdInfoData->setText(show ? "作業経過非表示" : "作業限度値の表示と設定");
}

void GeneratorWindow::ShowLabel(RunLabel label, const std::string& text) {
  QLabel* shown = nullptr;
  switch (label) {
    case RunLabel::lblNowMakingNmb:
      shown = page3_->lblNowMakingNmb;
      break;
    case RunLabel::lblInfoMaking:
      shown = page3_->lblInfoMaking;
      break;
    case RunLabel::lblInfoTime:
      shown = page3_->lblInfoTime;
      break;
    case RunLabel::lblRestart:
      shown = page3_->lblRestart;
      break;
    case RunLabel::lblRetry:
      shown = page3_->lblRetry;
      break;
    case RunLabel::lblHistory:
      shown = page3_->lblHistory;
      break;
  }
  shown->setText(QString::fromStdString(text));
}

void GeneratorWindow::ShowRunButton(const std::string& caption, bool backEnabled) {
  page3_->cmdNext->setText(QString::fromStdString(caption));
  page3_->cmdBack->setEnabled(backEnabled);
}

void GeneratorWindow::BuildGridView(const GeneratorMas& CrossMas) {
  page3_->picQues->BuildGridView(MarksOf(CrossMas));
}

void GeneratorWindow::ShowGrid(const GeneratorMas& CrossMas) {
  page3_->picQues->ShowGrid(MarksOf(CrossMas));
}

void GeneratorWindow::ShowCandidate(const GeneratorSlot& slot, std::u32string_view Yst) {
  page3_->picQues->ShowCandidate(slot, Yst);
}

// A pause lets events through for its whole length; the stop button cuts it short.
void GeneratorWindow::PumpEvents(double seconds) {
  QCoreApplication::processEvents();
  if (seconds <= 0 || stopRequested_) return;
  QEventLoop wait;
  QTimer::singleShot(static_cast<int>(seconds * 1000), &wait, &QEventLoop::quit);
  waitLoop_ = &wait;
  wait.exec();
  waitLoop_ = nullptr;
}

// A box shown during a run ends it: the progress stops first, so that the label behind the
// box keeps what the run last said ("▲未完成").
MessageAnswer GeneratorWindow::ShowMessage(int /*number*/, const CatalogueMessage& message) {
  if (shell_.Running()) tmrInfoMaking->stop();
  return ShowBox(message);
}

// A box stands over labels that name the engine's files as they are now: message 11
// tells the user to look at the new puzzle file name.
MessageAnswer GeneratorWindow::ShowBox(const CatalogueMessage& message) {
  ShowFileNames();
  return presenter_->Show(message);
}

void GeneratorWindow::EndProgram() {
  if (ended_) return;
  ended_ = true;
  tmrInfoMaking->stop();
  engine_.CloseDictionary();
  hide();
  emit ProgramEnded();
}

// Closing the window, like the end label, ends the program; a run stops at its next
// event point and takes its working file with it.
void GeneratorWindow::closeEvent(QCloseEvent* event) {
  if (shell_.Running()) {
    StopRun();
  } else {
    EndProgram();
  }
  event->accept();
}

}  // namespace crossword::ui

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "common/ui/CountBar.h"
#include "common/ui/PathLabel.h"
#include "common/ui/PhraseLabel.h"
#include "common/ui/RunCaptions.h"
#include "designer/ui/EditControls.h"
#include "designer/ui/EditGeometry.h"

// The form's controls, page by page, with the captions and defaults the author sees
// before anything has been chosen.
namespace crossword::ui {

namespace {

QString Indexed(const char* name, int index) {
  return QString("%1(%2)").arg(name).arg(index);
}

template <typename Control>
Control* Named(Control* control, const QString& name) {
  control->setObjectName(name);
  return control;
}

QLabel* Text(const QString& caption) {
  return new PhraseLabel(caption);
}

QLabel* Value(const QString& caption, const QString& name) {
  return Named(new QLabel(caption), name);
}

QLabel* Path(const QString& caption, const QString& name) {
  return Named(new PathLabel(caption), name);
}

QPushButton* Button(const QString& caption, const QString& name) {
  return Named(new QPushButton(caption), name);
}

// A count bar tall enough to show its trough.
QScrollBar* MakeCountBar(const QString& name, int maximum, int value) {
  auto* bar = Named(new CountBar, name);
  bar->setRange(1, maximum);
  bar->setValue(value);
  bar->setEnabled(false);
  bar->setFixedHeight(60);
  return bar;
}

// The number beside a count bar: as wide as two digits, so that the bar stays put.
QLabel* CountValue(const QString& caption, const QString& name) {
  QLabel* label = Value(caption, name);
  label->setFixedWidth(label->fontMetrics().horizontalAdvance("99") + 4);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

template <std::size_t Count>
void MakeOptions(OptionArray<Count>& options, const char* name,
                 const std::array<QString, Count>& captions, int selected, QObject* owner) {
  options.group = new QButtonGroup(owner);
  for (std::size_t i = 1; i <= Count; ++i) {
    options[i] = Named(new QRadioButton(captions[i - 1]), Indexed(name, int(i)));
    options.group->addButton(options[i], int(i));
  }
  options[selected]->setChecked(true);
}

QLineEdit* SizeBox(const QString& name) {
  auto* box = Named(new QLineEdit("9"), name);
  box->setMaximumWidth(40);
  box->setEnabled(false);  // the size patterns selected at first draw their own sizes
  return box;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch();
  return row;
}

QGroupBox* Frame(const QString& caption, QLayout* contents) {
  auto* frame = new QGroupBox(caption);
  frame->setLayout(contents);
  return frame;
}

QVBoxLayout* Column(std::initializer_list<QWidget*> widgets) {
  auto* column = new QVBoxLayout;
  for (QWidget* widget : widgets) column->addWidget(widget);
  return column;
}

// The page's back and next buttons at its foot, back on the left.
void AddPageButtons(EditControls& c, int page, QVBoxLayout* layout, const QString& back,
                    const QString& next) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  if (!back.isEmpty()) {
    c.cmdBack[page] = Button(back, Indexed("cmdBack", page));
    row->addWidget(c.cmdBack[page]);
  }
  c.cmdNext[page] = Button(next, Indexed("cmdNext", page));
  row->addWidget(c.cmdNext[page]);
  layout->addStretch();
  layout->addLayout(row);
}

// The blinking progress mark and the elapsed seconds of a long run on page 3 or 4.
QHBoxLayout* ProgressRow(EditControls& c, int page) {
  c.lblInfoMaking[page] = Value("■実行中", Indexed("lblInfoMaking", page));
  c.lblInfoMaking[page]->hide();
  c.lblInfoTime[page] = Value("0", Indexed("lblInfoTime", page));
  auto* row = new QHBoxLayout;
  row->addWidget(c.lblInfoMaking[page]);
  row->addStretch();
  row->addWidget(new QLabel("Time"));
  row->addWidget(c.lblInfoTime[page]);
  return row;
}

QGroupBox* NewPage(EditControls& c, int page, const QString& caption, QWidget* form) {
  c.fraPage[page] = Named(new QGroupBox(caption, form), Indexed("fraPage", page));
  c.fraPage[page]->setGeometry(PageGeometry());
  c.fraPage[page]->setVisible(page == 1);
  return c.fraPage[page];
}

void BuildPage1(EditControls& c, QWidget* form) {
  auto* layout = new QVBoxLayout(NewPage(c, 1, "1.モードの選択", form));
  MakeOptions<2>(c.optMakeMode, "optMakeMode", {"完全おまかせモード", "カスタム設定モード"}, 1,
                 form);
  c.cmdNextModeAuto = Button("詳細", "cmdNextModeAuto");
  auto* modes = new QGridLayout;
  modes->addWidget(c.optMakeMode[1], 0, 0);
  modes->addWidget(c.cmdNextModeAuto, 0, 1);
  modes->addWidget(c.optMakeMode[2], 1, 0);
  layout->addWidget(Frame("作成モード", modes));

  // The dictionary and the grid file in one form, so that their values line up.
  c.lblMakeDicName[1] = Path("(不明）Lexbase.MDB", "lblMakeDicName(1)");
  c.lblMakeDicName[2] = Path("(不明）", "lblMakeDicName(2)");
  c.cmdDicFileName = Button("辞書ファイルの変更", "cmdDicFileName");
  c.lblMakeFileName[1] = Path("Gridset.gst", "lblMakeFileName(1)");
  c.lblMakeFileName[2] = Path("(不明）", "lblMakeFileName(2)");
  c.cmdMakeFileName = Button("マス設定ファイル名の変更", "cmdMakeFileName");
  auto* files = new QFormLayout;
  files->addRow("参照辞書名：", c.lblMakeDicName[1]);
  files->addRow("フォルダ：", c.lblMakeDicName[2]);
  files->addRow(Row({c.cmdDicFileName}));
  files->addRow("作成ファイル名：", c.lblMakeFileName[1]);
  files->addRow("フォルダ：", c.lblMakeFileName[2]);
  files->addRow(Row({c.cmdMakeFileName}));
  layout->addLayout(files);

  c.chkNotRandomize = Named(new QCheckBox("(乱数系列を初期化しない)"), "chkNotRandomize");
  layout->addWidget(c.chkNotRandomize);
  AddPageButtons(c, 1, layout, QString(), "進む");
}

QWidget* SizeBoxes(ControlArray<QLineEdit, 2>& boxes, const char* name) {
  boxes[1] = SizeBox(Indexed(name, 1));
  boxes[2] = SizeBox(Indexed(name, 2));
  auto* row = new QWidget;
  auto* layout = Row({new QLabel("横"), boxes[1], new QLabel("縦"), boxes[2]});
  layout->setContentsMargins(20, 0, 0, 0);
  row->setLayout(layout);
  return row;
}

const std::array<QString, 5> kMasSizeCaptions = {"小(5x5～7x7)", "中(7x7～9x9)", "大(9x9～12x12)",
                                                 "ランダム(5x5～12x12)", "カスタム"};

// The five size patterns two to a row, then the custom width and height boxes.
QGridLayout* SizeOptions(OptionArray<5>& options, const char* name,
                         ControlArray<QLineEdit, 2>& boxes, const char* boxName, int selected,
                         QWidget* form) {
  MakeOptions(options, name, kMasSizeCaptions, selected, form);
  auto* sizes = new QGridLayout;
  for (int i = 1; i <= 5; ++i) sizes->addWidget(options[i], (i - 1) / 2, (i - 1) % 2);
  sizes->addWidget(SizeBoxes(boxes, boxName), 3, 0, 1, 2);
  return sizes;
}

QGroupBox* NewGridFrame(EditControls& c, QWidget* form) {
  auto* sizes = SizeOptions(c.optMasSizePattern, "optMasSizePattern", c.txtMasSizeCustom,
                            "txtMasSizeCustom", 2, form);
  c.cmdSetMasSize = Button("新規設定の実行", "cmdSetMasSize");
  sizes->addLayout(Row({c.cmdSetMasSize}), 4, 0, 1, 2);
  auto* layout = Column({c.optMakeMasMode[1]});
  layout->addLayout(sizes);
  return Frame(QString(), layout);
}

QGroupBox* ReadFileFrame(EditControls& c) {
  c.cmdReadFileName = Button("ファイルの指定", "cmdReadFileName");
  c.cmdReadFileName->setEnabled(false);
  c.lblReadFileName[1] = Path("(不明）Gridset.gst", "lblReadFileName(1)");
  c.lblReadFileName[2] = Path("(不明）", "lblReadFileName(2)");
  c.vsbCrossStageNmb = MakeCountBar("vsbCrossStageNmb", 1, 1);
  c.lblCrossStageNmb = CountValue("1", "lblCrossStageNmb");
  c.lblCrossStageNmbMax = CountValue("1", "lblCrossStageNmbMax");
  auto* file = new QFormLayout;
  file->addRow(c.optMakeMasMode[2]);
  file->addRow(Row({c.cmdReadFileName}));
  file->addRow("ファイル名：", c.lblReadFileName[1]);
  file->addRow("フォルダ：", c.lblReadFileName[2]);
  file->addRow(Row({new QLabel("出題番号 ＃1～"), c.lblCrossStageNmbMax, new QLabel("　＃"),
                    c.lblCrossStageNmb, c.vsbCrossStageNmb}));
  return Frame(QString(), file);
}

void BuildPage2(EditControls& c, QWidget* form) {
  auto* layout = new QVBoxLayout(NewPage(c, 2, "2.マス目の数(縦と横の大きさ)", form));
  MakeOptions<2>(c.optMakeMasMode, "optMakeMasMode", {"新規作成", "マス設定ファイルから読込"}, 1,
                 form);
  layout->addWidget(NewGridFrame(c, form));
  layout->addWidget(ReadFileFrame(c));
  c.lblMasSize[1] = Value("0", "lblMasSize(1)");
  c.lblMasSize[2] = Value("0", "lblMasSize(2)");
  layout->addLayout(
      Row({new QLabel("現在のマス数：横"), c.lblMasSize[1], new QLabel("縦"), c.lblMasSize[2]}));
  AddPageButtons(c, 2, layout, "もどる", "進む");
}

// Unchecked at start: the layouts of the Japanese convention, two-letter answers included.
QCheckBox* NoTwoLetterBox(const QString& name) {
  return Named(new QCheckBox("２文字の答えを作らない（英語式）"), name);
}

void BuildPage3(EditControls& c, QWidget* form) {
  auto* layout = new QVBoxLayout(NewPage(c, 3, "3.黒マス(壁)の配置", form));
  layout->addWidget(Text("左のマス目を直接クリックすると黒マス(壁)の配置とクリアができます。"));
  c.lblNowBarNmb = Value("0", "lblNowBarNmb");
  c.lblWordNmbMax = Value("-", "lblWordNmbMax");
  auto* counters = new QFormLayout;
  counters->addRow("現在の黒マス(壁)数：", c.lblNowBarNmb);
  counters->addRow("キー（質問）数：", c.lblWordNmbMax);
  layout->addLayout(counters);
  c.cmdClearMasBar = Button("黒マス(壁)の全クリア", "cmdClearMasBar");
  layout->addLayout(Row({c.cmdClearMasBar}));

  MakeOptions<3>(c.optMasBarPattern, "optMasBarPattern",
                 {"パターン配置", "ランダム配置", "どちらでもよい"}, 1, form);
  c.chkNoTwoLetterAnswer = NoTwoLetterBox("chkNoTwoLetterAnswer");
  c.cmdSetMasBar = Button("おまかせ配置の実行", "cmdSetMasBar");
  auto* automatic = Column({c.optMasBarPattern[1], c.optMasBarPattern[2], c.optMasBarPattern[3],
                            c.chkNoTwoLetterAnswer});
  automatic->addLayout(Row({c.cmdSetMasBar}));
  automatic->addWidget(
      Text("配置済みの黒マス(壁)があるときは、それらを全部クリアしてから配置されます。"));
  layout->addWidget(Frame("おまかせ配置", automatic));
  layout->addLayout(ProgressRow(c, 3));
  AddPageButtons(c, 3, layout, "もどる", "進む");
}

void BuildPage4(EditControls& c, QWidget* form) {
  auto* layout = new QVBoxLayout(NewPage(c, 4, "4.GRIDSETファイルの作成（終）", form));
  c.lblInfoDicName = Path("(不明）Lexbase.MDB", "lblInfoDicName");
  c.lblInfoMakeFileName = Path("(不明）Gridset.gst", "lblInfoMakeFileName");
  auto* names = new QFormLayout;
  names->addRow("参照辞書名：", c.lblInfoDicName);
  names->addRow("作成ファイル名：", c.lblInfoMakeFileName);
  layout->addLayout(names);
  layout->addWidget(
      Text("同名のファイルがあるときは無条件に上書きされます。別名にしたいときは最初の画面に"
           "もどり「マス設定ファイル名の変更」をしてください。"));
  c.lblInfoNowMakingStage = Value("作成総数　# ", "lblInfoNowMakingStage");
  c.lblInfoNowMakingStage2 = Value("作成中 #", "lblInfoNowMakingStage2");
  c.lblNowMakingStageNmbAuto = Value("1", "lblNowMakingStageNmbAuto");
  layout->addWidget(c.lblInfoNowMakingStage);
  layout->addLayout(Row({c.lblInfoNowMakingStage2, c.lblNowMakingStageNmbAuto}));
  c.lblStageTimeLeft = Value(QString(), "lblStageTimeLeft");
  c.lblMadeStageNmb = Value(QString(), "lblMadeStageNmb");
  layout->addWidget(c.lblStageTimeLeft);
  layout->addWidget(c.lblMadeStageNmb);
  for (QLabel* label : {c.lblInfoNowMakingStage, c.lblInfoNowMakingStage2,
                        c.lblNowMakingStageNmbAuto, c.lblStageTimeLeft, c.lblMadeStageNmb}) {
    label->hide();
  }
  layout->addLayout(ProgressRow(c, 4));
  AddPageButtons(c, 4, layout, "もどる", RunCaptionReady);
}

QCheckBox* ResetBox(const QString& name) {
  auto* box = Named(new QCheckBox("１面ごとに設定を再計算する"), name);
  box->setChecked(true);
  return box;
}

void BuildPage5(EditControls& c, QWidget* form) {
  auto* layout = new QVBoxLayout(NewPage(c, 5, "おまかせモード詳細(1)", form));
  auto* sizes = SizeOptions(c.optMasSizePatternAuto, "optMasSizePatternAuto",
                            c.txtMasSizeCustomAuto, "txtMasSizeCustomAuto", 1, form);
  c.chkResetMasSize = ResetBox("chkResetMasSize");
  sizes->addWidget(c.chkResetMasSize, 4, 0, 1, 2);
  layout->addWidget(Frame("マス目の数の設定", sizes));

  MakeOptions<3>(c.optMasBarPatternAuto, "optMasBarPatternAuto",
                 {"パターン配置", "ランダム配置", "どちらでもよい"}, 1, form);
  c.chkResetMasBarPattern = ResetBox("chkResetMasBarPattern");
  c.chkNoTwoLetterAnswerAuto = NoTwoLetterBox("chkNoTwoLetterAnswerAuto");
  layout->addWidget(
      Frame("黒マス(壁)の配置の設定",
            Column({c.optMasBarPatternAuto[1], c.optMasBarPatternAuto[2], c.optMasBarPatternAuto[3],
                    c.chkResetMasBarPattern, c.chkNoTwoLetterAnswerAuto})));
  c.cmdInitAuto[1] = Button("初期設定(&N)", "cmdInitAuto(1)");
  layout->addLayout(Row({c.cmdInitAuto[1]}));
  AddPageButtons(c, 5, layout, "ＯＫ", "進む");
}

void BuildPage6(EditControls& c, QWidget* form) {
  auto* layout = new QVBoxLayout(NewPage(c, 6, "おまかせモード詳細(2)", form));
  MakeOptions<4>(c.optMakeStageNmbAuto, "optMakeStageNmbAuto",
                 {" １ 面", "10 面", "20 面", "カスタム(1～99)"}, 3, form);
  c.vsbCrossStageNmbAuto = MakeCountBar("vsbCrossStageNmbAuto", 99, 25);
  c.lblCrossStageNmbAuto = CountValue("25", "lblCrossStageNmbAuto");
  auto* counts =
      Column({c.optMakeStageNmbAuto[1], c.optMakeStageNmbAuto[2], c.optMakeStageNmbAuto[3]});
  counts->addLayout(
      Row({c.optMakeStageNmbAuto[4], c.lblCrossStageNmbAuto, c.vsbCrossStageNmbAuto}));
  layout->addWidget(Frame("作成するマス目の面数", counts));
  c.cmdInitAuto[2] = Button("初期設定(&N)", "cmdInitAuto(2)");
  layout->addLayout(Row({c.cmdInitAuto[2]}));
  layout->addWidget(
      Text("ここで作成するのはマス目情報の面数です。実際に作成するクロスワード問題の面数は、"
           "Ｃｌｕｅｗｒｉｇｈｔ内で指定します。ここでは、とりあえず１０面か２０面を指定するのが"
           "おすすめです。"));
  AddPageButtons(c, 6, layout, "もどる", "ＯＫ");
}

// The grid view and its move labels: first, previous, next, last along each axis. The
// view also takes the keyboard: a cell cursor and Space in place of a click.
void BuildGridView(EditControls& c, QWidget* form) {
  c.picCrossBase = Named(new CellBoard(form), "picCrossBase");
  c.picCrossBase->SetCellSize(Width1Cell, Height1Cell);
  c.picCrossBase->setFocusPolicy(Qt::StrongFocus);
  c.picCrossBase->setToolTip("矢印キーでマスを選び、スペースキーで黒マス(壁)を置く・外す");
  c.picCrossBase->move(GridViewOrigin());
  const std::array<QString, 4> across = {"◀◀", "◀", "▶", "▶▶"};
  const std::array<QString, 4> down = {"▲▲", "▲", "▼", "▼▼"};
  for (int kind = 1; kind <= 4; ++kind) {
    c.lblCrossStageMoveH[kind] =
        Named(new ClickLabel(across[kind - 1], form), Indexed("lblCrossStageMoveH", kind));
    c.lblCrossStageMoveH[kind]->setGeometry(MoveLabelGeometryH(kind));
    c.lblCrossStageMoveV[kind] =
        Named(new ClickLabel(down[kind - 1], form), Indexed("lblCrossStageMoveV", kind));
    c.lblCrossStageMoveV[kind]->setGeometry(MoveLabelGeometryV(kind));
    // The font's left and right triangles are drawn smaller than its up and down ones.
    for (QLabel* label : {c.lblCrossStageMoveH[kind], c.lblCrossStageMoveV[kind]}) {
      QFont arrows = label->font();
      arrows.setPixelSize(label == c.lblCrossStageMoveH[kind] ? 26 : 16);
      label->setFont(arrows);
      label->setAlignment(Qt::AlignCenter);
      label->hide();
    }
  }
}

void BuildOutsidePages(EditControls& c, QWidget* form) {
  auto* title = Named(new QLabel("Gridwright ver.3.04", form), "lblTitle");
  title->setGeometry(TitleGeometry());
  QFont titleFont = title->font();
  titleFont.setPointSize(20);
  titleFont.setBold(true);
  title->setFont(titleFont);
  BuildGridView(c, form);
  c.tmrInfoMaking = Named(new QTimer(form), "tmrInfoMaking");
  c.tmrInfoMaking->setInterval(500);
}

// Made after the pages, so that Tab reaches them after the page's controls.
void BuildCornerLabels(EditControls& c, QWidget* form) {
  c.lblHelp = Named(new ClickLabel("ヘルプ", form), "lblHelp");
  c.lblHelp->setGeometry(HelpLabelGeometry());
  c.lblEnd = Named(new ClickLabel("終了", form), "lblEnd");
  c.lblEnd->setGeometry(EndLabelGeometry());
  c.lblHelp->LookLikeLink();
  c.lblEnd->LookLikeLink();
}

}  // namespace

EditControls BuildEditControls(QWidget* form) {
  EditControls c;
  BuildOutsidePages(c, form);
  BuildPage1(c, form);
  BuildPage2(c, form);
  BuildPage3(c, form);
  BuildPage4(c, form);
  BuildPage5(c, form);
  BuildPage6(c, form);
  BuildCornerLabels(c, form);
  return c;
}

}  // namespace crossword::ui

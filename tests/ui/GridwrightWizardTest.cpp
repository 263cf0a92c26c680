#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "common/GridSettingsFile.h"
#include "common/WordSlots.h"
#include "designer/engine/GridDesigner.h"
#include "designer/ui/StageRunProgress.h"
#include "tests/designer/DesignerRecorder.h"
#include "tests/support/GridText.h"
#include "tests/ui/GridwrightDriver.h"

// Gridwright's pages from the mode choice to the written grid settings file.
namespace crossword::testing {

namespace {

const char kNoWalls[] = "壁（黒マス）が設定されていません。";
const char kWallsSideBySide[] = "いくつかの壁が縦や横に連続しています。";
const char kCutOff[] = "いくつかのマス目が壁に囲まれて孤立しています。";
const char kTooLong[] = "辞書には 12文字の単語までしか登録されていません";
const char kMade[] = "マス設定ファイル(標準日本語辞書.gst)が生成されました。";

std::filesystem::path GridFile(const Gridwright& app) {
  return app.folder / "標準日本語辞書.gst";
}

// A started window whose default dictionary holds `perLength` words of every length.
void StartWithWords(Gridwright& app, int perLength) {
  WriteTestDictionary(app.DefaultDictionary(), perLength);
  QVERIFY(app.Start());
}

// What the engine writes for this grid in the custom mode, without a window.
std::string EngineFile(const Gridwright& app, const CrossMasMarks& marks) {
  TempFolder folder;
  DesignerRecorder recorder;
  GridDesigner designer(recorder, app.folder.Path().string());
  designer.UseDictionary(app.DefaultDictionary().string(), WordsOfEveryLength(20));
  designer.ChooseMakeFile((folder / designer.Files.MakeFileName).string());
  designer.FileRun().MakeMode = MakeModeCustom;
  designer.Grid().TakeLayout(marks, CountWords(marks));
  designer.RunMakeFile();
  return ReadBytes(folder / designer.Files.MakeFileName);
}

}  // namespace

class GridwrightWizardTest : public QObject {
  Q_OBJECT

 private slots:
  void CustomPathWritesWhatTheEngineWrites() {
    Gridwright app;
    StartWithWords(app, 20);
    app.Click("optMakeMode(2)");
    app.Click("cmdNext(1)");
    app.Click("optMasSizePattern(5)");
    app.Type("txtMasSizeCustom(1)", "6");
    app.Type("txtMasSizeCustom(2)", "5");
    app.Click("cmdSetMasSize");
    app.ClickCell(3, 3);  // page 2: cells do not change
    QVERIFY(!app.IsWall(3, 3));
    app.Click("cmdNext(2)");
    QCOMPARE(app.form->ShownPage(), 3);

    app.ClickCell(3, 3);
    app.ClickCell(5, 2);
    QCOMPARE(app.Text("lblNowBarNmb"), QString("2"));
    app.ClickCell(1, 1);
    app.ClickCell(1, 1);  // a second click opens the cell again
    const CrossMasMarks marks = MarksFromRows({"......", "....#.", "..#...", "......", "......"});
    QVERIFY(app.BoardMarks() == marks);
    QCOMPARE(app.Text("lblNowBarNmb"), QString("2"));
    QCOMPARE(app.Text("lblWordNmbMax"), QString::number(CountWords(marks).QuesNmbMax));

    app.Click("cmdNext(3)");
    QCOMPARE(app.form->ShownPage(), 4);
    app.ClickCell(1, 1);  // page 4: cells do not change
    app.Click("cmdNext(4)");
    QCOMPARE(app.messages.FirstLines(), std::vector<std::string>{kMade});
    QCOMPARE(app.Find<QPushButton>("cmdNext(4)")->text(), QString("完了"));
    QVERIFY(!app.Find<QPushButton>("cmdBack(4)")->isEnabled());
    QCOMPARE(ReadBytes(GridFile(app)), EngineFile(app, marks));

    QSignalSpy ended(app.form.get(), &ui::frmEdit::ended);
    app.Click("cmdNext(4)");
    QCOMPARE(ended.count(), 1);
  }

  void LeavingPage2WarnsAboveFourHundredCells() {
    Gridwright app;
    StartWithWords(app, 20);
    app.OpenCustomGrid(20, 20);
    QVERIFY(app.messages.shown.empty());
    QCOMPARE(app.form->ShownPage(), 3);

    app.Click("cmdBack(3)");
    app.Type("txtMasSizeCustom(1)", "21");
    app.Click("cmdSetMasSize");
    app.Click("cmdNext(2)");  // No, the default answer
    QCOMPARE(app.messages.FirstLines(),
             std::vector<std::string>{"マス目の総計が 420 になっています。"});
    QCOMPARE(app.form->ShownPage(), 2);
    app.messages.answers = {AnswerYes};
    app.Click("cmdNext(2)");
    QCOMPARE(app.form->ShownPage(), 3);
  }

  // A grid narrower than five cells is replaced when page 2 is left; a size that is no
  // whole number is refused with a box and changes nothing.
  void LeavingPage2ReplacesTooSmallGridsAndRefusesBadSizes() {
    Gridwright app;
    StartWithWords(app, 20);
    app.OpenCustomGrid(4, 9);
    QCOMPARE(app.Text("lblMasSize(1)"), QString("4"));
    app.Click("cmdBack(3)");
    app.Click("optMasSizePattern(1)");
    app.Click("cmdNext(2)");
    const int width = app.Text("lblMasSize(1)").toInt();
    QVERIFY(width >= 5 && width <= 7);

    app.Click("cmdBack(3)");
    app.Click("optMasSizePattern(5)");
    app.Type("txtMasSizeCustom(1)", "x9");
    app.Click("cmdSetMasSize");
    QCOMPARE(app.messages.shown.size(), 1u);
    QCOMPARE(app.messages.shown[0].Title, std::string("チェック：マス目の数"));
    QCOMPARE(app.messages.shown[0].Lines,  // without the engine's English
             std::vector<std::string>{
                 "マス目の数（横と縦）には 1 から 99 までの整数を指定してください。"});
    QCOMPARE(app.Text("lblMasSize(1)").toInt(), width);
  }

  void Page3WarningsLetTheAuthorChoose() {
    Gridwright app;
    StartWithWords(app, 20);
    app.OpenCustomGrid(5, 5);
    app.Click("cmdNext(3)");
    QCOMPARE(app.form->ShownPage(), 3);
    app.messages.answers = {AnswerYes};
    app.Click("cmdNext(3)");
    QCOMPARE(app.form->ShownPage(), 4);
    QCOMPARE(app.messages.FirstLines(), (std::vector<std::string>{kNoWalls, kNoWalls}));

    app.Click("cmdBack(4)");
    app.ClickCell(1, 1);
    app.ClickCell(2, 1);
    app.Click("cmdNext(3)");
    QCOMPARE(app.form->ShownPage(), 3);
    app.messages.answers = {AnswerYes};
    app.Click("cmdNext(3)");
    QCOMPARE(app.form->ShownPage(), 4);
    QCOMPARE(app.messages.FirstLines().back(), std::string(kWallsSideBySide));
  }

  void CutOffCellsAreMarkedWhileTheWarningIsShown() {
    Gridwright app;
    StartWithWords(app, 20);
    app.OpenCustomGrid(5, 5);
    app.ClickCell(5, 4);
    app.ClickCell(4, 5);
    std::vector<QPoint> marked;
    app.messages.onShow = [&](const CatalogueMessage&) {
      auto* board = app.Find<ui::CellBoard>("picCrossBase");
      for (int y = 1; y <= 5; ++y) {
        for (int x = 1; x <= 5; ++x) {
          if (board->Cell(x, y).marked) marked.emplace_back(x, y);
        }
      }
    };
    app.Click("cmdNext(3)");
    QCOMPARE(app.messages.FirstLines(), std::vector<std::string>{kCutOff});
    QCOMPARE(marked, std::vector<QPoint>{QPoint(5, 5)});
    QVERIFY(!app.Find<ui::CellBoard>("picCrossBase")->Cell(5, 5).marked);
    QCOMPARE(app.form->ShownPage(), 3);
    app.messages.answers = {AnswerYes};
    app.Click("cmdNext(3)");
    QCOMPARE(app.form->ShownPage(), 4);
  }

  void SlotLongerThanTwelveKeepsPage3() {
    Gridwright app;
    StartWithWords(app, 20);
    app.OpenCustomGrid(13, 5);
    app.messages.answers = {AnswerYes};
    app.Click("cmdNext(3)");
    QCOMPARE(app.messages.FirstLines(), (std::vector<std::string>{kNoWalls, kTooLong}));
    QCOMPARE(app.form->ShownPage(), 3);
  }

  void AutomaticWallsRefuseASecondPressWhileTheyArePlaced() {
    Gridwright app;
    StartWithWords(app, 500);
    app.OpenCustomGrid(9, 9);
    bool buttonEnabledMeanwhile = true;
    bool progressShownMeanwhile = false;
    QTimer::singleShot(0, [&] {
      buttonEnabledMeanwhile = app.Find<QPushButton>("cmdSetMasBar")->isEnabled();
      progressShownMeanwhile = app.Find<QLabel>("lblInfoMaking(3)")->isVisible();
    });
    app.Click("cmdSetMasBar");
    QVERIFY(!buttonEnabledMeanwhile);
    QVERIFY(progressShownMeanwhile);
    QVERIFY(app.Find<QPushButton>("cmdSetMasBar")->isEnabled());
    QVERIFY(!app.Find<QLabel>("lblInfoMaking(3)")->isVisible());
    const CrossMasMarks walls = app.BoardMarks();
    QVERIFY(CountWalls(walls) > 0);
    QCOMPARE(app.Text("lblNowBarNmb"), QString::number(CountWalls(walls)));
    QCOMPARE(app.Text("lblWordNmbMax"), QString::number(CountWords(walls).QuesNmbMax));
  }

  void FailedAutomaticWallsLeaveAnEmptyGrid() {
    Gridwright app;
    StartWithWords(app, 1);
    app.OpenCustomGrid(7, 7);
    app.Click("cmdSetMasBar");
    QCOMPARE(app.messages.FirstLines(),
             std::vector<std::string>{"壁（黒マス）の配置に 10 回挑戦しました。"});
    QCOMPARE(CountWalls(app.BoardMarks()), 0);
    QCOMPARE(app.Text("lblNowBarNmb"), QString("0"));
    QCOMPARE(app.Text("lblWordNmbMax"), QString("0"));
  }

  void MoveLabelsScrollALargeGrid() {
    Gridwright app;
    StartWithWords(app, 20);
    app.OpenCustomGrid(11, 10);
    QVERIFY(!app.Find<QLabel>("lblCrossStageMoveH(1)")->isVisible());
    QVERIFY(!app.Find<QLabel>("lblCrossStageMoveV(1)")->isVisible());
    app.Click("cmdBack(3)");
    app.Type("txtMasSizeCustom(1)", "12");
    app.Type("txtMasSizeCustom(2)", "12");
    app.Click("cmdSetMasSize");
    auto* board = app.Find<ui::CellBoard>("picCrossBase");
    QVERIFY(app.Find<QLabel>("lblCrossStageMoveH(1)")->isVisible());
    QVERIFY(app.Find<QLabel>("lblCrossStageMoveV(1)")->isVisible());
    app.Click("lblCrossStageMoveH(3)");
    app.Click("lblCrossStageMoveH(3)");
    QCOMPARE(board->ViewX(), 2);
    app.Click("lblCrossStageMoveH(2)");
    QCOMPARE(board->ViewX(), 1);
    app.Click("lblCrossStageMoveV(4)");
    QCOMPARE(board->ViewY(), 3);
    app.Click("lblCrossStageMoveV(1)");
    QCOMPARE(board->ViewY(), 1);
  }

  // The arrows move a cell cursor that the view follows; Space toggles its cell as a click
  // does, and the cursor stops at the grid's edges.
  void TheKeyboardPlacesWallsAndScrollsTheView() {
    Gridwright app;
    StartWithWords(app, 20);
    app.OpenCustomGrid(12, 12);
    auto* board = app.Find<ui::CellBoard>("picCrossBase");
    app.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
    board->setFocus();
    for (int i = 0; i < 12; ++i) QTest::keyClick(board, Qt::Key_Right);  // the last one stops
    QCOMPARE(board->CursorCell(), QPoint(12, 1));
    QCOMPARE(board->ViewX(), 2);
    QTest::keyClick(board, Qt::Key_Space);
    for (int i = 0; i < 11; ++i) QTest::keyClick(board, Qt::Key_Down);
    QCOMPARE(board->ViewY(), 3);
    QTest::keyClick(board, Qt::Key_Space);
    QTest::keyClick(board, Qt::Key_Up);
    QCOMPARE(board->ViewY(), 3);  // still in sight: the view stays
    QVERIFY(app.IsWall(12, 1));
    QVERIFY(app.IsWall(12, 12));
    QCOMPARE(app.Text("lblNowBarNmb"), QString("2"));
  }

  // Enter presses the focused button; the help and end labels follow the page's controls
  // in the Tab order and take Enter too.
  void EnterPressesTheFocusedControl() {
    Gridwright app;
    StartWithWords(app, 20);
    app.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app.form.get()));
    auto* next = app.Find<QPushButton>("cmdNext(1)");
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), app.Find<QWidget>("lblHelp"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(app.messages.shown.size(), 1u);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), app.Find<QWidget>("lblEnd"));
    auto* details = app.Find<QPushButton>("cmdNextModeAuto");
    details->setFocus();
    QTest::keyClick(details, Qt::Key_Enter);
    QCOMPARE(app.form->ShownPage(), 5);
  }

  void FullAutoRunCompletesAndRepeatsWithTheFixedSequence() {
    std::string first;
    Gridwright app;
    WriteTestDictionary(app.DefaultDictionary(), 500);
    for (int start = 1; start <= 2; ++start) {
      app.messages.shown.clear();
      QVERIFY(app.Start());
      app.Click("chkNotRandomize");
      app.Click("cmdNext(1)");
      QCOMPARE(app.form->ShownPage(), 4);
      QVERIFY(!app.Find<QWidget>("picCrossBase")->isVisible());
      app.Click("cmdNext(4)");
      QCOMPARE(app.messages.FirstLines(), std::vector<std::string>{kMade});
      QCOMPARE(app.Find<QPushButton>("cmdNext(4)")->text(), QString("完了"));
      QVERIFY(!app.Find<QCheckBox>("chkNotRandomize")->isEnabled());
      const GridSettingsFile file(GridFile(app));
      QCOMPARE(file.CountStages(), 20);
      QVERIFY(app.Find<QWidget>("picCrossBase")->isVisible());  // the last stage made
      QVERIFY(app.BoardMarks() == file.LoadStagePattern(20).CrossMas);
      QCOMPARE(app.Text("lblMadeStageNmb"), QString("作成した面数　# 20"));
      if (start == 1) first = ReadBytes(GridFile(app));
    }
    QCOMPARE(ReadBytes(GridFile(app)), first);
  }

  void FailedFullAutoRunEndsAndGoesBackToPage1() {
    Gridwright app;
    StartWithWords(app, 1);
    app.Click("cmdNextModeAuto");
    app.Click("cmdNext(5)");
    app.Click("optMakeStageNmbAuto(1)");
    app.Click("cmdNext(6)");
    app.Click("cmdNext(1)");
    app.Click("cmdNext(4)");
    QCOMPARE(app.messages.FirstLines(),
             std::vector<std::string>{"すべての設定で壁（黒マス）の配置に挑戦しました。"});
    QCOMPARE(app.Find<QPushButton>("cmdNext(4)")->text(), QString("終了"));
    QCOMPARE(app.Text("lblMadeStageNmb"), QString("作成した面数　# 0"));
    QVERIFY(!std::filesystem::exists(GridFile(app)));
    app.Click("cmdBack(4)");
    QCOMPARE(app.form->ShownPage(), 1);
    QCOMPARE(app.Find<QPushButton>("cmdNext(4)")->text(), QString("実行"));
  }

  // The end is asked for while the run lets events through: it stops there and leaves
  // no grid file, not even a half one.
  void StopDuringTheRunEndsTheProgram() {
    Gridwright app;
    StartWithWords(app, 500);
    app.Click("cmdNext(1)");
    QString captionMeanwhile;
    QTimer::singleShot(0, [&] {
      captionMeanwhile = app.Find<QPushButton>("cmdNext(4)")->text();
      app.Click("cmdNext(4)");
    });
    QSignalSpy ended(app.form.get(), &ui::frmEdit::ended);
    app.Click("cmdNext(4)");
    QCOMPARE(captionMeanwhile, QString("中止"));
    QCOMPARE(ended.count(), 1);
    QVERIFY(app.messages.shown.empty());
    // Only the dictionary and its word index.
    QCOMPARE(std::distance(std::filesystem::directory_iterator(app.folder.Path()), {}), 2);
  }

  // 中止, the end label and closing the window all stop the run where it lets events
  // through; the stages finished before stay under the file's own name.
  void AStopAfterTwoStagesKeepsThem() {
    for (const QString how : {"cmdNext(4)", "lblEnd", "close"}) {
      Gridwright app;
      StartWithWords(app, 500);
      app.Click("cmdNext(1)");
      QTimer poll;
      QObject::connect(&poll, &QTimer::timeout, [&] {
        if (app.Text("lblNowMakingStageNmbAuto") != "3") return;
        poll.stop();
        how == "close" ? void(app.form->close()) : app.Click(how);
      });
      poll.start(0);
      QSignalSpy ended(app.form.get(), &ui::frmEdit::ended);
      app.Click("cmdNext(4)");
      QCOMPARE(ended.count(), 1);
      const auto file = app.folder / "標準日本語辞書.gst";
      QCOMPARE(GridSettingsFile(file).CountStages(), 2);
      QVERIFY(!std::filesystem::exists(file.string() + ".part"));
    }
  }

  void ClosingTheWindowDuringAPlacementEndsTheProgram() {
    Gridwright app;
    StartWithWords(app, 500);
    app.OpenCustomGrid(9, 9);
    QTimer::singleShot(0, [&] { app.form->close(); });
    QSignalSpy ended(app.form.get(), &ui::frmEdit::ended);
    app.Click("cmdSetMasBar");
    QCOMPARE(ended.count(), 1);
    QVERIFY(!app.form->isVisible());
  }

  void DetailPagesReachTheRun() {
    Gridwright app;
    StartWithWords(app, 500);
    app.Click("cmdNextModeAuto");
    app.Click("optMasSizePatternAuto(5)");
    QVERIFY(app.Find<QLineEdit>("txtMasSizeCustomAuto(1)")->isEnabled());
    app.Click("chkResetMasSize");
    app.Click("chkResetMasBarPattern");
    app.Click("cmdNext(5)");
    app.Click("optMakeStageNmbAuto(4)");
    app.Find<QScrollBar>("vsbCrossStageNmbAuto")->setValue(3);
    QCOMPARE(app.Text("lblCrossStageNmbAuto"), QString("3"));
    app.Click("cmdNext(6)");
    app.Click("cmdNext(1)");
    app.Click("cmdNext(4)");

    // Both boxes clear: one 9 x 9 grid is written as every stage.
    const GridSettingsFile file(GridFile(app));
    QCOMPARE(file.CountStages(), 3);
    const CrossGrid stage1 = file.LoadStagePattern(1);
    QCOMPARE(stage1.CrossMas.MasMaxX(), 9);
    QVERIFY(file.LoadStagePattern(3).CrossMas == stage1.CrossMas);
    QCOMPARE(file.ReadMasSizePattern(), 5);

    app.Click("cmdBack(4)");  // disabled after a complete run
    QCOMPARE(app.form->ShownPage(), 4);
  }

  // The count bar keeps its place whatever the width of the number beside it, and takes
  // the arrow keys, Page Up/Down and the wheel.
  void TheStageCountBarStaysPutAndTakesKeys() {
    Gridwright app;
    StartWithWords(app, 20);
    app.Click("cmdNextModeAuto");
    app.Click("cmdNext(5)");
    app.Click("optMakeStageNmbAuto(4)");
    auto* bar = app.Find<QScrollBar>("vsbCrossStageNmbAuto");
    const auto place = [&] {
      QCoreApplication::processEvents();
      return bar->mapTo(app.form.get(), QPoint());
    };
    bar->setValue(9);
    const QPoint at9 = place();
    bar->setValue(10);
    QCOMPARE(place(), at9);
    QVERIFY(bar->height() >= 60);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->rect().center());  // clicked: focused
    QVERIFY(bar->hasFocus());
    const int value = bar->value();
    QTest::keyClick(bar, Qt::Key_Down);
    QCOMPARE(bar->value(), value + 1);
    QTest::keyClick(bar, Qt::Key_PageUp);
    QCOMPARE(bar->value(), value + 1 - bar->pageStep());
    QWheelEvent wheel(QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &wheel);
    QVERIFY(bar->value() > value + 1 - bar->pageStep());
    QCOMPARE(app.Text("lblCrossStageNmbAuto"), QString::number(bar->value()));
  }

  // A size typed wrong stays as typed while other settings change, and the run refuses it
  // with the size box; the reset of the page writes the default size again.
  void TypedAutoSizeStaysAsTypedUntilTheReset() {
    Gridwright app;
    StartWithWords(app, 20);
    app.Click("cmdNextModeAuto");
    app.Click("optMasSizePatternAuto(5)");
    app.Type("txtMasSizeCustomAuto(2)", "1x");
    app.Click("optMasSizePatternAuto(4)");
    app.Click("optMasSizePatternAuto(5)");
    auto* height = app.Find<QLineEdit>("txtMasSizeCustomAuto(2)");
    QCOMPARE(height->text(), QString("1x"));
    app.Click("cmdNext(5)");
    app.Click("cmdNext(6)");
    app.Click("cmdNext(1)");
    app.Click("cmdNext(4)");
    QCOMPARE(app.messages.FirstLines(),
             std::vector<std::string>{
                 "マス目の数（横と縦）には 1 から 99 までの整数を指定してください。"});
    QVERIFY(!std::filesystem::exists(GridFile(app)));
    app.Click("cmdBack(4)");
    app.Click("cmdNextModeAuto");
    QCOMPARE(height->text(), QString("1x"));
    app.Click("cmdInitAuto(1)");
    QCOMPARE(height->text(), QString("9"));
    QVERIFY(app.form->Designer().FileRun().Auto.MasSizeCustomAuto == TypedMasSize{});
  }

  void DetailPagesReturnToTheirDefaults() {
    Gridwright app;
    StartWithWords(app, 20);
    app.Click("cmdNextModeAuto");
    app.Click("optMasSizePatternAuto(5)");
    app.Type("txtMasSizeCustomAuto(1)", "11");
    app.Click("chkResetMasSize");
    app.Click("optMasBarPatternAuto(3)");
    app.Click("cmdInitAuto(1)");
    QVERIFY(app.Find<QRadioButton>("optMasSizePatternAuto(1)")->isChecked());
    QCOMPARE(app.Find<QLineEdit>("txtMasSizeCustomAuto(1)")->text(), QString("9"));
    QVERIFY(!app.Find<QLineEdit>("txtMasSizeCustomAuto(1)")->isEnabled());
    QVERIFY(app.Find<QCheckBox>("chkResetMasSize")->isChecked());
    QVERIFY(app.Find<QRadioButton>("optMasBarPatternAuto(1)")->isChecked());

    app.Click("cmdNext(5)");
    app.Click("optMakeStageNmbAuto(4)");
    auto* count = app.Find<QScrollBar>("vsbCrossStageNmbAuto");
    count->setValue(37);
    app.Click("cmdInitAuto(2)");
    QCOMPARE(app.Text("lblCrossStageNmbAuto"), QString("25"));
    QVERIFY(app.Find<QRadioButton>("optMakeStageNmbAuto(3)")->isChecked());
    QVERIFY(!count->isEnabled());
    QCOMPARE(count->value(), 37);
    QCOMPARE(app.form->Designer().FileRun().Auto.StageNmbAuto(), 20);
  }

  // Both boxes start clear; each rules its own placements, and the first detail page's
  // reset clears its box.
  void TheTwoLetterBoxesRuleTheirOwnPlacements() {
    Gridwright app;
    StartWithWords(app, 500);
    const GridDesigner& designer = app.form->Designer();
    app.Click("cmdNextModeAuto");
    QVERIFY(!app.Find<QCheckBox>("chkNoTwoLetterAnswerAuto")->isChecked());
    app.Click("chkNoTwoLetterAnswerAuto");
    QCOMPARE(designer.FileRun().Auto.ShortestAnswerAuto, ShortestAnswerEnglish);
    app.Click("cmdInitAuto(1)");
    QVERIFY(!app.Find<QCheckBox>("chkNoTwoLetterAnswerAuto")->isChecked());
    QCOMPARE(designer.FileRun().Auto.ShortestAnswerAuto, AnswerLenMin);
    app.Click("chkNoTwoLetterAnswerAuto");
    app.Click("cmdBack(5)");

    app.OpenCustomGrid(9, 9);
    QVERIFY(!app.Find<QCheckBox>("chkNoTwoLetterAnswer")->isChecked());
    QCOMPARE(designer.ShortestAnswer, AnswerLenMin);
    app.Click("chkNoTwoLetterAnswer");
    QCOMPARE(designer.ShortestAnswer, ShortestAnswerEnglish);
    app.Click("cmdSetMasBar");
    QVERIFY(CountWalls(app.BoardMarks()) > 0);
    QVERIFY(!FindShortSlot(app.BoardMarks(), ShortestAnswerEnglish));
  }

  // The time left is told once a stage has been made slowly, at the pace of those made.
  void SlowFullAutoRunsEstimateTheTimeLeft() {
    struct Case {
      int begun;
      double elapsed;
      const char* text;
    };
    const Case cases[] = {
        {1, 90.0, ""},  // nothing made yet
        {3, 3.0, ""},   // fast stages need no estimate
        {3, 100.0, "残り 約 15 分（1 面 約 50 秒）"},
        {20, 190.0, "残り 約 10 秒（1 面 約 10 秒）"},
    };
    for (const Case& c : cases) {
      ui::StageRunProgress progress;
      progress.Start(20);
      progress.BeginStage(c.begun);
      QCOMPARE(progress.TimeLeftText(c.elapsed), std::string(c.text));
      QCOMPARE(progress.StagesMade(true), c.begun);
      QCOMPARE(progress.StagesMade(false), c.begun - 1);
    }
  }

  void HelpLabelShowsTheHelpBox() {
    Gridwright app;
    StartWithWords(app, 20);
    app.Click("lblHelp");
    QCOMPARE(app.messages.shown.size(), 1u);
    QCOMPARE(app.messages.shown[0].Title, std::string("ヘルプ"));
    QVERIFY(!app.messages.shown[0].Foreground);
  }
};

}  // namespace crossword::testing

QTEST_MAIN(crossword::testing::GridwrightWizardTest)
#include "GridwrightWizardTest.moc"

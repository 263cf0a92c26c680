#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>

#include "common/FileOps.h"
#include "common/GridSettingsFile.h"
#include "dictionary/DictionaryWriter.h"
#include "generator/ui/GeneratorWindow.h"
#include "puzzle/PuzzleFile.h"
#include "tests/support/GridText.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/FakeDialogs.h"

using namespace crossword;
using crossword::testing::Cp932Lines;
using crossword::testing::FakeDialogs;
using crossword::testing::FakeMessages;
using crossword::testing::MarksFromRows;
using crossword::testing::TempFolder;
using crossword::ui::GeneratorWindow;
using crossword::ui::RunPage;
using crossword::ui::SelectionPage;
namespace fs = std::filesystem;

namespace {

const std::string kGridFileMissing = "チェック：マス設定ファイルの指定";
const std::string kDictionaryMissing = "チェック：辞書ファイルのフォルダ";
const std::string kPuzzleFileRenamed = "ご注意：Puzsetファイルの変更";
const std::string kNothingMade = "チェック：Lexset辞書の単語数　または　Gridwrightでのデザイン";
const std::string kCompleted = "作成完了";
const std::string kFileProblem = "エラー！：ファイル";
const std::string kDictionary = "標準日本語辞書.lxd";

std::vector<std::string> Titles(const FakeMessages& messages) {
  std::vector<std::string> titles;
  for (const CatalogueMessage& message : messages.shown) titles.push_back(message.Title);
  return titles;
}

int Count(const FakeMessages& messages, const std::string& title) {
  const auto titles = Titles(messages);
  return static_cast<int>(std::count(titles.begin(), titles.end(), title));
}

// Every reading of three letters from ア, イ, ウ: enough for any 3 x 3 grid. The first
// three are category 2, too few to fill one alone; the rest category 1. Lists 1 and 2
// take every third word each.
std::vector<WordRecord> ThreeLetterWords() {
  const std::u32string letters = U"アイウ";
  std::vector<WordRecord> words;
  for (char32_t a : letters) {
    for (char32_t b : letters) {
      for (char32_t c : letters) {
        const int ID = static_cast<int>(words.size()) + 1;
        words.push_back(
            {ID, {a, b, c}, U"問" + std::u32string(1, a), {a, b, c}, ID <= 3 ? 2 : 1, ID % 3});
      }
    }
  }
  return words;
}

// Rank columns: both categories in rank 1, only 1 in rank 2, only 2 in rank 3; list 1
// free in rank 1 and one word per grid in rank 3, list 2 the other way round.
const std::string kIndexText = Cp932Lines({
    "出題分野と一覧の索引",
    ";次行より「分野」",
    "●生き物",
    "01動物,yes,yes,no,no,no",
    "02植物,yes,no,yes,no,no",
    ";ここまで",
    ";次行より「リスト」",
    "01国名,yes,no,1,no,no",
    "02県名,1,yes,yes,no,no",
    ";ここまで",
});

// A program folder with the default dictionary and its index file, and a second folder.
struct Folders {
  Folders() {
    fs::create_directories(program);
    fs::create_directories(other);
    WriteDictionary(program / kDictionary, ThreeLetterWords());
    folder.Write("bin/標準日本語辞書.idx", kIndexText);
  }

  // A grid settings file of 3 x 3 open grids naming the default dictionary.
  fs::path WriteGrid(const fs::path& path, int MasSizePattern = 1, int stages = 1) const {
    GridSettingsWriter writer(path);
    writer.WriteGridHeader({program.string() + "/", kDictionary, 0, MasSizePattern});
    for (int n = 1; n <= stages; ++n)
      writer.WriteGridStage(n, MarksFromRows({"...", "...", "..."}));
    writer.Commit();
    return path;
  }

  TempFolder folder;
  fs::path program = folder / "bin";
  fs::path other = folder / "other";
};

}  // namespace

class GeneratorWindowTest : public QObject {
  Q_OBJECT

  // A started window on the default grid settings file of the program folder.
  struct Started {
    explicit Started(int MasSizePattern = 1) {
      folders.WriteGrid(folders.program / "標準日本語辞書.gst", MasSizePattern);
      window.show();
      QVERIFY(window.StartUp());
    }
    Folders folders;
    FakeMessages presenter;
    FakeDialogs dialogs;
    GeneratorWindow window{folders.program.string(), &presenter, &dialogs};
  };

  static void GoToRunPage(GeneratorWindow& window) {
    QTest::mouseClick(window.Page1()->cmdNext, Qt::LeftButton);
    QTest::mouseClick(window.Page2()->cmdNext, Qt::LeftButton);
  }

  // An option or check box takes a click on its mark or its caption, not on the space
  // beside them.
  static void ClickIndicator(QAbstractButton* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }

  static QString RunCaption(const GeneratorWindow& window) {
    return window.Page3()->cmdNext->text();
  }

 private slots:
  void FirstStartAsksForAGridFileUntilCancelled() {
    Folders folders;
    FakeMessages presenter;
    FakeDialogs dialogs;
    dialogs.answers = {folders.other / "missing.gst"};
    presenter.answers = {AnswerOk, AnswerOk, AnswerCancel};
    GeneratorWindow window(folders.program.string(), &presenter, &dialogs);
    QSignalSpy ended(&window, &GeneratorWindow::ProgramEnded);

    QVERIFY(!window.StartUp());
    QCOMPARE(Count(presenter, kGridFileMissing), 3);
    QCOMPARE(presenter.shown.size(), size_t(3));
    QCOMPARE(dialogs.calls.size(), size_t(2));
    for (const auto& call : dialogs.calls) {
      QVERIFY(!call.save);
      QCOMPARE(call.initialPath, QString::fromStdString(folders.program.string() + "/*.gst"));
      QCOMPARE(call.filter, QString("Gridset ﾌｧｲﾙ (*.gst)|*.gst|"));
    }
    QCOMPARE(ended.count(), 1);
    QVERIFY(window.HasEnded());
  }

  void FirstStartTakesTheGridFileChosen() {
    Folders folders;
    const fs::path chosen = folders.WriteGrid(folders.other / "abc.gst");
    FakeMessages presenter;
    FakeDialogs dialogs;
    dialogs.answers = {chosen};
    GeneratorWindow window(folders.program.string(), &presenter, &dialogs);

    QVERIFY(window.StartUp());
    QCOMPARE(Titles(presenter), (std::vector<std::string>{kGridFileMissing, kPuzzleFileRenamed}));
    const std::string folder = folders.other.string() + "/";
    QCOMPARE(window.Engine().MakeDir, folder);
    QCOMPARE(window.Engine().MakeFile, std::string("abc.gst"));
    QCOMPARE(window.Engine().PlayFile, std::string("abc.pzs"));
    QCOMPARE(window.Engine().PlayDir, folder);
    QCOMPARE(window.Page1()->lblPlayFile[1]->text(), QString("abc.pzs"));
    QCOMPARE(window.Page1()->lblPlayFile[2]->text(), QString::fromStdString(folder));
    QCOMPARE(window.Page1()->lblMakeFile[2]->text(), QString::fromStdString(folder));
    QCOMPARE(window.Page1()->lblMakeFile[3]->text(), QString::fromStdString(kDictionary));
    QCOMPARE(window.Page1()->lblStagePatternNmbMax->text(), QString("1"));
    QCOMPARE(window.Page3()->lblInfoMakeFileName->text(), QString("abc.pzs"));
  }

  void MissingDictionaryEndsTheProgram() {
    Folders folders;
    fs::remove(folders.program / kDictionary);
    folders.WriteGrid(folders.program / "標準日本語辞書.gst");
    FakeMessages presenter;
    GeneratorWindow window(folders.program.string(), &presenter);
    QVERIFY(!window.StartUp());
    QCOMPARE(Titles(presenter), std::vector<std::string>{kDictionaryMissing});
  }

  // A grid file that cannot be read is named in a box and not used: at start the program
  // asks for another, later the page cannot be left until one loads.
  void UnreadableGridFileIsReported() {
    Folders folders;
    folders.folder.Write("bin/標準日本語辞書.gst", Cp932Lines({"no grid here"}));
    FakeMessages presenter;
    FakeDialogs dialogs;
    presenter.answers = {AnswerOk, AnswerOk};
    dialogs.answers = {folders.folder / "bin/標準日本語辞書.gst",
                       folders.WriteGrid(folders.other / "good.gst")};
    GeneratorWindow window(folders.program.string(), &presenter, &dialogs);
    QVERIFY(window.StartUp());
    QCOMPARE(Titles(presenter),
             (std::vector<std::string>{kFileProblem, kGridFileMissing, kFileProblem,
                                       kGridFileMissing, kPuzzleFileRenamed}));
    QCOMPARE(presenter.shown[0].Lines.at(2),
             "ファイル：" + (folders.folder / "bin/標準日本語辞書.gst").string());
    QVERIFY(window.Page1()->cmdNext->isEnabled());

    // A broken file chosen later leaves the good one in use.
    dialogs.answers = {folders.folder / "bin/標準日本語辞書.gst"};
    QTest::mouseClick(window.Page1()->cmdMakeFile, Qt::LeftButton);
    QCOMPARE(Titles(presenter).back(), kFileProblem);
    QVERIFY(window.Page1()->cmdNext->isEnabled());
    QCOMPARE(window.Page1()->lblMakeFile[1]->text(), QString("good.gst"));
    QCOMPARE(window.Page1()->lblPlayFile[1]->text(), QString("good.pzs"));
  }

  // Another grid file later on: new names, message 11, the rank of its size pattern.
  void ChangingTheGridAndPuzzleFiles() {
    Started started;
    started.folders.WriteGrid(started.folders.other / "big.gst", 3, 4);
    started.dialogs.answers = {started.folders.other / "big.gst"};
    QTest::mouseClick(started.window.Page1()->cmdMakeFile, Qt::LeftButton);
    QCOMPARE(Titles(started.presenter), std::vector<std::string>{kPuzzleFileRenamed});
    QCOMPARE(started.window.Page1()->lblMakeFile[1]->text(), QString("big.gst"));
    QCOMPARE(started.window.Page1()->lblStagePatternNmbMax->text(), QString("4"));
    QVERIFY(started.window.Page2()->optDifficultRank[2]->isChecked());

    started.dialogs.answers = {started.folders.program / "out.txt"};
    QTest::mouseClick(started.window.Page1()->cmdPlayFile, Qt::LeftButton);
    const auto& save = started.dialogs.calls.back();
    QVERIFY(save.save);
    QCOMPARE(save.initialPath, QString::fromStdString(started.folders.other.string() + "/big.pzs"));
    QCOMPARE(save.filter, QString("Puzset ﾌｧｲﾙ (*.pzs)|*.pzs|"));
    QCOMPARE(started.window.Page1()->lblPlayFile[1]->text(), QString("out.pzs"));
    QCOMPARE(started.window.Page3()->lblInfoMakeFileName->text(), QString("out.pzs"));
    QCOMPARE(started.window.Engine().PlayDir, started.folders.program.string() + "/");

    // A cancelled dialog changes nothing.
    QTest::mouseClick(started.window.Page1()->cmdPlayFile, Qt::LeftButton);
    QTest::mouseClick(started.window.Page1()->cmdMakeFile, Qt::LeftButton);
    QCOMPARE(started.window.Engine().PlayFile, std::string("out.pzs"));
    QCOMPARE(started.window.Engine().MakeFile, std::string("big.gst"));
    QCOMPARE(started.presenter.shown.size(), size_t(1));
  }

  void TitleNamesThePuzzleFileOnceThePageIsLeft() {
    Started started;
    QCOMPARE(started.window.lblQues->text(), QString("ＰＵＺＳＥＴ用ファイルの自動生成プログラム"));
    QTest::mouseClick(started.window.Page1()->cmdNext, Qt::LeftButton);
    QCOMPARE(started.window.VisiblePage(), 2);
    QCOMPARE(started.window.lblQues->text(),
             QString("ＰＵＺＳＥＴ用ファイル 標準日本語辞書.pzs の生成"));
    QTest::mouseClick(started.window.Page2()->cmdBack, Qt::LeftButton);
    QCOMPARE(started.window.VisiblePage(), 1);
  }

  // Pattern 1 selects 初級 and applies field 2 of each row; the detail buttons wait for
  // option 6; the page buttons lead to the tables and back.
  void RankFromTheGridAndTheBoxesItApplies() {
    Started started(1);
    GeneratorWindow& window = started.window;
    QVERIFY(window.Page2()->optDifficultRank[1]->isChecked());
    QVERIFY(!window.Page2()->cmdCategory->isEnabled());
    QVERIFY(!window.Page2()->cmdBlockList->isEnabled());
    QCOMPARE(window.Page4()->ItemCount(), 2);
    QCOMPARE(window.Page4()->Headings().size(), size_t(1));
    QCOMPARE(window.Page4()->Headings()[0]->text(), QString("●生き物"));
    QCOMPARE(window.Page4()->ItemBox(2)->text(), QString("植物"));
    QVERIFY(window.Page4()->ItemBox(1)->isChecked());
    QVERIFY(window.Page4()->ItemBox(2)->isChecked());
    QVERIFY(window.Page5()->ItemBox(1)->isChecked());
    QVERIFY(!window.Page5()->ItemBox(2)->isChecked());
    QVERIFY(window.Page5()->InItemBox(2)->isChecked());
    QVERIFY(window.Page5()->InItemBox(2)->isEnabled());

    QTest::mouseClick(window.Page1()->cmdNext, Qt::LeftButton);
    ClickIndicator(window.Page2()->optDifficultRank[3]);
    QVERIFY(!window.Page4()->ItemBox(1)->isChecked());
    QVERIFY(window.Page5()->InItemBox(1)->isChecked());
    QVERIFY(window.Page5()->ItemBox(2)->isChecked());
    QVERIFY(!window.Page5()->InItemBox(2)->isEnabled());

    ClickIndicator(window.Page2()->optDifficultRank[6]);
    QVERIFY(window.Page2()->cmdCategory->isEnabled());
    QVERIFY(!window.Page4()->ItemBox(1)->isChecked());  // option 6 keeps the boxes
    QTest::mouseClick(window.Page2()->cmdCategory, Qt::LeftButton);
    QCOMPARE(window.VisiblePage(), 4);
    QTest::mouseClick(window.Page4()->cmdClass[1], Qt::LeftButton);
    QVERIFY(window.Page4()->ItemBox(1)->isChecked());
    QTest::mouseClick(window.Page4()->cmdOk, Qt::LeftButton);
    QTest::mouseClick(window.Page2()->cmdBlockList, Qt::LeftButton);
    QCOMPARE(window.VisiblePage(), 5);
    QTest::mouseClick(window.Page5()->cmdOk, Qt::LeftButton);
    QCOMPARE(window.VisiblePage(), 2);
  }

  void CustomGridSelectsTheTopRank() {
    Started started(0);
    QVERIFY(started.window.Page2()->optDifficultRank[3]->isChecked());
  }

  // Unchecking a list frees its "全体で１問出題" box and ticks it; checking it again
  // takes both back.
  void ListBoxesAreLinked() {
    Started started;
    GeneratorWindow& window = started.window;
    QTest::mouseClick(window.Page1()->cmdNext, Qt::LeftButton);
    ClickIndicator(window.Page2()->optDifficultRank[6]);
    QTest::mouseClick(window.Page2()->cmdBlockList, Qt::LeftButton);
    QCheckBox* list = window.Page5()->ItemBox(1);
    QCheckBox* whole = window.Page5()->InItemBox(1);
    QVERIFY(list->isChecked());
    QVERIFY(!whole->isEnabled());
    ClickIndicator(list);
    QVERIFY(!list->isChecked());
    QVERIFY(whole->isEnabled());
    QVERIFY(whole->isChecked());
    ClickIndicator(whole);
    QVERIFY(!whole->isChecked());
    QVERIFY(whole->isEnabled());
    ClickIndicator(list);
    QVERIFY(list->isChecked());
    QVERIFY(!whole->isEnabled());
    QVERIFY(!whole->isChecked());
  }

  void ElapsedTimeEverySecondTick() {
    Started started;
    GeneratorWindow& window = started.window;
    QLabel* time = window.Page3()->lblInfoTime;
    QLabel* state = window.Page3()->lblInfoMaking;
    window.tmrInfoMaking_Timer(59);
    QCOMPARE(state->text(), QString("■思案中"));
    QCOMPARE(time->text(), QString("-"));
    window.tmrInfoMaking_Timer(59);
    QCOMPARE(state->text(), QString("□思案中"));
    QCOMPARE(time->text(), QString("59"));
    window.tmrInfoMaking_Timer(60);
    window.tmrInfoMaking_Timer(60);
    QCOMPARE(time->text(), QString("1:0"));
    window.tmrInfoMaking_Timer(125);
    QCOMPARE(time->text(), QString("1:0"));
    window.tmrInfoMaking_Timer(125);
    QCOMPARE(time->text(), QString("2:5"));
  }

  void LimitsPanelAndItsBars() {
    Started started;
    RunPage* page = started.window.Page3();
    QVERIFY(page->fraInfoData->isHidden());
    QCOMPARE(page->cmdInfoData->text(), QString("作業限度値の表示と設定"));
    QTest::mouseClick(page->cmdInfoData, Qt::LeftButton);
    QVERIFY(!page->fraInfoData->isHidden());
    QCOMPARE(page->cmdInfoData->text(), QString("作業経過非表示"));
    QCOMPARE(page->lblRestartMax->text(), QString("50"));
    QCOMPARE(page->lblRetryMax->text(), QString("25"));
    QCOMPARE(page->lblHistoryMax->text(), QString("50"));
    page->vsbRestartMax->triggerAction(QScrollBar::SliderPageStepSub);
    page->vsbHistoryMax->setValue(999);
    QCOMPARE(started.window.Engine().RestartMax, 40);
    QCOMPARE(page->lblRestartMax->text(), QString("40"));
    QCOMPARE(started.window.Engine().Exact().HistoryMax(), 999);
    page->hsbShowSpeed->setValue(30);
    QCOMPARE(started.window.Engine().ShowSpeed, 0.3);
    QCOMPARE(page->chkThoroughSearch->text(),
             QString("失敗しにくい探索（難易度に合う言葉を選ぶ）"));
    QVERIFY(!page->fraInfoData->isAncestorOf(page->chkThoroughSearch));  // shown beside the count
    QVERIFY(!page->chkThoroughSearch->isChecked());
    QVERIFY(started.window.Engine().Search == FillSearch::Exact);
    QTest::mouseClick(page->chkThoroughSearch, Qt::LeftButton);
    QVERIFY(started.window.Engine().Search == FillSearch::Thorough);
    QTest::mouseClick(page->cmdInfoData, Qt::LeftButton);
    QVERIFY(page->fraInfoData->isHidden());
  }

  // Untouched, the bar reads 1 under a label of 10; one step down makes 2.
  void StageCountBar() {
    Started started;
    RunPage* page = started.window.Page3();
    QCOMPARE(page->vsbCrossStageNmb->value(), 1);
    QCOMPARE(page->lblMakingNmbMax->text(), QString("10"));
    page->vsbCrossStageNmb->triggerAction(QScrollBar::SliderSingleStepAdd);
    QCOMPARE(page->lblMakingNmbMax->text(), QString("2"));
    GoToRunPage(started.window);
    QTest::mouseClick(page->cmdNext, Qt::LeftButton);
    QCOMPARE(RunCaption(started.window), QString("完了"));
    QCOMPARE(ReadPuzzleFile(started.folders.program / "標準日本語辞書.pzs").Stages.size(),
             size_t(2));
  }

  // Enter presses the focused button, as Space does; the end label takes Enter too.
  void EnterPressesTheFocusedButton() {
    Started started;
    GeneratorWindow& window = started.window;
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.Page1()->cmdNext->setFocus();
    QTest::keyClick(window.Page1()->cmdNext, Qt::Key_Return);
    QCOMPARE(window.VisiblePage(), 2);
    window.lblEnd->setFocus();
    QVERIFY(window.lblEnd->hasFocus());
    QTest::keyClick(window.lblEnd, Qt::Key_Enter);
    QVERIFY(window.HasEnded());
  }

  // A wheel turn over any part of the table scrolls it, over a box or the frame's white
  // space alike, and the table stops at its end.
  void TheWheelScrollsTheTable() {
    IndexSection section;
    for (int i = 1; i <= 40; ++i) {
      IndexRow row;
      row.RowKind = IndexRow::Kind::Item;
      row.TableLine = i;
      row.Text = U"分野" + std::u32string(1, U'０' + char32_t(i % 10));
      row.Number = i;
      section.Rows.push_back(row);
    }
    section.ItemCount = section.TableLineCount = 40;
    SelectionPage page(nullptr, IndexSectionKind::Category);
    page.BuildTable(section);
    page.show();
    auto* bar = page.findChild<QScrollBar*>("vscCategory");
    QVERIFY(bar);
    QVERIFY(bar->maximum() > 0);
    const auto turn = [](QWidget* over, int steps) {
      const QPointF at(5, 5);
      QWheelEvent wheel(at, over->mapToGlobal(at), {}, QPoint(0, -120 * steps), Qt::NoButton, {},
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(over, &wheel);
    };
    turn(page.ItemBox(1), 1);
    QVERIFY(bar->value() > 0);
    QCOMPARE(page.Table()->y(), -bar->value());
    const int afterOne = bar->value();
    turn(page.findChild<QFrame*>("frmCategoryFrame"), 1);
    QVERIFY(bar->value() > afterOne);
    for (int i = 0; i < 20; ++i) turn(page.ItemBox(20), 1);  // a turn moves a page at most
    QCOMPARE(bar->value(), bar->maximum());
  }

  void WholeRunToCompletion() {
    Started started;
    GeneratorWindow& window = started.window;
    GoToRunPage(window);
    QVERIFY(window.Page3()->picQues->isHidden());
    QCOMPARE(RunCaption(window), QString("実行"));
    QTest::mouseClick(window.Page3()->cmdNext, Qt::LeftButton);

    QCOMPARE(RunCaption(window), QString("完了"));
    QCOMPARE(Titles(started.presenter), std::vector<std::string>{kCompleted});
    QVERIFY(!window.Page3()->picQues->isHidden());
    QVERIFY(!window.tmrInfoMaking->isActive());
    QCOMPARE(window.Page3()->lblNowMakingNmb->text(), QString("10"));
    QCOMPARE(window.Page3()->lblInfoMaking->text(), QString("◆終了"));
    const PuzzleSet puzzles = ReadPuzzleFile(started.folders.program / "標準日本語辞書.pzs");
    QCOMPARE(puzzles.Stages.size(), size_t(10));
    QCOMPARE(puzzles.Stages[0].DifficultRank, 1);
    // The seed choice and the selection are fixed by the first run.
    QVERIFY(!window.Page1()->chkNotRandomize->isEnabled());
    QVERIFY(!window.Page2()->optDifficultRank[1]->isEnabled());
    QVERIFY(!window.Page3()->vsbCrossStageNmb->isEnabled());
    QVERIFY(!window.Page3()->cmdBack->isEnabled());

    QSignalSpy ended(&window, &GeneratorWindow::ProgramEnded);
    QTest::mouseClick(window.Page3()->cmdNext, Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
  }

  void FailedRunAndBackAgain() {
    Started started;
    GeneratorWindow& window = started.window;
    // Category 2 alone holds too few words for a 3 x 3 grid without repeats.
    QTest::mouseClick(window.Page1()->cmdNext, Qt::LeftButton);
    ClickIndicator(window.Page2()->optDifficultRank[6]);
    QTest::mouseClick(window.Page2()->cmdCategory, Qt::LeftButton);
    ClickIndicator(window.Page4()->ItemBox(1));
    QTest::mouseClick(window.Page4()->cmdOk, Qt::LeftButton);
    QTest::mouseClick(window.Page2()->cmdNext, Qt::LeftButton);
    QTest::mouseClick(window.Page3()->cmdInfoData, Qt::LeftButton);
    window.Page3()->vsbRestartMax->setValue(1);
    // The progress timer must not overwrite the label while message 10 is up.
    QString labelBehindBox;
    started.presenter.onShow = [&](const CatalogueMessage&) {
      QTest::qWait(1200);
      labelBehindBox = window.Page3()->lblInfoMaking->text();
    };
    QTest::mouseClick(window.Page3()->cmdNext, Qt::LeftButton);

    QCOMPARE(labelBehindBox, QString("▲未完成"));
    QCOMPARE(RunCaption(window), QString("終了"));
    QCOMPARE(Titles(started.presenter), std::vector<std::string>{kNothingMade});
    QCOMPARE(window.Page3()->lblInfoMaking->text(), QString("▲未完成"));
    QVERIFY(window.Page3()->cmdBack->isEnabled());
    QVERIFY(window.Page3()->vsbCrossStageNmb->isEnabled());
    QVERIFY(!fs::exists(started.folders.program / "標準日本語辞書.pzs"));
    QVERIFY(window.Page3()->lblNote->text().contains("失敗しにくい探索"));

    // Message 10 advises another rank: the rank and the boxes can be chosen again.
    QTest::mouseClick(window.Page3()->cmdBack, Qt::LeftButton);
    QCOMPARE(window.VisiblePage(), 2);
    QVERIFY(window.Page2()->optDifficultRank[1]->isEnabled());
    QVERIFY(window.Page2()->cmdCategory->isEnabled());
    QTest::mouseClick(window.Page2()->cmdNext, Qt::LeftButton);
    QCOMPARE(RunCaption(window), QString("実行"));
    QVERIFY(window.Page3()->picQues->isHidden());
    for (QLabel* label : {window.Page3()->lblInfoTime, window.Page3()->lblRestart,
                          window.Page3()->lblRetry, window.Page3()->lblNowMakingNmb}) {
      QCOMPARE(label->text(), QString("-"));
    }
    QCOMPARE(window.Page3()->lblInfoMaking->text(), QString("作成情報"));

    // The thorough search proves that the grid has no fill and says where.
    QTest::mouseClick(window.Page3()->chkThoroughSearch, Qt::LeftButton);
    QTest::mouseClick(window.Page3()->cmdNext, Qt::LeftButton);
    QCOMPARE(RunCaption(window), QString("終了"));
    const QString note = window.Page3()->lblNote->text();
    QVERIFY2(note.startsWith("マス設定 1 番は埋められません："), qPrintable(note));
    QVERIFY2(note.contains("問目（"), qPrintable(note));
    QVERIFY(!note.contains("失敗しにくい探索"));
  }

  // "中止" ends the program at the run's next event point, taking the working file along.
  void StoppingARunEndsTheProgram() {
    Started started;
    GeneratorWindow& window = started.window;
    const fs::path workFile = started.folders.program / "Puzset.$$$";
    started.folders.folder.Write("bin/Puzset.$$$", "left over");
    QSignalSpy ended(&window, &GeneratorWindow::ProgramEnded);
    GoToRunPage(window);
    QTimer::singleShot(0, window.Page3()->cmdNext, [&] {
      QCOMPARE(RunCaption(window), QString("中止"));
      window.Page3()->cmdNext->click();
    });
    QTest::mouseClick(window.Page3()->cmdNext, Qt::LeftButton);
    QCOMPARE(ended.count(), 1);
    QVERIFY(window.HasEnded());
    QVERIFY(!fs::exists(workFile));
    QVERIFY(!fs::exists(started.folders.program / "標準日本語辞書.pzs"));
  }

  // A working file that cannot be deleted is named in a box, and the program still ends
  // as the user asked: no exception passes through the event loop.
  void StoppingWithAWorkingFileThatCannotBeDeleted() {
    Started started;
    GeneratorWindow& window = started.window;
    started.folders.folder.Write("bin/Puzset.$$$", "left over");
    QSignalSpy ended(&window, &GeneratorWindow::ProgramEnded);
    GoToRunPage(window);
    InjectFileFaults({0, false, true});
    QTimer::singleShot(0, window.Page3()->cmdNext, [&] { window.Page3()->cmdNext->click(); });
    QTest::mouseClick(window.Page3()->cmdNext, Qt::LeftButton);
    InjectFileFaults({});
    QCOMPARE(ended.count(), 1);
    ExpectWorkFileNamedAsUndeletable(started, 1);
  }

  void LeavingWithAWorkingFileThatCannotBeDeleted() {
    Started started;
    GeneratorWindow& window = started.window;
    QSignalSpy ended(&window, &GeneratorWindow::ProgramEnded);
    GoToRunPage(window);
    InjectFileFaults({0, true, true});  // the run fails at its rename and keeps its working file
    QTest::mouseClick(window.Page3()->cmdNext, Qt::LeftButton);
    QCOMPARE(RunCaption(window), QString("終了"));
    QCOMPARE(ended.count(), 0);
    QTest::mouseClick(window.Page3()->cmdNext, Qt::LeftButton);
    InjectFileFaults({});
    QCOMPARE(ended.count(), 1);
    ExpectWorkFileNamedAsUndeletable(started, 2);
  }

 private:
  static void ExpectWorkFileNamedAsUndeletable(const Started& started, int boxes) {
    const fs::path workFile = started.folders.program / "Puzset.$$$";
    QVERIFY(fs::exists(workFile));
    QCOMPARE(Count(started.presenter, kFileProblem), boxes);
    // In Japanese: the engine's English text is for wright only.
    QCOMPARE(started.presenter.shown.back().Lines,
             (std::vector<std::string>{"ファイルを読み書きできませんでした。", "",
                                       "ファイル：" + workFile.string(),
                                       "ファイルがほかのプログラムで使われています。"}));
  }
};

QTEST_MAIN(GeneratorWindowTest)
#include "GeneratorWindowTest.moc"

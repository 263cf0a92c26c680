#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "common/FileNames.h"
#include "common/GridSettingsFile.h"
#include "tests/support/GridText.h"
#include "tests/ui/GridwrightDriver.h"

// Gridwright's start-up, its file choices on page 1 and the grid file read on page 2.
namespace crossword::testing {

namespace {

const char kNotFound[] = "クロスワード辞書が見つかりません。";
const char kOnCdRom[] = "辞書ファイルがＣＤ－ＲＯＭ上にあると Wordwright を使えません";

std::string Folder(const std::filesystem::path& path) {
  return AsFolder(path.string());
}

const std::vector<CrossMasMarks>& ThreeStages() {
  static const std::vector<CrossMasMarks> stages = {
      MarksFromRows({"#....", ".....", "..#..", ".....", "....#"}),
      MarksFromRows({"......", ".#..#.", "......", ".#..#.", "......"}),
      MarksFromRows({".......", "...#...", ".......", ".#...#.", ".......", "...#...", "......."}),
  };
  return stages;
}

void WriteStages(const std::filesystem::path& path, const std::vector<CrossMasMarks>& stages) {
  GridSettingsWriter writer(path);
  writer.WriteGridHeader({"/dictionaries/", "標準日本語辞書.lxd", 0, 0});
  for (std::size_t n = 1; n <= stages.size(); ++n) writer.WriteGridStage(int(n), stages[n - 1]);
  writer.Commit();
}

}  // namespace

class GridwrightStartTest : public QObject {
  Q_OBJECT

 private slots:
  void MissingDictionaryAsksUntilCancelEndsTheProgram() {
    Gridwright app;
    QString captionWhileAsked;
    app.messages.onShow = [&](const CatalogueMessage&) {
      captionWhileAsked = app.Text("lblMakeDicName(1)");
    };
    app.messages.answers = {AnswerOk, AnswerCancel};
    app.dialogs.answers = {std::nullopt};
    QVERIFY(!app.Start());
    QCOMPARE(app.messages.FirstLines(), (std::vector<std::string>{kNotFound, kNotFound}));
    QCOMPARE(app.dialogs.calls.size(), 1u);
    QCOMPARE(captionWhileAsked, QString("(不明）Lexbase.MDB"));
  }

  void ChosenDictionaryNamesTheGridFile() {
    Gridwright app;
    TempFolder elsewhere;
    WriteTestDictionary(elsewhere / "abc.lxd", 20);
    app.dialogs.answers = {elsewhere / "abc.lxd"};
    QVERIFY(app.Start());
    const DialogCall& call = app.dialogs.calls.at(0);
    QCOMPARE(call.initialPath.toStdString(), Folder(app.folder.Path()) + "*.lxd");
    QCOMPARE(call.filter, QString("Lexset ﾌｧｲﾙ (*.lxd)|*.lxd|"));
    QCOMPARE(app.messages.FirstLines(),
             (std::vector<std::string>{kNotFound, "辞書(abc.lxd)の指定にともない"}));
    QCOMPARE(app.Text("lblMakeDicName(1)"), QString("abc.lxd"));
    QCOMPARE(app.Text("lblInfoDicName"), QString("abc.lxd"));
    QCOMPARE(app.Text("lblMakeDicName(2)").toStdString(), Folder(elsewhere.Path()));
    QCOMPARE(app.Text("lblMakeFileName(1)"), QString("abc.gst"));
    QCOMPARE(app.Text("lblInfoMakeFileName"), QString("abc.gst"));
    QCOMPARE(app.Text("lblMakeFileName(2)").toStdString(), Folder(elsewhere.Path()));
    QCOMPARE(app.Text("lblReadFileName(1)"), QString("(未)?.gst"));
    QCOMPARE(app.Text("lblReadFileName(2)").toStdString(), Folder(app.folder.Path()));
  }

  // Root may write anywhere, so the folder is made unwritable by a directory standing
  // where the probe file would be created.
  void UnwritableFolderIsReportedBeforeAnythingElse() {
    Gridwright app;
    WriteTestDictionary(app.DefaultDictionary(), 20);
    std::filesystem::create_directory(app.folder / "dummy.$$$");
    TempFolder writable;
    WriteTestDictionary(writable / "copy.lxd", 20);
    app.messages.answers = {AnswerOk, AnswerOk};
    app.dialogs.answers = {std::nullopt, writable / "copy.lxd"};
    QVERIFY(app.Start());
    QCOMPARE(app.messages.FirstLines(),
             (std::vector<std::string>{kOnCdRom, kOnCdRom, "辞書(copy.lxd)の指定にともない"}));
    QCOMPARE(app.Text("lblMakeDicName(2)").toStdString(), Folder(writable.Path()));

    Gridwright cancelled;
    WriteTestDictionary(cancelled.DefaultDictionary(), 20);
    std::filesystem::create_directory(cancelled.folder / "dummy.$$$");
    cancelled.messages.answers = {AnswerCancel};
    QVERIFY(!cancelled.Start());
    QCOMPARE(cancelled.messages.FirstLines(), std::vector<std::string>{kOnCdRom});
  }

  // Installed, the default dictionaries lie in a folder the user cannot write to: their grid
  // settings files go into the program folder, which the disk check tests instead.
  void InstalledDictionariesWriteTheirGridFilesIntoTheProgramFolder() {
    Gridwright app;
    TempFolder shared;
    app.sharedFolder = shared.Path().string();
    WriteTestDictionary(shared / "標準日本語辞書.lxd", 20);
    WriteTestDictionary(shared / "標準英語辞書.lxd", 20);
    std::filesystem::create_directory(shared / "dummy.$$$");
    QVERIFY(app.Start());
    QVERIFY(app.messages.shown.empty());
    QCOMPARE(app.Text("lblMakeDicName(2)").toStdString(), Folder(shared.Path()));
    QCOMPARE(app.Text("lblMakeFileName(2)").toStdString(), Folder(app.folder.Path()));

    app.dialogs.answers = {shared / "標準英語辞書.lxd"};
    app.messages.answers = {AnswerOk};
    app.Click("cmdDicFileName");
    QCOMPARE(app.Text("lblMakeFileName(1)"), QString("標準英語辞書.gst"));
    QCOMPARE(app.Text("lblMakeFileName(2)").toStdString(), Folder(app.folder.Path()));
  }

  void UnreadableDictionaryIsReportedAndAnotherAskedFor() {
    Gridwright app;
    app.folder.Write("標準日本語辞書.lxd", "not a database at all");
    app.messages.answers = {AnswerOk, AnswerCancel};
    QVERIFY(!app.Start());
    QCOMPARE(app.messages.shown.size(), 2u);
    QCOMPARE(app.messages.shown[0].Title, std::string("エラー！：ファイル"));
    QCOMPARE(app.messages.shown[0].Lines.at(2), "ファイル：" + app.DefaultDictionary().string());
    QCOMPARE(app.messages.shown[0].Lines.back(),
             std::string("内容が規則通りでないか、書けない文字があります。"));
    QCOMPARE(app.messages.shown[1].Lines[0], std::string(kNotFound));
  }

  void DictionaryWithoutTwoLetterWordsCannotLeavePage1() {
    Gridwright app;
    WriteTestDictionary(app.DefaultDictionary(), 20, {2});
    QVERIFY(app.Start());
    QVERIFY(app.messages.shown.empty());
    app.Click("cmdNext(1)");
    QCOMPARE(app.messages.FirstLines(),
             std::vector<std::string>{"クロスワード辞書が指定されていません"});
    QCOMPARE(app.form->ShownPage(), 1);
  }

  void GridFileNameAlwaysTakesTheGridExtension() {
    Gridwright app;
    WriteTestDictionary(app.DefaultDictionary(), 20);
    QVERIFY(app.Start());
    TempFolder elsewhere;
    app.dialogs.answers = {elsewhere / "grid1.txt"};
    app.Click("cmdMakeFileName");
    const DialogCall& call = app.dialogs.calls.at(0);
    QVERIFY(call.save);
    QCOMPARE(call.initialPath.toStdString(), Folder(app.folder.Path()) + "標準日本語辞書.gst");
    QCOMPARE(call.filter, QString("Gridset ﾌｧｲﾙ (*.gst)|*.gst|"));
    QCOMPARE(app.Text("lblMakeFileName(1)"), QString("grid1.gst"));
    QCOMPARE(app.Text("lblInfoMakeFileName"), QString("grid1.gst"));
    QCOMPARE(app.Text("lblMakeFileName(2)").toStdString(), Folder(elsewhere.Path()));
  }

  void ThreeStageFileIsReadAndBrowsed() {
    Gridwright app;
    WriteTestDictionary(app.DefaultDictionary(), 20);
    WriteStages(app.folder / "標準日本語辞書.gst", ThreeStages());
    QVERIFY(app.Start());
    QCOMPARE(app.Text("lblReadFileName(1)"), QString("標準日本語辞書.gst"));
    app.Click("optMakeMode(2)");
    app.Click("cmdNext(1)");
    app.Click("optMakeMasMode(2)");
    app.dialogs.answers = {app.folder / "標準日本語辞書.gst"};
    app.Click("cmdReadFileName");
    QCOMPARE(app.dialogs.calls.at(0).initialPath.toStdString(),
             Folder(app.folder.Path()) + "*.gst");
    auto* selector = app.Find<QScrollBar>("vsbCrossStageNmb");
    QCOMPARE(app.Text("lblCrossStageNmb"), QString("1"));
    QCOMPARE(app.Text("lblCrossStageNmbMax"), QString("3"));
    QCOMPARE(selector->maximum(), 3);
    QVERIFY(app.BoardMarks() == ThreeStages()[0]);
    QCOMPARE(app.Text("lblNowBarNmb"), QString("ファイルから読み込み済み"));

    // A shorter file read while stage 3 is shown starts at its stage 1 all the same.
    selector->setValue(3);
    WriteStages(app.folder / "two.gst", {ThreeStages()[1], ThreeStages()[0]});
    app.dialogs.answers = {app.folder / "two.gst"};
    app.Click("cmdReadFileName");
    QCOMPARE(app.Text("lblCrossStageNmb"), QString("1"));
    QCOMPARE(selector->maximum(), 2);
    QVERIFY(app.BoardMarks() == ThreeStages()[1]);

    selector->setValue(2);
    QCOMPARE(app.Text("lblCrossStageNmb"), QString("2"));
    QCOMPARE(app.Text("lblMasSize(1)") + "x" + app.Text("lblMasSize(2)"), QString("5x5"));
    QVERIFY(app.BoardMarks() == ThreeStages()[0]);
    app.dialogs.answers = {app.folder / "標準日本語辞書.gst"};
    app.Click("cmdReadFileName");
    selector->setValue(2);
    QCOMPARE(app.Text("lblCrossStageNmb"), QString("2"));
    QCOMPARE(app.Text("lblMasSize(1)") + "x" + app.Text("lblMasSize(2)"), QString("6x5"));
    QVERIFY(app.BoardMarks() == ThreeStages()[1]);

    // Leaving the page counts the walls and slots of the stage taken from the file.
    app.Click("cmdNext(2)");
    QCOMPARE(app.form->ShownPage(), 3);
    QCOMPARE(app.Text("lblNowBarNmb"), QString("4"));
    QCOMPARE(app.Text("lblWordNmbMax"), QString::number(CountWords(ThreeStages()[1]).QuesNmbMax));
  }

  void FileWithoutStagesIsRefusedAndTheGridStays() {
    Gridwright app;
    WriteTestDictionary(app.DefaultDictionary(), 20);
    WriteStages(app.folder / "empty.gst", {});
    QVERIFY(app.Start());
    app.Click("optMakeMode(2)");
    app.Click("cmdNext(1)");
    app.Click("cmdSetMasSize");
    const CrossMasMarks before = app.BoardMarks();
    app.Click("optMakeMasMode(2)");
    app.dialogs.answers = {app.folder / "empty.gst"};
    app.Click("cmdReadFileName");
    QCOMPARE(
        app.messages.FirstLines(),
        std::vector<std::string>{"このマス設定ファイル(empty.gst)ではクロスワードが作れません。"});
    QCOMPARE(app.Text("lblReadFileName(1)"), QString("不明(*.gst)"));
    QVERIFY(app.BoardMarks() == before);
    QCOMPARE(app.Find<QScrollBar>("vsbCrossStageNmb")->maximum(), 1);
  }
};

}  // namespace crossword::testing

QTEST_MAIN(crossword::testing::GridwrightStartTest)
#include "GridwrightStartTest.moc"

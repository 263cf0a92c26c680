#include <QProcess>
#include <QTest>
#include <optional>

#include "common/FileOps.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "proofer/ui/ProofWindow.h"
#include "puzzle/KeywordMarks.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/FakeDialogs.h"

using namespace crossword;
using crossword::testing::FakeDialogs;
using crossword::testing::FakeMessages;
using crossword::testing::ReadBytes;
using crossword::testing::TempFolder;
using crossword::ui::ProofWindow;
namespace fs = std::filesystem;

namespace {

const std::string kFileProblem = "エラー！：ファイル";
const std::string kChooseDictionary = "辞書の選択";
const std::string kNewClue = "新しい,ヒント";

void Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  QVERIFY(process.waitForFinished(60000));
  QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
}

void Wright(const QStringList& arguments) {
  Run(WRIGHT, arguments);
}

QString S(const fs::path& path) {
  return QString::fromStdString(path.string());
}

// A two-stage set of 5 x 5 grids filled from the fixture dictionary, set.pzs beside the
// grid settings file set.gst that names its dictionary dic.lxd.
void MakeSet(const TempFolder& folder) {
  Run(WRITE_FILL_FIXTURE, {S(folder / "dic.lxd")});
  folder.Write("layout.txt", "....#\n.#.#.\n.....\n.#.#.\n#....\n");
  Wright({"grid", "--layout", S(folder / "layout.txt"), "--dictionary", S(folder / "dic.lxd"),
          "--out", S(folder / "set.gst")});
  Wright({"fill", "--grid", S(folder / "set.gst"), "--seed", "fixed", "--stages", "2"});
}

// The clue table of `set` with question 1 of stage 1 given `clue`, applied by wright.
void ApplyClueWithWright(const TempFolder& folder, const fs::path& set, const std::string& clue) {
  Wright({"clues", S(set), "--out", S(folder / "clues.tsv")});
  std::string table;
  for (const std::u32string& line : ReadUtf8Lines(folder / "clues.tsv")) {
    std::string row = ToUtf8(line);
    if (row.starts_with("1\t1\t")) {
      std::vector<std::string> fields;
      for (size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
        tab = row.find('\t', start);
        fields.push_back(row.substr(start, tab - start));
      }
      fields[5] = clue;
      row.clear();
      for (const auto& field : fields) row += (row.empty() ? "" : "\t") + field;
    }
    table += row + "\n";
  }
  CreateFileWith(folder / "clues.tsv", table);
  Wright({"clues", S(set), "--apply", S(folder / "clues.tsv")});
}

// Typed letter by letter, as an input method hands kana and kanji over.
void TypeClue(ProofWindow& window, const QString& clue) {
  QLineEdit* field = window.cboClue->lineEdit();
  field->setFocus();
  field->selectAll();
  for (const QChar letter : clue) {
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(letter), Qt::NoModifier);
  }
}

}  // namespace

class ProofWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // An edit, a swap, its undo and redo, and a save give the file wright gives.
  void FinishingGivesWhatWrightGives() {
    TempFolder folder;
    MakeSet(folder);
    fs::copy_file(folder / "set.pzs", folder / "by-wright.pzs");
    FakeMessages messages;
    FakeDialogs dialogs;
    ProofWindow window(folder.Path().string() + "/", &messages, &dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.StartUp(folder / "set.pzs");
    QVERIFY(window.Session() && window.Session()->HasDictionary());
    QCOMPARE(window.StageShown(), 1);

    window.ChooseQuestion(1);
    TypeClue(window, QString::fromStdString(kNewClue));
    QVERIFY(window.lblClueNote->text().contains("，"));
    QTest::keyClick(window.cboClue->lineEdit(), Qt::Key_Return);
    QVERIFY(window.lstAcross->item(0)->text().startsWith("1. 新しい，ヒント"));

    window.ChooseQuestion(5);
    const std::u32string before = window.Session()->Hint({1, 5}).Yst;
    QVERIFY(window.lstReplace->count() > 0);
    window.lstReplace->setFocus();
    window.lstReplace->setCurrentRow(0);
    QTest::keyClick(window.lstReplace, Qt::Key_Return);
    const WordRecord placed = HintWord(window.Session()->Hint({1, 5}));
    QVERIFY(placed.Yst != before);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.Session()->Hint({1, 5}).Yst, before);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(window.Session()->Hint({1, 5}).Yst, placed.Yst);
    QVERIFY(window.isWindowModified());
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!window.isWindowModified());
    QVERIFY(messages.shown.empty());

    ApplyClueWithWright(folder, folder / "by-wright.pzs", kNewClue);
    Wright({"swap", S(folder / "by-wright.pzs"), "--stage", "1", "--question", "5", "--dictionary",
            S(folder / "dic.lxd"), "--to", QString::fromStdString(ToUtf8(placed.Yst)), "--written",
            QString::fromStdString(ToUtf8(placed.Ast))});
    QVERIFY(ReadBytes(folder / "set.pzs") == ReadBytes(folder / "by-wright.pzs"));
  }

  // A keyword typed is marked, a mark moved to another cell of its letter, and both are
  // saved beside the set for wright and the exports to read.
  void KeywordMarkedMovedAndSaved() {
    TempFolder folder;
    MakeSet(folder);
    FakeMessages messages;
    FakeDialogs dialogs;
    ProofWindow window(folder.Path().string() + "/", &messages, &dialogs);
    window.StartUp(folder / "set.pzs");
    window.txtKeyword->setText("あい");
    QTest::mouseClick(window.cmdKeyword, Qt::LeftButton);
    const PuzzleStage& stage = window.Session()->Set().Stages[0];
    QVERIFY(stage.Keyword && stage.Keyword->Word == U"アイ");
    QVERIFY(window.isWindowModified());
    window.txtKeyword->setText("アエ");
    QVERIFY(!window.MarkKeyword());
    QVERIFY(window.lblKeywordNote->text().contains("「エ」が足りません"));

    std::optional<QPoint> other;  // another cell holding the letter marked Ａ
    for (int y = 1; y <= 5 && !other; ++y) {
      for (int x = 1; x <= 5 && !other; ++x) {
        if (stage.Answers(x, y) == U'ア' && MarkAt(stage, x, y) < 0) other = QPoint(x, y);
      }
    }
    QVERIFY(other);
    window.picGrid->setFocus();
    const auto press = [&](Qt::Key key, int times) {
      for (int i = 0; i < times; ++i) QTest::keyClick(window.picGrid, key);
    };
    for (int round = 0; round < 3; ++round) {  // to the top left cell, round the walls
      press(Qt::Key_Up, 5);
      press(Qt::Key_Left, 5);
    }
    press(Qt::Key_Down, 2);  // row 3 is open from end to end
    press(Qt::Key_Right, other->x() - 1);
    while (window.picGrid->Cursor().y() != other->y()) {
      press(other->y() > window.picGrid->Cursor().y() ? Qt::Key_Down : Qt::Key_Up, 1);
    }
    QCOMPARE(window.picGrid->Cursor(), *other);
    QVERIFY(window.MoveMark());
    const StageKeyword moved = *stage.Keyword;
    QCOMPARE(moved.Cells[0], (MasPoint{other->x(), other->y()}));
    QVERIFY(!window.MoveMark());  // the cell holds its mark now

    QVERIFY(window.SaveSet());
    QVERIFY(messages.shown.empty());
    QVERIFY(!window.isWindowModified());
    QCOMPARE(ReadPuzzleSetWithMarks(folder / "set.pzs").Stages[0].Keyword, stage.Keyword);

    // Marking and moving are undone and redone like any change.
    QTest::mouseClick(window.cmdUndo, Qt::LeftButton);
    QVERIFY(stage.Keyword && stage.Keyword->Cells[0] != moved.Cells[0]);
    QVERIFY(window.isWindowModified());
    QTest::mouseClick(window.cmdUndo, Qt::LeftButton);
    QVERIFY(!stage.Keyword);
    QVERIFY(window.txtKeyword->text().isEmpty());
    QVERIFY(!window.cmdUndo->isEnabled());
    QTest::mouseClick(window.cmdRedo, Qt::LeftButton);
    QTest::mouseClick(window.cmdRedo, Qt::LeftButton);
    QCOMPARE(stage.Keyword, std::optional(moved));
    QCOMPARE(window.txtKeyword->text(), QString("アイ"));
    QVERIFY(!window.isWindowModified());
  }

  // Each bad input: a Japanese message, the set on disk as it was.
  void BadInputSaysSoAndKeepsTheFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("damaged set") << "damaged" << QString::fromStdString(kFileProblem);
    QTest::newRow("truncated set") << "truncated" << QString::fromStdString(kFileProblem);
    QTest::newRow("dictionary missing")
        << "no dictionary" << QString::fromStdString(kChooseDictionary);
    QTest::newRow("clue outside code page 932") << "bad clue"
                                                << "";
    QTest::newRow("read-only set on save") << "read-only" << QString::fromStdString(kFileProblem);
  }

  void BadInputSaysSoAndKeepsTheFile() {
    QFETCH(QString, kind);
    QFETCH(QString, title);
    TempFolder folder;
    MakeSet(folder);
    const fs::path set = folder / "set.pzs";
    std::string bytes = ReadBytes(set);
    if (kind == "damaged") bytes.replace(bytes.find(";#2"), 3, ";#9");
    if (kind == "truncated") bytes.resize(bytes.size() / 2);
    CreateFileWith(set, bytes);
    if (kind == "no dictionary") fs::rename(folder / "dic.lxd", folder / "moved.lxd");

    FakeMessages messages;
    messages.answers = {AnswerCancel};
    FakeDialogs dialogs;
    ProofWindow window(folder.Path().string() + "/", &messages, &dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.StartUp(set);
    if (window.Session()) {
      window.ChooseQuestion(1);
      TypeClue(window, kind == "bad clue" ? "한국" : "書き換え");
      QTest::keyClick(window.cboClue->lineEdit(), Qt::Key_Return);
      if (kind == "read-only") fs::permissions(set, fs::perms::owner_read | fs::perms::group_read);
      QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    }
    if (kind == "no dictionary") {
      QVERIFY(window.lblReplaceNote->text().contains("辞書が開かれていない"));
    }
    if (kind == "bad clue") {
      QCOMPARE(window.lblClueNote->text(),
               QString("ヒントの「한」はパズルファイル（シフトJIS）に書けない文字です。"));
      QVERIFY(!window.Session()->CanUndo());
    }
    if (kind == "read-only") {
      QVERIFY(window.Session()->IsModified());
      QVERIFY(!messages.shown.empty());
      QCOMPARE(QString::fromStdString(messages.shown.back().Lines.back()),
               QString("パズルセットと辞書は保存前のままです。"));
      fs::permissions(set, fs::perms::owner_write, fs::perm_options::add);
    }
    QCOMPARE(messages.shown.empty() ? QString() : QString::fromStdString(messages.shown[0].Title),
             title);
    if (kind != "no dictionary") QVERIFY(ReadBytes(set) == bytes);
  }
};

QTEST_MAIN(ProofWindowTest)
#include "ProofWindowTest.moc"

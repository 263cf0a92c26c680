#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <functional>
#include <stdexcept>

#include "common/FileError.h"
#include "common/ui/Dialogs.h"
#include "common/ui/ProblemMessage.h"

using namespace crossword;

// The real message box: its buttons in Japanese, the catalogue's default button and
// foreground flag, and the answer of the button pressed.
class MessagePresenterTest : public QObject {
  Q_OBJECT

 private:
  // Shows the message and runs `inspect` on the box while it is up; `press` answers it.
  MessageAnswer ShowAndInspect(const CatalogueMessage& message,
                               const std::function<void(QMessageBox&)>& inspect,
                               QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      inspect(*box);
      box->button(press)->click();
    });
    ui::QtMessagePresenter presenter(nullptr);
    return presenter.Show(message);
  }

 private slots:
  void initTestCase() { QVERIFY(ui::InstallJapaneseQtTexts(*QCoreApplication::instance())); }

  void QuestionBoxSpeaksJapaneseAndDefaultsToNo() {
    const CatalogueMessage question{"警告",
                                    {"一行目", "", "[はい]で次に進みます"},
                                    MessageButtons::YesNo,
                                    MessageIcon::Information,
                                    AnswerNo};
    const MessageAnswer answer = ShowAndInspect(
        question,
        [](QMessageBox& box) {
          QVERIFY(box.button(QMessageBox::Yes)->text().startsWith("はい"));
          QVERIFY(box.button(QMessageBox::No)->text().startsWith("いいえ"));
          QVERIFY(box.defaultButton() == box.button(QMessageBox::No));
          QCOMPARE(box.text(), QString("一行目\n\n[はい]で次に進みます"));
          QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        },
        QMessageBox::Yes);
    QCOMPARE(answer, AnswerYes);
  }

  // Qt would wrap at about 500 pixels, anywhere inside a Japanese word.
  void EachLineIsShownWhole() {
    const std::string longLine =
        "お使いの機種によっては、次画面での黒マス(壁)"
        "の「おまかせ配置」にとても時間がかかることがあります。";
    ShowAndInspect(
        {"警告", {"短い行", longLine}, MessageButtons::Ok, MessageIcon::Information, AnswerOk},
        [&](QMessageBox& box) {
          auto* label = box.findChild<QLabel*>("qt_msgbox_label");
          QVERIFY(label);
          const int needed =
              label->fontMetrics().horizontalAdvance(QString::fromStdString(longLine));
          QVERIFY(needed > 500);
          QVERIFY(label->contentsRect().width() >= needed);
          QVERIFY(box.frameGeometry().right() <= box.screen()->availableGeometry().right());
        },
        QMessageBox::Ok);
  }

  // The engines' English never reaches a box: which file, which line and what kind of
  // trouble are said in Japanese.
  void FailuresAreToldInJapanese() {
    const FileError content("/g/a.gst", 12, "expected the width and height");
    const FileError full("/g/a.gst.part", "cannot write: No space left on device", ENOSPC);
    const FileError busy("/g/Puzset.$$$", "another run is writing in this folder now", EWOULDBLOCK);
    const std::invalid_argument slot("a word slot is longer than 12 cells");
    const std::vector<std::pair<const std::exception*, std::vector<std::string>>> cases = {
        {&content,
         {"ファイルを読み書きできませんでした。", "", "ファイル：/g/a.gst", "場所：12 行目",
          "内容が規則通りでないか、書けない文字があります。"}},
        {&full,
         {"ファイルを読み書きできませんでした。", "", "ファイル：/g/a.gst.part",
          "ディスクの空きが足りません。"}},
        {&busy,
         {"ファイルを読み書きできませんでした。", "", "ファイル：/g/Puzset.$$$",
          "このフォルダには、ほかの作成がいま書き込んでいます。終わってから、もう一度実行してくださ"
          "い。"}},
        {&slot, {"思いがけない問題が起きました。", "", "この操作は取り消されました。"}},
    };
    for (const auto& [problem, lines] : cases) {
      QCOMPARE(ui::ProblemMessage(*problem).Lines, lines);
    }
  }

  void BoxWithoutForegroundFlagStaysBehindOthers() {
    CatalogueMessage help{
        "ヘルプ", {"グリッドライト"}, MessageButtons::OkCancel, MessageIcon::Question, AnswerOk};
    help.Foreground = false;
    const MessageAnswer answer = ShowAndInspect(
        help,
        [](QMessageBox& box) {
          QVERIFY(!box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
          QVERIFY(box.button(QMessageBox::Cancel)->text().startsWith("キャンセル"));
        },
        QMessageBox::Cancel);
    QCOMPARE(answer, AnswerCancel);
  }
};

QTEST_MAIN(MessagePresenterTest)
#include "MessagePresenterTest.moc"

#include <gtest/gtest.h>

#include "designer/engine/DesignerMessages.h"

namespace crossword {
namespace {

const DesignerMessageValues kValues{"abc.gst", "abc.lxd", "old.gst", 20, 21};

struct Expected {
  int number;
  std::string title;
  std::string text;
  MessageButtons buttons;
  MessageIcon icon;
  MessageAnswer defaultAnswer;
};

const char kQuestionTail[] =
    "\r\n\r\n\r\n通常のクロスワードではこのような設定はしませんが\r\n"
    "このまま無視して次に進みますか？\r\n\r\n[はい]で次に進みます\r\n";

std::vector<Expected> Catalogue() {
  const auto Q = MessageButtons::YesNo;
  const auto Ok = MessageButtons::Ok;
  const auto OkCancel = MessageButtons::OkCancel;
  const auto info = MessageIcon::Information;
  const auto warn = MessageIcon::Exclamation;
  const auto ask = MessageIcon::Question;
  const std::string wallTitle = "チェック：壁（黒マス）の設定";
  const std::string dicTitle = "チェック：クロスワード辞書の指定";
  return {
      {1, wallTitle,
       "いくつかの壁が縦や横に連続しています。\r\n\r\n例：左上が横に連続している\r\n■■□\r\n□□□\r\n■"
       "□■" +
           std::string(kQuestionTail),
       Q, info, AnswerNo},
      {2, wallTitle,
       "いくつかのマス目が壁に囲まれて孤立しています。\r\n\r\n例：右上と左下が完全に分かれている\r"
       "\n"
       "■□□\r\n□■□\r\n□□■" +
           std::string(kQuestionTail),
       Q, info, AnswerNo},
      {3, wallTitle,
       "２文字の答えになるマス目があります。\r\n\r\n例：左上が横にも縦にも２文字\r\n□□■\r\n□■□\r\n"
       "■□□\r\n\r\n\r\n２文字の答えを作らない設定になっていますが\r\n"
       "このまま無視して次に進みますか？\r\n\r\n[はい]で次に進みます\r\n",
       Q, info, AnswerNo},
      {4, "エラー！：マス設定ファイルの内容が規則通りではありません",
       "このマス設定ファイル(old.gst)ではクロスワードが作れません。\r\n\r\n"
       "別のマス設定ファイルを指定するか、新規にマス設定ファイルを作ってください。\r\n",
       Ok, warn, AnswerOk},
      {5, "チェック：クロスワード辞書の単語数か　マス目の大きさ",
       "壁（黒マス）の配置に 10 "
       "回挑戦しました。\r\n\r\nしかしあまり条件のよい配置ができませんでした。\r\n"
       "辞書の単語数と比べて、タテｘヨコのマス数が大きすぎるようです。\r\n"
       "マス数を小さくするか、対応できる辞書を用意してください。\r\n",
       Ok, warn, AnswerOk},
      {6, wallTitle,
       "壁（黒マス）が設定されていません。\r\n\r\n通常のクロスワードではこのような設定はしませんが"
       "\r\n"
       "このまま無視して次に進みますか？\r\n\r\n[はい]で次に進みます\r\n",
       Q, info, AnswerNo},
      {7, "チェック：出題単語の文字の長さ",
       "辞書には "
       "12文字の単語までしか登録されていません\r\n\r\nこの長さをこてた単語が設定されています。\r\n"
       "壁を追加するかマス数を小さくするなどして、単語の長さを調節してください。\r\n",
       Ok, warn, AnswerOk},
      {8, dicTitle,
       "クロスワード辞書が指定されていません\r\n\r\n辞書(*.lxd)を指定してください。\r\n", Ok, warn,
       AnswerOk},
      {9, dicTitle,
       "クロスワード辞書が見つかりません。\r\n\r\n辞書(*.lxd)を指定してください。\r\n\r\n"
       "[OK]で辞書名指定画面になります。\r\n[キャンセル]でプログラムを終了します。\r\n",
       OkCancel, ask, AnswerOk},
      {10, "チェック：クロスワード辞書の単語数　または　マス目の大きさ",
       "すべての設定で壁（黒マス）の配置に挑戦しました。\r\n\r\nしかし条件のよい配置がひとつもでき"
       "ませんでした。\r\n"
       "辞書の単語数と比べて、タテｘヨコのマス数が大きすぎるようです。\r\n\r\n"
       "[おまかせモード詳細表示]をクリックして、今より小さいマス数の設定にするか\r\n"
       "対応できる辞書を用意してください。\r\n",
       Ok, warn, AnswerOk},
      {11, "ご注意：マス設定ファイルの変更",
       "辞書(abc.lxd)の指定にともない\r\nマス設定ファイル名(abc.gst)も変更されました。\r\n\r\n"
       "別のファイル名やフォルダに変更したいときは\r\n[マス設定ファイル名の変更]"
       "ボタンで指定してください\r\n",
       Ok, warn, AnswerOk},
      {21, "警告：マス目の数が多すぎます",
       "マス目の総計が 420 になっています。\r\n"
       "お使いの機種によっては、次画面での黒マス(壁)"
       "の「おまかせ配置」にとても時間がかかることがあります。\r\n\r\n"
       "また、マス設定ファイルが完成しても、Cluewrightでクロスワードが完成できないこともあります｡ "
       "\r\n"
       "さらに、パソコンそのものが誤動作することもあります（スタックエリアの減少による）。\r\n"
       "なるべく、マスの大きさを 20x20、つまり 合計400 "
       "までにすることを、強くおすすめします。\r\n\r\n"
       "警告を無視して次に進みますか？\r\n[はい]で次に進みます\r\n",
       Q, info, AnswerNo},
      {99, "チェック：ＨＤＤにあるクロスワード用辞書フォルダの指定",
       "辞書ファイルがＣＤ－ＲＯＭ上にあると Wordwright を使えません\r\n\r\n"
       "Wordwright ではクロスワード用辞書\r\n（標準日本語辞書.Idx と 標準日本語辞書.Lxd "
       "のこと）\r\n"
       "が、ハードディスク上に必要です。\r\n\r\nハードディスクにコピーした辞書を指定してください。"
       "\r\n\r\n"
       "[OK]で辞書名指定画面になります。\r\n[キャンセル]でプログラムを終了します。\r\n",
       OkCancel, ask, AnswerOk},
      {1001, "作成完了",
       "マス設定ファイル(abc.gst)"
       "が生成されました。\r\n\r\nCluewrightを起動して、このファイルを読み込み\r\n"
       "クロスワードを自動生成してください。\r\n\r\n",
       Ok, warn, AnswerOk},
  };
}

TEST(DesignerMessages, EveryTextButtonSetAndIconAsTheAuthorSeesThem) {
  for (const Expected& expected : Catalogue()) {
    const CatalogueMessage message = DesignerMessage(expected.number, kValues);
    EXPECT_EQ(message.Title, expected.title) << expected.number;
    EXPECT_EQ(message.Text(), expected.text) << expected.number;
    EXPECT_EQ(message.Buttons, expected.buttons) << expected.number;
    EXPECT_EQ(message.Icon, expected.icon) << expected.number;
    EXPECT_EQ(message.DefaultAnswer, expected.defaultAnswer) << expected.number;
    EXPECT_TRUE(message.Foreground) << expected.number;
  }
}

TEST(DesignerMessages, TheHelpBoxStaysBehindAndEndsWithoutALineBreak) {
  const CatalogueMessage help = DesignerMessage(10001, kValues);
  EXPECT_EQ(help.Title, "ヘルプ");
  EXPECT_FALSE(help.Foreground);
  EXPECT_EQ(help.Buttons, MessageButtons::Ok);
  EXPECT_EQ(help.Icon, MessageIcon::Information);
  ASSERT_EQ(help.Lines.size(), 4u);
  EXPECT_EQ(help.Lines[0], "グリッドライト　バージョン３．０４");
  EXPECT_TRUE(help.Text().ends_with("\r\n" + std::string(35, '-')));
}

TEST(DesignerMessages, TheCellTotalIsTheProductOfWidthAndHeight) {
  const DesignerMessageValues values{"", "", "", 20, 20};
  EXPECT_EQ(DesignerMessage(21, values).Lines[0], "マス目の総計が 400 になっています。");
}

TEST(DesignerMessages, AnUnknownNumberIsRefused) {
  for (int number : {0, 12, 100, 1000}) {
    EXPECT_THROW(DesignerMessage(number, kValues), std::out_of_range) << number;
  }
}

}  // namespace
}  // namespace crossword

#include "designer/engine/DesignerMessages.h"

#include <stdexcept>

#include "designer/engine/WallPlacement.h"

namespace crossword {

namespace {

// The four kinds of box: a question, a warning, a choice to go on or stop, a note.
CatalogueMessage Question(std::string title, std::vector<std::string> lines) {
  return {std::move(title), std::move(lines), MessageButtons::YesNo, MessageIcon::Information,
          AnswerNo};
}

CatalogueMessage Warning(std::string title, std::vector<std::string> lines) {
  return {std::move(title), std::move(lines), MessageButtons::Ok, MessageIcon::Exclamation,
          AnswerOk};
}

CatalogueMessage Choice(std::string title, std::vector<std::string> lines) {
  return {std::move(title), std::move(lines), MessageButtons::OkCancel, MessageIcon::Question,
          AnswerOk};
}

CatalogueMessage Help(std::vector<std::string> lines) {
  CatalogueMessage message{"ヘルプ", std::move(lines), MessageButtons::Ok, MessageIcon::Information,
                           AnswerOk};
  message.Foreground = false;
  message.EndsWithLineBreak = false;
  return message;
}

// A fixed number as the messages write it: one blank in front.
std::string Blanked(int number) {
  return " " + std::to_string(number);
}

const char kWallTitle[] = "チェック：壁（黒マス）の設定";
const char kDictionaryTitle[] = "チェック：クロスワード辞書の指定";
const char kUsualNote[] = "通常のクロスワードではこのような設定はしませんが";
const char kIgnoreQuestion[] = "このまま無視して次に進みますか？";
const char kYesGoesOn[] = "[はい]で次に進みます";
const char kTooManyCells[] = "辞書の単語数と比べて、タテｘヨコのマス数が大きすぎるようです。";
const char kOkChooses[] = "[OK]で辞書名指定画面になります。";
const char kCancelEnds[] = "[キャンセル]でプログラムを終了します。";

// Messages 1 and 2: a wall warning with a three-row example.
CatalogueMessage WallWarning(const char* first, const char* example,
                             std::vector<std::string> rows) {
  return Question(kWallTitle, {first, "", example, rows[0], rows[1], rows[2], "", "", kUsualNote,
                               kIgnoreQuestion, "", kYesGoesOn});
}

// The dictionary's messages and the help box.
CatalogueMessage DictionaryMessage(int number) {
  switch (number) {
    case DesignerMsg::NoDictionaryChosen:
      return Warning(kDictionaryTitle, {"クロスワード辞書が指定されていません", "",
                                        "辞書(*.lxd)を指定してください。"});
    case DesignerMsg::DictionaryMissing:
      return Choice(kDictionaryTitle,
                    {"クロスワード辞書が見つかりません。", "", "辞書(*.lxd)を指定してください。",
                     "", kOkChooses, kCancelEnds});
    case DesignerMsg::FolderNotWritable:
      return Choice(
          "チェック：ＨＤＤにあるクロスワード用辞書フォルダの指定",
          {"辞書ファイルがＣＤ－ＲＯＭ上にあると Wordwright を使えません", "",
           "Wordwright ではクロスワード用辞書",
           "（標準日本語辞書.Idx と 標準日本語辞書.Lxd のこと）",
           "が、ハードディスク上に必要です。", "",
           "ハードディスクにコピーした辞書を指定してください。", "", kOkChooses, kCancelEnds});
    case DesignerMsg::Help:
      return Help({"グリッドライト　バージョン３．０４", "", "Gridwright 開発チーム",
                   std::string(35, '-')});
    default:
      throw std::out_of_range("Gridwright has no message " + std::to_string(number));
  }
}

// The messages that name no value, apart from the dictionary's and the help box.
CatalogueMessage GridCheckMessage(int number) {
  switch (number) {
    case DesignerMsg::WallsSideBySide:
      return WallWarning("いくつかの壁が縦や横に連続しています。", "例：左上が横に連続している",
                         {"■■□", "□□□", "■□■"});
    case DesignerMsg::CellsCutOff:
      return WallWarning("いくつかのマス目が壁に囲まれて孤立しています。",
                         "例：右上と左下が完全に分かれている", {"■□□", "□■□", "□□■"});
    case DesignerMsg::ShortSlots:
      return Question(kWallTitle,
                      {"２文字の答えになるマス目があります。", "", "例：左上が横にも縦にも２文字",
                       "□□■", "□■□", "■□□", "", "", "２文字の答えを作らない設定になっていますが",
                       kIgnoreQuestion, "", kYesGoesOn});
    case DesignerMsg::NoLayoutFound:
      return Warning("チェック：クロスワード辞書の単語数か　マス目の大きさ",
                     {"壁（黒マス）の配置に" + Blanked(MakeMasBarAttempts) + " 回挑戦しました。",
                      "", "しかしあまり条件のよい配置ができませんでした。", kTooManyCells,
                      "マス数を小さくするか、対応できる辞書を用意してください。"});
    case DesignerMsg::NoWalls:
      return Question(kWallTitle, {"壁（黒マス）が設定されていません。", "", kUsualNote,
                                   kIgnoreQuestion, "", kYesGoesOn});
    case DesignerMsg::WordTooLong:
      return Warning("チェック：出題単語の文字の長さ",
                     {"辞書には" + Blanked(AnswerLenMax) + "文字の単語までしか登録されていません",
                      "", "この長さをこてた単語が設定されています。",
                      "壁を追加するかマス数を小さくするなどして、単語の長さを調節してください。"});
    case DesignerMsg::NothingMade:
      return Warning("チェック：クロスワード辞書の単語数　または　マス目の大きさ",
                     {"すべての設定で壁（黒マス）の配置に挑戦しました。", "",
                      "しかし条件のよい配置がひとつもできませんでした。", kTooManyCells, "",
                      "[おまかせモード詳細表示]をクリックして、今より小さいマス数の設定にするか",
                      "対応できる辞書を用意してください。"});
    default:
      return DictionaryMessage(number);
  }
}

}  // namespace

CatalogueMessage DesignerMessage(int number, const DesignerMessageValues& values) {
  switch (number) {
    case DesignerMsg::GridFileUnusable:
      return Warning(
          "エラー！：マス設定ファイルの内容が規則通りではありません",
          {"このマス設定ファイル(" + values.ReadFileName + ")ではクロスワードが作れません。", "",
           "別のマス設定ファイルを指定するか、新規にマス設定ファイルを作ってください。"});
    case DesignerMsg::GridFileFollows:
      return Warning("ご注意：マス設定ファイルの変更",
                     {"辞書(" + values.DicFileName + ")の指定にともない",
                      "マス設定ファイル名(" + values.MakeFileName + ")も変更されました。", "",
                      "別のファイル名やフォルダに変更したいときは",
                      "[マス設定ファイル名の変更]ボタンで指定してください"});
    case DesignerMsg::ManyCells:
      return Question(
          "警告：マス目の数が多すぎます",
          {"マス目の総計が " + std::to_string(values.MasMaxX * values.MasMaxY) +
               " になっています。",
           "お使いの機種によっては、次画面での黒マス(壁)"
           "の「おまかせ配置」にとても時間がかかることがあります。",
           "",
           "また、マス設定ファイルが完成しても、Cluewrightでクロスワードが完成できないこともありま"
           "す｡ ",
           "さらに、パソコンそのものが誤動作することもあります（スタックエリアの減少による）。",
           "なるべく、マスの大きさを 20x20、つまり 合計400 までにすることを、強くおすすめします。",
           "", "警告を無視して次に進みますか？", kYesGoesOn});
    case DesignerMsg::GridFileMade:
      return Warning("作成完了", {"マス設定ファイル(" + values.MakeFileName + ")が生成されました。",
                                  "", "Cluewrightを起動して、このファイルを読み込み",
                                  "クロスワードを自動生成してください。", ""});
    default:
      return GridCheckMessage(number);
  }
}

}  // namespace crossword

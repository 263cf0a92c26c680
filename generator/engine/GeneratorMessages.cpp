#include "generator/engine/GeneratorMessages.h"

#include <stdexcept>

namespace crossword {

namespace {

const std::string kTryAgainWithFewerCells =
    "マス設定ファイルを作ったあとで、このCluewrightを実行してください。";
const std::string kOrAnotherDictionary = "または、対応できる辞書ファイルを用意してください。";

CatalogueMessage DictionaryMissing(const MessageValues& values) {
  return {"チェック：辞書ファイルのフォルダ",
          {"辞書ファイルがわかりません。", "",
           "マス設定ファイル(" + values.MakeDir + values.MakeFile + ")で指定されている",
           "辞書フォルダに辞書がないか", "辞書ファイル名そのものが不明です。",
           "またはマス設定ファイルがこわれているかもしれません。", "", "プログラムを終了します。"}};
}

CatalogueMessage GridFileMissing() {
  CatalogueMessage message{
      "チェック：マス設定ファイルの指定",
      {"マス設定ファイル(*.gst)がわかりません。", "", "設定ファイルを指定してください。",
       "設定ファイルがないときはGridwrightで新規に作ってください。", "",
       "[OK]で設定ファイル指定画面になります。", "[キャンセル]でプログラムを終了します。"}};
  message.Buttons = MessageButtons::OkCancel;
  message.Icon = MessageIcon::Question;
  return message;
}

CatalogueMessage NothingMade(const MessageValues& values) {
  return {"チェック：Lexset辞書の単語数　または　Gridwrightでのデザイン",
          {"クロスワードの作成に " + std::to_string(values.RestartMax) + " 回挑戦しました。",
           "しかしクロスワードの作成がひとつもできませんでした。", "",
           "難易度を上げて、もう一度実行してみてください。", "",
           "または、Gridwrightにもどり、今より小さいマス数にするか、黒マス(壁)の数を増やした",
           kTryAgainWithFewerCells, kOrAnotherDictionary}};
}

CatalogueMessage PuzzleFileRenamed() {
  return {"ご注意：Puzsetファイルの変更",
          {"マス設定ファイルの指定にともないパズセットファイル名(*.pzs)も変更されました。", "",
           "別のファイル名やフォルダに変更したいときは",
           "[Puzsetファイルの変更]ボタンで指定してください"}};
}

CatalogueMessage NoAdmissibleWord() {
  return {"着手不可能：該当する単語が皆無",
          {"この設定では該当する単語が１つもありません。", "",
           "分野の指定や一覧リストの指定でのチェックがきつすぎる",
           "（チェックをはすしすぎた）ためだと思われます。", "",
           "もう少しチェックのついた項目を増やすか",
           "Gridwrightで、今より小さいマス数にするか、黒マス(壁)の数を増やした",
           kTryAgainWithFewerCells, kOrAnotherDictionary}};
}

CatalogueMessage PuzzleFileMade(const MessageValues& values) {
  return {"作成完了",
          {"新しいパズセットファイル(" + values.PlayFile + ")が生成されました。", "",
           "Solvewrightを起動して、このファイルを読み込み", "クロスワードパズルを楽しみください。",
           ""}};
}

CatalogueMessage Help() {
  CatalogueMessage message{
      "ヘルプ",
      {"クルーライト　バージョン３．０４", "",
       "クロスワード作成スイート Gridwright & Cluewright のパズル生成プログラム",
       std::string(35, '-')}};
  message.Icon = MessageIcon::Information;
  message.Foreground = false;
  message.EndsWithLineBreak = false;
  return message;
}

}  // namespace

CatalogueMessage GeneratorMessage(int selector, const MessageValues& values) {
  switch (selector) {
    case GeneratorMsg::DictionaryMissing:
      return DictionaryMissing(values);
    case GeneratorMsg::GridFileMissing:
      return GridFileMissing();
    case GeneratorMsg::NothingMade:
      return NothingMade(values);
    case GeneratorMsg::PuzzleFileRenamed:
      return PuzzleFileRenamed();
    case GeneratorMsg::NoAdmissibleWord:
      return NoAdmissibleWord();
    case GeneratorMsg::PuzzleFileMade:
      return PuzzleFileMade(values);
    case GeneratorMsg::Help:
      return Help();
  }
  throw std::invalid_argument("Cluewright has no message " + std::to_string(selector));
}

}  // namespace crossword

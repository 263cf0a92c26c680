#include "proofer/engine/ProoferMessages.h"

#include "common/TextCodec.h"

namespace crossword {

namespace {

std::string TextNote(const TextCheck& check, const std::string& field) {
  switch (check.Problem) {
    case TextProblem::Empty:
      return field + "が空です。";
    case TextProblem::NotCp932:
      return field + "の「" + ToUtf8(check.Letter) +
             "」はパズルファイル（シフトJIS）に書けない文字です。";
    case TextProblem::None:
      break;
  }
  return "";
}

}  // namespace

CatalogueMessage UnsavedChangesMessage() {
  return {"保存の確認",
          {"パズルセットの変更が保存されていません。", "", "保存しますか？"},
          MessageButtons::YesNoCancel,
          MessageIcon::Question,
          AnswerYes};
}

CatalogueMessage DictionaryNotFoundMessage(const std::string& set) {
  return {"辞書の選択",
          {"パズルセット " + set + " を作った辞書が見つかりません。", "",
           "辞書ファイル(*.lxd)を選んでください。",
           "キャンセルすると、ヒントの書き換えだけができます。"},
          MessageButtons::OkCancel,
          MessageIcon::Question,
          AnswerOk};
}

CatalogueMessage LearntMessage(int words, const std::string& dictionary) {
  const std::string done =
      words == 0 ? "辞書はすでにすべてのヒントを覚えています。"
                 : "辞書に " + std::to_string(words) + " 語のヒントを覚えさせました。";
  return {"辞書に覚えさせる",
          {done, "", "辞書：" + dictionary},
          MessageButtons::Ok,
          MessageIcon::Information,
          AnswerOk};
}

std::string NothingWrittenNote() {
  return "パズルセットと辞書は保存前のままです。";
}

std::string ClueNote(const TextCheck& clue, const TextCheck& written) {
  for (const std::string& note : {TextNote(clue, "ヒント"), TextNote(written, "答えの表記")}) {
    if (!note.empty()) return note;
  }
  if (clue.Mended || written.Mended) return "「,」は「，」に、改行は空白にして書きます。";
  return "";
}

std::string SwapBlockerNote(SwapBlocker blocker) {
  switch (blocker) {
    case SwapBlocker::NoDictionary:
      return "辞書が開かれていないので、入れ替える単語を探せません。"
             "［辞書を開く］で選んでください。";
    case SwapBlocker::NoIndexFile:
      return "辞書の索引ファイル(*.idx)がないので、どの級の単語か分からず、"
             "入れ替える単語を探せません。";
    case SwapBlocker::None:
      break;
  }
  return "";
}

}  // namespace crossword

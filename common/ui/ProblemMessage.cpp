#include "common/ui/ProblemMessage.h"

#include <cerrno>
#include <new>
#include <string>
#include <vector>

#include "common/FileError.h"

namespace crossword::ui {

namespace {

std::string SystemReason(int error) {
  switch (error) {
    case ENOENT:
      return "ファイルまたはフォルダが見つかりません。";
    case EACCES:
    case EPERM:
      return "ファイルを読み書きする許可がありません。";
    case ENOSPC:
      return "ディスクの空きが足りません。";
    case EROFS:
      return "書き込みのできない場所です。";
    case EBUSY:
    case ETXTBSY:
      return "ファイルがほかのプログラムで使われています。";
    case EISDIR:
      return "ファイルではなくフォルダです。";
    case EINVAL:
      return "普通のファイルではないので、書き込めません。";
    case EWOULDBLOCK:
      return "このフォルダには、ほかの作成がいま書き込んでいます。終わってから、もう一度実行してく"
             "ださい。";
    default:
      return "システムのエラー（番号 " + std::to_string(error) + "）です。";
  }
}

CatalogueMessage FileProblem(const FileError& error) {
  std::vector<std::string> lines = {"ファイルを読み書きできませんでした。", "",
                                    "ファイル：" + error.Path().string()};
  if (error.LineNumber() > 0)
    lines.push_back("場所：" + std::to_string(error.LineNumber()) + " 行目");
  lines.push_back(error.SystemErrno() != 0 ? SystemReason(error.SystemErrno())
                                           : "内容が規則通りでないか、書けない文字があります。");
  return {"エラー！：ファイル", lines, MessageButtons::Ok, MessageIcon::Exclamation, AnswerOk};
}

}  // namespace

CatalogueMessage ProblemMessage(const std::exception& problem) {
  if (const auto* error = dynamic_cast<const FileError*>(&problem)) return FileProblem(*error);
  const std::string reason = dynamic_cast<const std::bad_alloc*>(&problem)
                                 ? "メモリが足りません。"
                                 : "思いがけない問題が起きました。";
  return {"エラー！",
          {reason, "", "この操作は取り消されました。"},
          MessageButtons::Ok,
          MessageIcon::Exclamation,
          AnswerOk};
}

}  // namespace crossword::ui

#include "tests/ui/FakeDialogs.h"

namespace crossword::testing {

MessageAnswer FakeMessages::Show(const CatalogueMessage& message) {
  shown.push_back(message);
  if (onShow) onShow(message);
  if (answers.empty()) return message.DefaultAnswer;
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::vector<std::string> FakeMessages::FirstLines() const {
  std::vector<std::string> lines;
  for (const CatalogueMessage& message : shown) lines.push_back(message.Lines.at(0));
  return lines;
}

std::optional<ui::ChosenFile> FakeDialogs::Open(const QString& initialPath, const QString& filter) {
  return Answer(false, initialPath, filter);
}

std::optional<ui::ChosenFile> FakeDialogs::Save(const QString& initialPath, const QString& filter) {
  return Answer(true, initialPath, filter);
}

std::optional<ui::ChosenFile> FakeDialogs::Answer(bool save, const QString& initialPath,
                                                  const QString& filter) {
  calls.push_back({save, initialPath, filter});
  if (answers.empty() || !answers.front()) {
    if (!answers.empty()) answers.pop_front();
    return std::nullopt;
  }
  const std::filesystem::path path = *answers.front();
  answers.pop_front();
  return ui::ChosenFile{QString::fromStdString(path.string()),
                        QString::fromStdString(path.filename().string())};
}

}  // namespace crossword::testing

#pragma once

#include <QString>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/Dialogs.h"

// Message boxes and file dialogs for windows driven offscreen: answered from lists,
// remembering what was shown.
namespace crossword::testing {

// Answers message boxes from a list, then with each box's default button.
class FakeMessages : public ui::MessagePresenter {
 public:
  std::vector<CatalogueMessage> shown;
  std::deque<MessageAnswer> answers;
  std::function<void(const CatalogueMessage&)> onShow;  // runs while the box is up

  MessageAnswer Show(const CatalogueMessage& message) override;
  // The first line of every box shown, in order.
  std::vector<std::string> FirstLines() const;
};

struct DialogCall {
  bool save = false;
  QString initialPath;
  QString filter;
};

// Answers file dialogs with the paths given (nothing: cancel) and records how they opened.
class FakeDialogs : public ui::FileDialogs {
 public:
  std::vector<DialogCall> calls;
  std::deque<std::optional<std::filesystem::path>> answers;

  std::optional<ui::ChosenFile> Open(const QString& initialPath, const QString& filter) override;
  std::optional<ui::ChosenFile> Save(const QString& initialPath, const QString& filter) override;

 private:
  std::optional<ui::ChosenFile> Answer(bool save, const QString& initialPath,
                                       const QString& filter);
};

}  // namespace crossword::testing

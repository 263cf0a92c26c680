#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "designer/ui/frmEdit.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/FakeDialogs.h"

// Drives the real Gridwright window offscreen; its boxes and dialogs are answered here.
namespace crossword::testing {

// A dictionary with `perLength` words of each length 2..12 (lengths listed in `without`
// have none).
void WriteTestDictionary(const std::filesystem::path& path, int perLength,
                         std::vector<int> without = {});

class Gridwright {
 public:
  TempFolder folder;         // the program's folder
  std::string sharedFolder;  // installed: the package's read-only default dictionaries
  FakeMessages messages;
  FakeDialogs dialogs;
  std::unique_ptr<ui::frmEdit> form;

  std::filesystem::path DefaultDictionary() const { return folder / "標準日本語辞書.lxd"; }
  // Opens the window and runs its start-up; false when the author ended the program.
  bool Start();

  template <typename Control>
  Control* Find(const QString& name) const {
    auto* control = form->findChild<Control*>(name);
    if (!control) qFatal("no control %s", qPrintable(name));
    return control;
  }
  QString Text(const QString& label) const { return Find<QLabel>(label)->text(); }
  void Click(const QString& button) const;
  void ClickCell(int x, int y) const;
  bool IsWall(int x, int y) const;
  // Walls and open cells as the board shows them.
  CrossMasMarks BoardMarks() const;
  void Type(const QString& box, const QString& text) const;
  // Goes from page 1 to page 3 with a new grid of this custom size.
  void OpenCustomGrid(int width, int height);
};

}  // namespace crossword::testing

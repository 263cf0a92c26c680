#include "tests/ui/GridwrightDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "common/ui/CellBoard.h"
#include "dictionary/DictionaryWriter.h"

namespace crossword::testing {

void WriteTestDictionary(const std::filesystem::path& path, int perLength,
                         std::vector<int> without) {
  std::vector<WordRecord> words;
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    if (std::find(without.begin(), without.end(), length) != without.end()) continue;
    for (int k = 1; k <= perLength; ++k) {
      std::u32string reading(length, U'ア');
      reading[0] = U'ア' + char32_t(k % 40);
      words.push_back({int(words.size()) + 1, reading, U"かぎ", reading, 1});
    }
  }
  WriteDictionary(path, words);
}

bool Gridwright::Start() {
  form = std::make_unique<ui::frmEdit>(ProgramFolders(folder.Path().string(), sharedFolder),
                                       &messages, &dialogs);
  form->show();
  return form->Form_Load();
}

// Option buttons and check boxes take clicks on their mark and caption only, which need
// not reach the middle of a wide control: they are clicked on their mark.
void Gridwright::Click(const QString& control) const {
  auto* widget = Find<QWidget>(control);
  const bool marked = qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget);
  QTest::mouseClick(widget, Qt::LeftButton, {},
                    marked ? QPoint(6, widget->height() / 2) : widget->rect().center());
}

// The board paints the cells itself: the point is found through the board's own mapping.
void Gridwright::ClickCell(int x, int y) const {
  auto* board = Find<ui::CellBoard>("picCrossBase");
  for (int top = 0; top < board->height(); top += 2) {
    for (int left = 0; left < board->width(); left += 2) {
      if (board->CellAt({left, top}) != QPoint(x, y)) continue;
      QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(left + 3, top + 3));
      return;
    }
  }
  qFatal("cell %d, %d is not in sight", x, y);
}

bool Gridwright::IsWall(int x, int y) const {
  return Find<ui::CellBoard>("picCrossBase")->Cell(x, y).wall;
}

CrossMasMarks Gridwright::BoardMarks() const {
  auto* board = Find<ui::CellBoard>("picCrossBase");
  CrossMasMarks marks(board->MasMaxX(), board->MasMaxY(), BlankMark);
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (board->Cell(x, y).wall) marks(x, y) = WallMark;
    }
  }
  return marks;
}

void Gridwright::Type(const QString& box, const QString& text) const {
  auto* edit = Find<QLineEdit>(box);
  edit->clear();
  QTest::keyClicks(edit, text);
}

void Gridwright::OpenCustomGrid(int width, int height) {
  Click("optMakeMode(2)");
  Click("cmdNext(1)");
  Click("optMasSizePattern(5)");
  Type("txtMasSizeCustom(1)", QString::number(width));
  Type("txtMasSizeCustom(2)", QString::number(height));
  Click("cmdSetMasSize");
  Click("cmdNext(2)");
}

}  // namespace crossword::testing

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "common/ui/CellBoard.h"

using crossword::ui::CellBoard;

class CellBoardTest : public QObject {
  Q_OBJECT

 private slots:
  void SmallGridIsCentredAndClicksFindTheirCell() {
    CellBoard board;
    board.SetCellSize(20, 20);
    board.SetGridSize(5, 4);  // free area 11 x 10: 3 columns and 3 rows spare on each side
    QCOMPARE(board.CellAt(QPoint(60 + 5, 60 + 5)), QPoint(1, 1));
    QCOMPARE(board.CellAt(QPoint(59, 70)), QPoint(0, 0));
    QCOMPARE(board.CellAt(QPoint(60 + 4 * 20 + 19, 60 + 3 * 20 + 19)), QPoint(5, 4));
    QCOMPARE(board.CellAt(QPoint(60 + 5 * 20 + 1, 70)), QPoint(0, 0));

    QSignalSpy clicked(&board, &CellBoard::CellClicked);
    QTest::mouseClick(&board, Qt::LeftButton, {}, QPoint(60 + 2 * 20 + 3, 60 + 20 + 3));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 3);
    QCOMPARE(clicked.at(0).at(1).toInt(), 2);
    QTest::mouseClick(&board, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(clicked.count(), 1);
  }

  void LargeGridScrollsAlongTheAxisItOverflows() {
    CellBoard board;
    board.SetCellSize(20, 20);
    board.SetGridSize(14, 6);  // too wide, fits in height
    board.SetViewOrigin(4, 1);
    QCOMPARE(board.CellAt(QPoint(1, 40 + 1)), QPoint(4, 1));
    QCOMPARE(board.CellAt(QPoint(10 * 20 + 1, 40 + 5 * 20 + 1)), QPoint(14, 6));
    QCOMPARE(board.CellAt(QPoint(1, 39)), QPoint(0, 0));
  }

  // What the author sees: each cell painted at its own place, a wall black and a marked
  // cell red, also on a grid scrolled down; a new grid size starts every cell white and
  // unmarked, seen from the top.
  void ResizingClearsWallsAndMarks() {
    CellBoard board;
    board.SetCellSize(20, 20);
    board.resize(board.sizeHint());
    const auto colourAt = [&](QPoint point) {
      QImage image(board.size(), QImage::Format_RGB32);
      board.render(&image);
      return image.pixelColor(point);
    };
    board.SetGridSize(5, 12);  // cells from (60, 0); row 3 at the top once scrolled
    board.SetViewOrigin(1, 3);
    board.SetCell(5, 3, {true, QString(), false});
    board.SetCell(1, 4, {false, "ア", true});
    const QPoint wall(60 + 4 * 20 + 10, 10);
    const QPoint marked(60 + 3, 20 + 3);  // beside the letter, inside the mark
    QCOMPARE(colourAt(wall), QColor(Qt::black));
    QCOMPARE(colourAt(marked), QColor(255, 120, 120));
    QCOMPARE(colourAt(QPoint(60 + 10, 10)), QColor(Qt::white));  // cell (1, 3)

    board.SetGridSize(5, 10);  // now fits: cells from (60, 0), none scrolled
    QCOMPARE(board.ViewY(), 1);
    QCOMPARE(colourAt(wall), QColor(Qt::white));
    QCOMPARE(colourAt(marked), QColor(Qt::white));
    for (int y = 1; y <= 10; ++y) {
      for (int x = 1; x <= 5; ++x) {
        const auto& cell = board.Cell(x, y);
        QVERIFY(!cell.wall && !cell.marked && cell.text.isEmpty());
      }
    }
  }
};

QTEST_MAIN(CellBoardTest)
#include "CellBoardTest.moc"

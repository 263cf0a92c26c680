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

  void CellsKeepTheirLook() {
    CellBoard board;
    board.SetGridSize(3, 3);
    board.SetCell(2, 3, {true, QString(), false});
    board.SetCell(1, 1, {false, "ア", true});
    QVERIFY(board.Cell(2, 3).wall);
    QCOMPARE(board.Cell(1, 1).text, QString("ア"));
    QVERIFY(board.Cell(1, 1).marked);
    board.SetGridSize(2, 2);
    QVERIFY(!board.Cell(1, 1).marked);
  }
};

QTEST_MAIN(CellBoardTest)
#include "CellBoardTest.moc"

#include <QTest>

#include "generator/ui/StageView.h"

using crossword::CrossMasMarks;
using crossword::CrossWordSlot;
using crossword::FlagAcross;
using crossword::FlagDown;
using crossword::StageViewModel;
using crossword::ui::StageView;

namespace {

CrossMasMarks Marks(int width, int height) {
  return CrossMasMarks(width, height, crossword::BlankMark);
}

StageViewModel PositionFor(int width, int height, int viewX = 1, int viewY = 1) {
  StageViewModel position;
  position.SetUp(width, height);
  position.ViewX = viewX;
  position.ViewY = viewY;
  return position;
}

}  // namespace

class StageViewTest : public QObject {
  Q_OBJECT

 private slots:
  void BoundsAndModeFollowTheGridSize_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("viewMaxX");
    QTest::addColumn<int>("viewMaxY");
    QTest::addColumn<int>("dispMode");
    QTest::newRow("fits exactly") << 11 << 10 << 1 << 1 << 0;
    QTest::newRow("small") << 3 << 2 << 1 << 1 << 0;
    QTest::newRow("one column too wide") << 12 << 10 << 2 << 1 << 1;
    QTest::newRow("one row too high") << 11 << 11 << 1 << 2 << 2;
    QTest::newRow("both") << 15 << 20 << 5 << 11 << 3;
  }
  void BoundsAndModeFollowTheGridSize() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, viewMaxX);
    QFETCH(int, viewMaxY);
    QFETCH(int, dispMode);
    StageViewModel position = PositionFor(30, 30, 7, 7);
    position.SetUp(width, height);
    QCOMPARE(position.ViewMaxX, viewMaxX);
    QCOMPARE(position.ViewMaxY, viewMaxY);
    QCOMPARE(position.DispMode, dispMode);
    QCOMPARE(position.ViewX, 1);
    QCOMPARE(position.ViewY, 1);
  }

  // The move labels stop at both ends and move the painted cells with the view.
  void MoveLabelsKeepTheViewInsideTheGrid() {
    StageView view(nullptr);
    view.BuildGridView(Marks(14, 12));  // ViewMaxX 4, ViewMaxY 3
    QTest::mouseClick(view.lblCrossStageMoveH[2], Qt::LeftButton);
    QCOMPARE(view.Position().ViewX, 1);
    QTest::mouseClick(view.lblCrossStageMoveH[4], Qt::LeftButton);
    QCOMPARE(view.Position().ViewX, 4);
    QTest::mouseClick(view.lblCrossStageMoveH[3], Qt::LeftButton);
    QCOMPARE(view.Position().ViewX, 4);
    QTest::mouseClick(view.lblCrossStageMoveH[2], Qt::LeftButton);
    QCOMPARE(view.Position().ViewX, 3);
    QTest::mouseClick(view.lblCrossStageMoveV[3], Qt::LeftButton);
    QTest::mouseClick(view.lblCrossStageMoveV[3], Qt::LeftButton);
    QTest::mouseClick(view.lblCrossStageMoveV[3], Qt::LeftButton);
    QCOMPARE(view.Position().ViewY, 3);
    QCOMPARE(view.picCrossBase->ViewX(), 3);
    QCOMPARE(view.picCrossBase->ViewY(), 3);
    QCOMPARE(view.picCrossBase->CellAt(QPoint(1, 1)), QPoint(3, 3));
    QTest::mouseClick(view.lblCrossStageMoveV[1], Qt::LeftButton);
    QTest::mouseClick(view.lblCrossStageMoveH[1], Qt::LeftButton);
    QCOMPARE(view.picCrossBase->CellAt(QPoint(1, 1)), QPoint(1, 1));

    view.BuildGridView(Marks(5, 5));  // a new stage starts at the top left again
    QCOMPARE(view.Position().ViewX, 1);
    QTest::mouseClick(view.lblCrossStageMoveH[4], Qt::LeftButton);
    QCOMPARE(view.Position().ViewX, 1);
  }

  void ScrollingToASlot_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("viewX");
    QTest::addColumn<int>("viewY");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("newViewX");
    QTest::addColumn<int>("newViewY");
    // Along the slot.
    QTest::newRow("in sight") << 20 << 20 << 1 << 1 << FlagAcross << 2 << 3 << 5 << 1 << 1;
    QTest::newRow("ends just in sight")
        << 20 << 20 << 1 << 1 << FlagAcross << 7 << 3 << 5 << 1 << 1;
    QTest::newRow("runs out of sight") << 20 << 20 << 1 << 1 << FlagAcross << 8 << 3 << 5 << 8 << 1;
    QTest::newRow("beyond, held at the last start")
        << 20 << 20 << 1 << 1 << FlagAcross << 15 << 3 << 4 << 10 << 1;
    QTest::newRow("before the view") << 20 << 20 << 6 << 1 << FlagAcross << 2 << 3 << 3 << 2 << 1;
    QTest::newRow("down, below the view")
        << 20 << 20 << 1 << 1 << FlagDown << 4 << 12 << 3 << 1 << 11;
    // Across the slot: five lines of margin before it, within the bounds.
    QTest::newRow("row below the view")
        << 20 << 20 << 1 << 1 << FlagAcross << 1 << 14 << 3 << 1 << 9;
    QTest::newRow("row far below") << 20 << 20 << 1 << 1 << FlagAcross << 1 << 20 << 3 << 1 << 11;
    QTest::newRow("row above the view")
        << 20 << 20 << 1 << 9 << FlagAcross << 1 << 3 << 3 << 1 << 1;
    QTest::newRow("row above, margin kept")
        << 20 << 20 << 1 << 9 << FlagAcross << 1 << 8 << 3 << 1 << 3;
    QTest::newRow("column left of the view")
        << 20 << 20 << 8 << 1 << FlagDown << 7 << 1 << 3 << 2 << 1;
    // Only the axes the grid overflows move.
    QTest::newRow("wide grid, rows stay")
        << 20 << 10 << 1 << 1 << FlagDown << 15 << 1 << 10 << 10 << 1;
    QTest::newRow("high grid, columns stay")
        << 11 << 20 << 1 << 1 << FlagAcross << 1 << 18 << 11 << 1 << 11;
    QTest::newRow("fits, nothing moves")
        << 11 << 10 << 1 << 1 << FlagDown << 11 << 1 << 10 << 1 << 1;
  }
  void ScrollingToASlot() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, viewX);
    QFETCH(int, viewY);
    QFETCH(int, flag);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, length);
    QFETCH(int, newViewX);
    QFETCH(int, newViewY);
    StageViewModel position = PositionFor(width, height, viewX, viewY);
    position.ScrollToSlot(CrossWordSlot{flag, x, y, length});
    QCOMPARE(position.ViewX, newViewX);
    QCOMPARE(position.ViewY, newViewY);
  }

  // Letters show as "？" until the switch, walls stay walls; a candidate always shows its
  // letters and brings its slot into sight.
  void DisplayModesAndCandidates() {
    StageView view(nullptr);
    CrossMasMarks marks = Marks(14, 3);
    marks(1, 1) = crossword::WallMark;
    marks(2, 1) = U'ア';
    view.BuildGridView(marks);
    QCOMPARE(view.picCrossBase->Cell(2, 1).text, QString("ア"));
    view.ShowGrid(marks);
    QCOMPARE(view.picCrossBase->Cell(2, 1).text, QString("？"));
    QCOMPARE(view.picCrossBase->Cell(3, 1).text, QString());
    QVERIFY(view.picCrossBase->Cell(1, 1).wall);
    QCOMPARE(view.cmdDispOnOff->text(), QString("マス文字表示"));

    QTest::mouseClick(view.cmdDispOnOff, Qt::LeftButton);
    QCOMPARE(view.DispChrOn(), 1);
    QCOMPARE(view.cmdDispOnOff->text(), QString("マス簡易表示"));
    QCOMPARE(view.picCrossBase->Cell(2, 1).text, QString("ア"));
    QTest::mouseClick(view.cmdDispOnOff, Qt::LeftButton);
    QCOMPARE(view.cmdDispOnOff->text(), QString("マス文字表示"));
    QCOMPARE(view.picCrossBase->Cell(2, 1).text, QString("？"));

    view.ShowCandidate(CrossWordSlot{FlagAcross, 12, 3, 3}, U"イヌカ");
    QCOMPARE(view.picCrossBase->Cell(12, 3).text, QString("イ"));
    QCOMPARE(view.picCrossBase->Cell(14, 3).text, QString("カ"));
    QCOMPARE(view.picCrossBase->ViewX(), 4);
  }
};

QTEST_MAIN(StageViewTest)
#include "StageViewTest.moc"

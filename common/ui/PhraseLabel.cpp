#include "common/ui/PhraseLabel.h"

#include <QPainter>

namespace crossword::ui {

namespace {

const QString kAfterBreak = "、。，．！？";              // a line may end after these
const QString kOpening = "（「『【〔";                   // a line may begin with these
const QString kNeverFirst = "、。，．！？）」』】〕ー";  // nor do these begin a line

bool IsHiragana(QChar letter) {
  return letter.unicode() >= 0x3041 && letter.unicode() <= 0x309F;
}

bool MayBreakBetween(QChar before, QChar after) {
  if (kNeverFirst.contains(after)) return false;
  if (before.isSpace() || kAfterBreak.contains(before) || kOpening.contains(after)) return true;
  return IsHiragana(before) && !IsHiragana(after) && !kOpening.contains(before);
}

// The pieces of one line of text between which it may break.
QStringList Phrases(const QString& line) {
  QStringList phrases;
  int start = 0;
  for (int i = 1; i < line.size(); ++i) {
    if (!MayBreakBetween(line[i - 1], line[i])) continue;
    phrases.append(line.mid(start, i - start));
    start = i;
  }
  if (start < line.size()) phrases.append(line.mid(start));
  return phrases;
}

// A phrase wider than the line, cut letter by letter.
QStringList CutToWidth(const QString& phrase, const QFontMetrics& metrics, int width) {
  QStringList pieces{QString()};
  for (QChar letter : phrase) {
    if (!pieces.last().isEmpty() && metrics.horizontalAdvance(pieces.last() + letter) > width)
      pieces.append(QString());
    pieces.last() += letter;
  }
  return pieces;
}

void AppendFilled(QStringList& lines, const QString& text, const QFontMetrics& metrics, int width) {
  QString line;
  for (const QString& phrase : Phrases(text)) {
    if (line.isEmpty() || metrics.horizontalAdvance(line + phrase) <= width) {
      line += phrase;
      continue;
    }
    lines.append(line.trimmed());
    line = phrase;
  }
  for (const QString& piece : CutToWidth(line.trimmed(), metrics, width)) lines.append(piece);
}

}  // namespace

QStringList PhraseLines(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  for (const QString& own : text.split('\n')) AppendFilled(lines, own, metrics, width);
  return lines;
}

PhraseLabel::PhraseLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setWordWrap(true);
}

int PhraseLabel::heightForWidth(int width) const {
  const QMargins margins = contentsMargins();
  const int lines =
      PhraseLines(text(), fontMetrics(), width - margins.left() - margins.right()).size();
  return lines * fontMetrics().lineSpacing() + margins.top() + margins.bottom();
}

QSize PhraseLabel::sizeHint() const {
  const int width = QLabel::sizeHint().width();
  return {width, heightForWidth(width)};
}

void PhraseLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  const QRect area = contentsRect();
  const QStringList lines = PhraseLines(text(), fontMetrics(), area.width());
  const int lineHeight = fontMetrics().lineSpacing();
  int top = area.top();
  if (alignment() & Qt::AlignVCenter) top += (area.height() - int(lines.size()) * lineHeight) / 2;
  if (alignment() & Qt::AlignBottom) top = area.bottom() + 1 - int(lines.size()) * lineHeight;
  for (const QString& line : lines) {
    painter.drawText(QRect(area.left(), top, area.width(), lineHeight),
                     int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, line);
    top += lineHeight;
  }
}

}  // namespace crossword::ui

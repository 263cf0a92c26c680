#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

// Japanese text broken into lines between phrases, never inside a word. Qt may break
// between any two kana or kanji (クリ|ア, 別|名, 作成す|る); here a line breaks only after
// punctuation or a blank, before an opening bracket, and where hiragana (a particle or an
// inflection's end) give way to another script. A phrase wider than the line is the one
// thing still broken where it must be.
namespace crossword::ui {

// The lines of `text` in `width` pixels; its own line breaks are kept.
QStringList PhraseLines(const QString& text, const QFontMetrics& metrics, int width);

// A word-wrapping label whose lines break between phrases.
class PhraseLabel : public QLabel {
  Q_OBJECT

 public:
  explicit PhraseLabel(const QString& caption, QWidget* parent = nullptr);

  int heightForWidth(int width) const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace crossword::ui

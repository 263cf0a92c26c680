#include "common/ui/Dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace crossword::ui {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ButtonOf(MessageAnswer answer) {
  switch (answer) {
    case AnswerOk:
      return QMessageBox::Ok;
    case AnswerCancel:
      return QMessageBox::Cancel;
    case AnswerYes:
      return QMessageBox::Yes;
    case AnswerNo:
      return QMessageBox::No;
  }
  return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return AnswerCancel;
    case QMessageBox::Yes:
      return AnswerYes;
    case QMessageBox::No:
      return AnswerNo;
    default:
      return AnswerOk;
  }
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return QMessageBox::Ok;
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

// Qt wraps a box's text at about 500 pixels, which breaks Japanese lines anywhere, even
// inside a word. The text's label is made as wide as its longest line instead, as far as
// the screen lets a box grow (Qt's own limit: the screen less 480 pixels, at most 1000,
// or the whole of a screen 1024 pixels wide or less).
void FitTextToLongestLine(QMessageBox& box) {
  auto* label = box.findChild<QLabel*>("qt_msgbox_label");
  if (!label) return;
  int longest = 0;
  for (const QString& line : box.text().split('\n')) {
    longest = std::max(longest, label->fontMetrics().horizontalAdvance(line));
  }
  const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
  const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
  const int boxLimit = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
  constexpr int kIconAndMargins = 120;
  label->setMinimumWidth(std::min(longest + 2, boxLimit - kIconAndMargins));
}

std::optional<ChosenFile> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return ChosenFile{path, QFileInfo(path).fileName()};
}

}  // namespace

QString QtNameFilter(const QString& filter) {
  return filter.section('|', 0, 0);
}

bool InstallJapaneseQtTexts(QCoreApplication& application) {
  auto translator = std::make_unique<QTranslator>(&application);
  if (!translator->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  return QCoreApplication::installTranslator(translator.release());
}

MessageAnswer QtMessagePresenter::Show(const CatalogueMessage& message) {
  QMessageBox box(IconOf(message.Icon), QString::fromStdString(message.Title),
                  QString::fromStdString(message.Text()).replace("\r\n", "\n").trimmed(),
                  ButtonsOf(message.Buttons), parent_);
  box.setDefaultButton(ButtonOf(message.DefaultAnswer));
  FitTextToLongestLine(box);
  if (message.Foreground) box.setWindowFlag(Qt::WindowStaysOnTopHint);
  return AnswerOf(box.exec());
}

std::optional<ChosenFile> QtFileDialogs::Open(const QString& initialPath, const QString& filter) {
  return Chosen(
      QFileDialog::getOpenFileName(parent_, QString(), initialPath, QtNameFilter(filter), nullptr));
}

std::optional<ChosenFile> QtFileDialogs::Save(const QString& initialPath, const QString& filter) {
  return Chosen(QFileDialog::getSaveFileName(parent_, QString(), initialPath, QtNameFilter(filter),
                                             nullptr, QFileDialog::DontConfirmOverwrite));
}

}  // namespace crossword::ui

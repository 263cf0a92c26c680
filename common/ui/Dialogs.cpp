#include "common/ui/Dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
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
  }
  return QMessageBox::Ok;
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

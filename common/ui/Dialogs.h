#pragma once

#include <QCoreApplication>
#include <QString>
#include <QWidget>
#include <optional>

#include "common/Message.h"

// The modal boxes and file dialogs of both windows, behind small interfaces so that
// tests can answer them.
namespace crossword::ui {

class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  // Shows the message modally and returns the button pressed.
  virtual MessageAnswer Show(const CatalogueMessage& message) = 0;
};

// A file chosen in a dialog: the full path and the bare file name.
struct ChosenFile {
  QString fullPath;
  QString fileTitle;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // `filter` is in the programs' form, e.g. "Gridset ﾌｧｲﾙ (*.gst)|*.gst|".
  // Nothing when the user cancels.
  virtual std::optional<ChosenFile> Open(const QString& initialPath, const QString& filter) = 0;
  virtual std::optional<ChosenFile> Save(const QString& initialPath, const QString& filter) = 0;
};

// QMessageBox with the catalogue's title, text, buttons, icon and default button; boxes
// with the foreground flag stay in front of other windows.
class QtMessagePresenter : public MessagePresenter {
 public:
  explicit QtMessagePresenter(QWidget* parent) : parent_(parent) {}
  MessageAnswer Show(const CatalogueMessage& message) override;

 private:
  QWidget* parent_;
};

// QFileDialog; an open dialog accepts only existing files, a save dialog asks nothing
// about an existing file (the pages say it is replaced).
class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<ChosenFile> Open(const QString& initialPath, const QString& filter) override;
  std::optional<ChosenFile> Save(const QString& initialPath, const QString& filter) override;

 private:
  QWidget* parent_;
};

// "Gridset ﾌｧｲﾙ (*.gst)|*.gst|" as Qt writes a name filter: "Gridset ﾌｧｲﾙ (*.gst)".
QString QtNameFilter(const QString& filter);

// Qt's own texts (the buttons of the boxes, the file dialogs) in Japanese like the rest of
// the window, whatever the system's language; false when Qt's translations are missing.
bool InstallJapaneseQtTexts(QCoreApplication& application);

}  // namespace crossword::ui

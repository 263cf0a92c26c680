#pragma once

#include <string>

#include "common/GridSettingsFile.h"
#include "designer/engine/DesignerFiles.h"
#include "designer/engine/DesignerMessages.h"
#include "designer/engine/DesignerObserver.h"
#include "designer/engine/EditedGrid.h"

// Reading the stages of a grid settings file into the grid being edited.
namespace crossword {

// Needs the grid settings file to write (offered for reading when it exists) and the
// program folder, the grid being edited (a stage read becomes it), the way to ask the
// author and the observer. Gives the file read and its stages, one at a time. The stage
// number, count and name change only once a stage has loaded; a file or stage that cannot
// be read is message 4.
class GridFileReader {
 public:
  GridFileReader(const DesignerFiles& files, std::string programFolder, EditedGrid& grid,
                 AskMessage ask, DesignerObserver& observer);

  const ReadGridFile& ReadFile() const { return file_; }

  // Offers the grid settings file to write for reading, when it exists.
  void PresetReadFile();
  void ChooseReadFile(const std::string& path);
  // The stage selector moved to stage n.
  void ChangeStage(int n);
  // Takes stage n of the file as the grid; false when the file has no stage n, a FileError
  // when the stage cannot be read (the grid then stays as it was).
  bool LoadStage(const std::string& path, int n);

 private:
  bool TryLoadStage(const std::string& path, int n);
  bool LoadStage(const GridSettingsFile& file, int n);
  int LoadFirstStage(const std::string& path);

  const DesignerFiles& files_;
  std::string programFolder_;
  EditedGrid& grid_;
  AskMessage ask_;
  DesignerObserver& observer_;
  ReadGridFile file_;
};

}  // namespace crossword

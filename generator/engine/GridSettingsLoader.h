#pragma once

#include <filesystem>
#include <functional>

#include "common/Message.h"
#include "generator/engine/GeneratorObserver.h"
#include "generator/engine/LoadedGridSettings.h"
#include "generator/engine/PuzzleSetFiles.h"
#include "generator/engine/WordIndex.h"

// Reads a grid settings file and opens the dictionary it names.
//
// Needs: the set's files, whose grid file it reads and whose dictionary and puzzle file it
// names; the observer for the notes and the end of the program; a way to show a message of
// the catalogue. Gives: what the grid file and its dictionary say, as they were read.
namespace crossword {

class GridSettingsLoader {
 public:
  GridSettingsLoader(PuzzleSetFiles& files, GeneratorObserver& observer, AskMessage showMessage)
      : files_(files), observer_(observer), showMessage_(std::move(showMessage)) {}

  const LoadedGridSettings& Loaded() const { return loaded_; }
  std::filesystem::path GridFile() const { return files_.MakeDir + files_.MakeFile; }

  // Reads the grid settings file MakeDir + MakeFile and opens its dictionary. Returns 0
  // when the dictionary is missing (message 5 shown, the program ends), else 1.
  int LoadGridSettings(bool chosenByUser);
  // A grid settings file chosen by the user: loads it and names the puzzle file after it.
  int ChooseGridFile(const std::filesystem::path& chosen);
  // A puzzle file name chosen by the user; the extension is always ".pzs".
  void ChoosePuzzleFile(const std::filesystem::path& chosen);
  // Fills from these words, for a grid checked without a grid settings file.
  void UseWordIndex(WordIndex words) { loaded_.DicDb = std::move(words); }
  // Lets go of the dictionary's words when the program ends.
  void CloseDictionary() { loaded_.DicDb.reset(); }

 private:
  PuzzleSetFiles& files_;
  GeneratorObserver& observer_;
  AskMessage showMessage_;
  LoadedGridSettings loaded_;
};

}  // namespace crossword

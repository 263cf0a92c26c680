#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/FileOps.h"

// The programs' text files: code page 932, every line ended by CR LF.
namespace crossword {

// Reads every line. Lines may end with CR LF or LF alone; a final line end adds no
// empty line. A file that is not code page 932 text is a FileError naming the line.
std::vector<std::u32string> ReadTextLines(const std::filesystem::path& path);

// The lines of a code page 932 text file, each decoded only when it is read, so that a
// byte the code page refuses matters only in a line that is read. A UTF-8 file is a
// FileError at once.
class TextFileLines {
 public:
  explicit TextFileLines(const std::filesystem::path& path);

  size_t size() const { return bytes_.size(); }
  // Line `index` (from 0); a FileError names the line when it is not code page 932.
  const std::u32string& Decoded(size_t index) const;
  // The line as it stands in the file: ASCII text equals it exactly when the line is it.
  std::string_view Bytes(size_t index) const { return bytes_[index]; }

 private:
  std::filesystem::path path_;
  std::vector<std::string> bytes_;
  mutable std::vector<std::optional<std::u32string>> decoded_;
};

// The lines in code page 932, each ended by CR LF. A character the code page cannot hold
// is a FileError naming the file and the line, counted on from `linesBefore`.
std::string EncodeTextLines(const std::filesystem::path& path,
                            const std::vector<std::u32string>& lines, int linesBefore = 0);

// The lines of a UTF-8 text file typed by hand (a byte-order mark is skipped); a FileError
// names a line that is not UTF-8.
std::vector<std::u32string> ReadUtf8Lines(const std::filesystem::path& path);

// Writes the lines as UTF-8, each ended by LF, for a person to edit; an older file of that
// name is replaced only when the new one is complete.
void WriteUtf8Lines(const std::filesystem::path& path, const std::vector<std::u32string>& lines);

// Writes a text file under a temporary name beside its final name; only Commit puts it
// in place, so an older file of that name survives any failure before then. A file left
// under the temporary name by an earlier, killed run is replaced and never read; one that
// another run is writing now refuses this one.
class StagedTextFile {
 public:
  explicit StagedTextFile(std::filesystem::path finalPath);
  ~StagedTextFile();
  StagedTextFile(const StagedTextFile&) = delete;
  StagedTextFile& operator=(const StagedTextFile&) = delete;

  // Creates the temporary file with these lines, or appends them to it.
  void Create(const std::vector<std::u32string>& lines);
  void Append(const std::vector<std::u32string>& lines);
  void Commit();

 private:
  std::filesystem::path finalPath_;
  std::filesystem::path workingPath_;
  std::unique_ptr<WorkingFileLock> lock_;  // from the first write on
  int linesWritten_ = 0;                   // to name the line of a character that cannot be written
  bool committed_ = false;
};

}  // namespace crossword

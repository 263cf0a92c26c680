#include "common/TextFile.h"

#include <algorithm>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/TextCodec.h"

namespace crossword {

namespace {

bool LooksLikeUtf8(std::string_view bytes) {
  try {
    return FromUtf8(bytes).size() < bytes.size();  // holds letters beyond ASCII
  } catch (const TextEncodingError&) {
    return false;
  }
}

// Splits at LF or CR LF; a final line end adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  for (size_t start = 0; start < bytes.size();) {
    size_t end = std::min(bytes.find('\n', start), bytes.size());
    const size_t next = end + 1;
    if (end > start && bytes[end - 1] == '\r') --end;
    lines.push_back(bytes.substr(start, end - start));
    start = next;
  }
  return lines;
}

// Decodes one line, so that a byte the encoding refuses is reported with its line.
template <typename Decode>
std::u32string DecodeLine(const std::filesystem::path& path, size_t index, std::string_view line,
                          Decode decode) {
  try {
    return decode(line);
  } catch (const TextEncodingError& error) {
    throw FileError(path, static_cast<int>(index) + 1, error.what());
  }
}

}  // namespace

TextFileLines::TextFileLines(const std::filesystem::path& path) : path_(path) {
  const std::string bytes = ReadWholeFile(path);
  if (bytes.starts_with("\xEF\xBB\xBF") || LooksLikeUtf8(bytes)) {
    throw FileError(path, "the file is UTF-8 text; it must be in code page 932 (Shift-JIS)");
  }
  for (std::string_view line : SplitLines(bytes)) bytes_.emplace_back(line);
  decoded_.resize(bytes_.size());
}

const std::u32string& TextFileLines::Decoded(size_t index) const {
  if (!decoded_[index]) decoded_[index] = DecodeLine(path_, index, bytes_[index], DecodeCp932);
  return *decoded_[index];
}

std::vector<std::u32string> ReadTextLines(const std::filesystem::path& path) {
  const TextFileLines file(path);
  std::vector<std::u32string> lines;
  for (size_t i = 0; i < file.size(); ++i) lines.push_back(file.Decoded(i));
  return lines;
}

std::vector<std::u32string> ReadUtf8Lines(const std::filesystem::path& path) {
  const std::string whole = ReadWholeFile(path);
  std::string_view bytes = whole;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::vector<std::u32string> lines;
  for (std::string_view line : SplitLines(bytes)) {
    lines.push_back(DecodeLine(path, lines.size(), line, FromUtf8));
  }
  return lines;
}

void WriteUtf8Lines(const std::filesystem::path& path, const std::vector<std::u32string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += ToUtf8(line) + "\n";
  const std::filesystem::path working = StagingPathFor(path, ".part");
  try {
    CreateFileWith(working, bytes);
    ReplaceFile(working, path);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(working, ignored);
    throw;
  }
}

std::string EncodeTextLines(const std::filesystem::path& path,
                            const std::vector<std::u32string>& lines, int linesBefore) {
  std::string bytes;
  int lineNumber = linesBefore;
  for (const auto& line : lines) {
    ++lineNumber;
    try {
      bytes += EncodeCp932(line);
    } catch (const TextEncodingError& error) {
      throw FileError(path, lineNumber, error.what());
    }
    bytes += "\r\n";
  }
  return bytes;
}

StagedTextFile::StagedTextFile(std::filesystem::path finalPath)
    : finalPath_(std::move(finalPath)), workingPath_(StagingPathFor(finalPath_, ".part")) {}

// Whatever lies under the working name uncommitted, a part left by a killed run included,
// goes once this file holds the lock on it; while another run holds it, it is that run's.
StagedTextFile::~StagedTextFile() {
  if (committed_) return;
  try {
    if (!lock_) lock_ = std::make_unique<WorkingFileLock>(workingPath_);
  } catch (...) {
    return;
  }
  std::error_code ignored;
  std::filesystem::remove(workingPath_, ignored);
}

void StagedTextFile::Create(const std::vector<std::u32string>& lines) {
  if (!lock_) lock_ = std::make_unique<WorkingFileLock>(workingPath_);
  linesWritten_ = 0;
  const std::string bytes = EncodeTextLines(finalPath_, lines, linesWritten_);
  CreateFileWith(workingPath_, bytes);
  linesWritten_ = static_cast<int>(lines.size());
}

void StagedTextFile::Append(const std::vector<std::u32string>& lines) {
  const std::string bytes = EncodeTextLines(finalPath_, lines, linesWritten_);
  AppendToFile(workingPath_, bytes);
  linesWritten_ += static_cast<int>(lines.size());
}

void StagedTextFile::Commit() {
  ReplaceFile(workingPath_, finalPath_);
  committed_ = true;
}

}  // namespace crossword

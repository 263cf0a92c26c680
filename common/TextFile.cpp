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

// Splits at LF or CR LF (a final line end adds no empty line) and decodes each line, so
// that a byte the encoding refuses is reported with its line.
template <typename Decode>
std::vector<std::u32string> DecodeLines(const std::filesystem::path& path, std::string_view bytes,
                                        Decode decode) {
  std::vector<std::u32string> lines;
  for (size_t start = 0; start < bytes.size();) {
    size_t end = std::min(bytes.find('\n', start), bytes.size());
    const size_t next = end + 1;
    if (end > start && bytes[end - 1] == '\r') --end;
    try {
      lines.push_back(decode(bytes.substr(start, end - start)));
    } catch (const TextEncodingError& error) {
      throw FileError(path, static_cast<int>(lines.size()) + 1, error.what());
    }
    start = next;
  }
  return lines;
}

}  // namespace

std::vector<std::u32string> ReadTextLines(const std::filesystem::path& path) {
  const std::string bytes = ReadWholeFile(path);
  if (bytes.starts_with("\xEF\xBB\xBF") || LooksLikeUtf8(bytes)) {
    throw FileError(path, "the file is UTF-8 text; it must be in code page 932 (Shift-JIS)");
  }
  return DecodeLines(path, bytes, DecodeCp932);
}

std::vector<std::u32string> ReadUtf8Lines(const std::filesystem::path& path) {
  const std::string whole = ReadWholeFile(path);
  std::string_view bytes = whole;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return DecodeLines(path, bytes, FromUtf8);
}

void WriteUtf8Lines(const std::filesystem::path& path, const std::vector<std::u32string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += ToUtf8(line) + "\n";
  const std::filesystem::path working = path.string() + ".part";
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
    : finalPath_(std::move(finalPath)), workingPath_(finalPath_.string() + ".part") {}

StagedTextFile::~StagedTextFile() {
  if (started_ && !committed_) {
    std::error_code ignored;
    std::filesystem::remove(workingPath_, ignored);
  }
}

void StagedTextFile::Create(const std::vector<std::u32string>& lines) {
  linesWritten_ = 0;
  const std::string bytes = EncodeTextLines(finalPath_, lines, linesWritten_);
  started_ = true;
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

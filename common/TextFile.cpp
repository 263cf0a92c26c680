#include "common/TextFile.h"

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

}  // namespace

std::vector<std::u32string> ReadTextLines(const std::filesystem::path& path) {
  const std::string bytes = ReadWholeFile(path);
  if (bytes.starts_with("\xEF\xBB\xBF") || LooksLikeUtf8(bytes)) {
    throw FileError(path, "the file is UTF-8 text; it must be in code page 932 (Shift-JIS)");
  }
  std::vector<std::u32string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const size_t next = end == std::string::npos ? bytes.size() : end + 1;
    if (end == std::string::npos) end = bytes.size();
    if (end > start && bytes[end - 1] == '\r') --end;
    try {
      lines.push_back(DecodeCp932(std::string_view(bytes).substr(start, end - start)));
    } catch (const TextEncodingError& error) {
      throw FileError(path, static_cast<int>(lines.size()) + 1, error.what());
    }
    start = next;
  }
  return lines;
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

#include "common/FileKind.h"

#include <fstream>
#include <string_view>
#include <utility>
#include <vector>

#include "common/FileError.h"
#include "common/TextCodec.h"

namespace crossword {

namespace {

// How each kind begins, in the bytes written.
const std::vector<std::pair<FileKind, std::string>>& Signatures() {
  static const std::vector<std::pair<FileKind, std::string>> kSignatures = {
      {FileKind::GridSettings, ";DicPath"},
      {FileKind::PuzzleSet, EncodeCp932(U";解答言語")},
      {FileKind::Dictionary, std::string("SQLite format 3\0", 16)},
      {FileKind::WordIndex, "WRDINDEX"},
      {FileKind::IndexFile, EncodeCp932(U";次行より「分野")},
  };
  return kSignatures;
}

}  // namespace

FileKind RecogniseFileKind(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  char bytes[32] = {};
  file.read(bytes, sizeof bytes);
  const std::string_view start(bytes, static_cast<size_t>(file.gcount()));
  for (const auto& [kind, signature] : Signatures()) {
    if (start.starts_with(signature)) return kind;
  }
  return FileKind::Unknown;
}

std::string FileKindName(FileKind kind) {
  switch (kind) {
    case FileKind::GridSettings:
      return "a grid settings file";
    case FileKind::PuzzleSet:
      return "a puzzle set";
    case FileKind::Dictionary:
      return "a dictionary";
    case FileKind::WordIndex:
      return "a word index file";
    case FileKind::IndexFile:
      return "a dictionary's index file";
    case FileKind::Unknown:
      break;
  }
  return "a file of no kind the suite writes";
}

const std::filesystem::path& ExpectFileKind(const std::filesystem::path& path, FileKind expected) {
  const FileKind kind = RecogniseFileKind(path);
  if (kind != FileKind::Unknown && kind != expected) {
    throw FileError(path, "this is " + FileKindName(kind) + ", not " + FileKindName(expected));
  }
  return path;
}

}  // namespace crossword

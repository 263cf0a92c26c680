// The word index file (.wdx), mapped and trusted once its checks pass, on any bytes: it is
// refused with a reason, or it answers every question a fill asks without reading outside
// the file. Each input is written as the index of one small dictionary with that
// dictionary's fingerprint put in, and every other input with its own time stamp, so that
// inputs get past the checks that only a real index passes by chance and reach the rest.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <stdexcept>
#include <vector>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/TextCodec.h"
#include "dictionary/Dictionary.h"
#include "generator/engine/WordIndex.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

using namespace crossword;

// The header's layout: magic, version and byte order (16 bytes), checksum, time stamp,
// image size, then the fingerprint of the dictionary.
constexpr size_t kStampAt = 24, kImageSizeAt = 32, kFingerprintAt = 40, kFingerprintEnd = 144;

struct ScratchDictionary {
  std::filesystem::path path = fuzzing::ScratchPath("words.lxd");
  std::string fingerprint;  // as its own index file holds it

  ScratchDictionary() {
    std::filesystem::copy_file(SEED_DICTIONARY, path,
                               std::filesystem::copy_options::overwrite_existing);
    WriteWordIndexFile(path);
    fingerprint = ReadWholeFile(WordIndexPathOf(path))
                      .substr(kFingerprintAt, kFingerprintEnd - kFingerprintAt);
  }
};

void WriteIndex(const ScratchDictionary& dictionary, const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (bytes.size() >= kFingerprintEnd) {
    bytes.replace(kFingerprintAt, dictionary.fingerprint.size(), dictionary.fingerprint);
  }
  const bool stamped = size % 2 == 0 && bytes.size() >= kFingerprintEnd;
  if (stamped) {
    const std::uint64_t imageSize = bytes.size();
    std::memcpy(bytes.data() + kImageSizeAt, &imageSize, sizeof imageSize);
  }
  const std::filesystem::path path = WordIndexPathOf(dictionary.path);
  CreateFileWith(path, bytes);
  if (stamped) {
    std::int64_t stampNs = 0;
    std::memcpy(&stampNs, bytes.data() + kStampAt, sizeof stampNs);
    const timespec times[2] = {{0, UTIME_OMIT}, {stampNs / 1000000000, stampNs % 1000000000}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
  }
}

// Every word read, and every word found again by each of its letters.
void AskEverything(const WordIndex& index) {
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    for (int k = 1; k <= index.RecordCount(length); ++k) {
      try {
        const WordRecord word = index.Record(length, k);
        index.ClassOf(length, k);
        for (int position = 1; position <= length; ++position) {
          index.FindAll(length, WordQuery{{}, {{position, word.Yst[position - 1]}}});
        }
        index.HasMatch(length, WordQuery{word.Yst, {}});
      } catch (const std::out_of_range&) {  // a text outside its table, found when read
      } catch (const TextEncodingError&) {  // a text that is not UTF-8
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchDictionary dictionary;
  static const Dictionary opened(dictionary.path);
  WriteIndex(dictionary, data, size);
  std::string problem;
  if (auto image = WordIndexImage::Map(opened, problem))
    AskEverything(WordIndex(std::move(*image)));
  return 0;
}

#include "dictionary/WordIndexFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "common/FileOps.h"
#include "dictionary/Dictionary.h"
#include "dictionary/KeptClues.h"

namespace crossword {

namespace {

constexpr char kMagic[8] = {'W', 'R', 'D', 'I', 'N', 'D', 'E', 'X'};
constexpr std::uint32_t kVersion = 4;
constexpr std::uint32_t kByteOrderMark = 0x01020304;
constexpr std::uint8_t kWalMode = 2;  // SQLite's file format numbers of a WAL database

// Every number in the file is little-endian, so that one file serves every machine: a
// little-endian one maps it as it is, a big-endian one reads a copy turned round.
constexpr bool kFileOrderIsNative = std::endian::native == std::endian::little;

template <typename Number>
void Turn(Number& number) {
  if constexpr (sizeof number == 8) {
    number = static_cast<Number>(__builtin_bswap64(static_cast<std::uint64_t>(number)));
  } else {
    static_assert(sizeof number == 4);
    number = static_cast<Number>(__builtin_bswap32(static_cast<std::uint32_t>(number)));
  }
}

// Turns each 4-byte number of `count` items that are made of nothing else.
template <typename Item>
void TurnItems(Item* items, std::uint64_t count) {
  static_assert(sizeof(Item) % 4 == 0 && alignof(Item) == 4);
  auto* numbers = reinterpret_cast<std::uint32_t*>(items);
  for (std::uint64_t i = 0; i < count * (sizeof(Item) / 4); ++i) Turn(numbers[i]);
}

// What says that a dictionary's word tables are those an index was made from: a checksum
// of the whole dictionary file. Reading the whole file takes longer than the rest of an
// opening, so the file's identity and change time, which every write moves on, vouch for
// it while they stay as they were; a copied pair is checked by its content instead.
struct Fingerprint {
  std::uint64_t fileSize, fileChecksum;
  std::uint64_t device, inode, changedNs, modifiedNs;
  std::uint32_t formatNumbers;
  std::int32_t counts[AnswerLenMax + 1];

  bool SameFileUnchanged(const Fingerprint& other) const {
    return device == other.device && inode == other.inode && changedNs == other.changedNs &&
           modifiedNs == other.modifiedNs;
  }
  bool SameContent(const Fingerprint& other) const {
    return fileSize == other.fileSize && fileChecksum == other.fileChecksum &&
           formatNumbers == other.formatNumbers &&
           std::equal(std::begin(counts), std::end(counts), std::begin(other.counts));
  }
};

struct TableHeader {
  std::int32_t length, count;
  std::uint64_t words, classes, readings, postings, ranges, rangeCount, rangeStarts, texts,
      textSize;

  void Turn() {
    for (std::int32_t* number : {&length, &count}) crossword::Turn(*number);
    for (std::uint64_t* number : {&words, &classes, &readings, &postings, &ranges, &rangeCount,
                                  &rangeStarts, &texts, &textSize}) {
      crossword::Turn(*number);
    }
  }
};

struct FileHeader {
  char magic[8];
  std::uint32_t version, byteOrder;
  std::uint64_t checksum;   // of everything from imageSize to the end of the file
  std::int64_t stampedNs;   // the modification time the file was written with
  std::uint64_t imageSize;  // the whole file
  Fingerprint fingerprint;  // of the dictionary the index was made from
  TableHeader tables[AnswerLenMax + 1];

  void Turn() {
    for (std::uint32_t* number : {&version, &byteOrder, &fingerprint.formatNumbers}) {
      crossword::Turn(*number);
    }
    crossword::Turn(stampedNs);
    for (std::uint64_t* number :
         {&checksum, &imageSize, &fingerprint.fileSize, &fingerprint.fileChecksum,
          &fingerprint.device, &fingerprint.inode, &fingerprint.changedNs,
          &fingerprint.modifiedNs}) {
      crossword::Turn(*number);
    }
    for (std::int32_t& count : fingerprint.counts) crossword::Turn(count);
    for (TableHeader& table : tables) table.Turn();
  }
};
// The file's layout is these structures' bytes: no padding anywhere.
static_assert(sizeof(Fingerprint) == 6 * 8 + 4 + 4 * (AnswerLenMax + 1));
static_assert(sizeof(TableHeader) == 2 * 4 + 9 * 8);
static_assert(sizeof(FileHeader) ==
              8 + 2 * 4 + 3 * 8 + sizeof(Fingerprint) + (AnswerLenMax + 1) * sizeof(TableHeader));
static_assert(sizeof(IndexedWord) == 32 && sizeof(IndexedClass) == 12 && sizeof(LetterRange) == 12);

constexpr size_t kChecksummedFrom = offsetof(FileHeader, imageSize);

FileHeader HeaderOf(std::span<const std::byte> bytes) {
  FileHeader header{};
  std::memcpy(&header, bytes.data(), std::min(sizeof header, bytes.size()));
  if constexpr (!kFileOrderIsNative) header.Turn();
  return header;
}

void PutHeader(FileHeader header, std::span<std::byte> bytes) {
  if constexpr (!kFileOrderIsNative) header.Turn();
  std::memcpy(bytes.data(), &header, sizeof header);
}

// A file made for other machines, by a package build (SOURCE_DATE_EPOCH set), must not
// depend on the one it was made on: it carries that time, and no file identity.
std::optional<std::int64_t> SourceDateEpoch() {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (!epoch || *epoch == '\0') return std::nullopt;
  return std::strtoll(epoch, nullptr, 10);
}

// Whether the index file still has the modification time it was written with: any later
// write moves it on, so its checksum need not be worked out at every open.
bool StampedUnchanged(const std::filesystem::path& path, const FileHeader& header) {
  struct stat status {};
  return stat(path.c_str(), &status) == 0 &&
         static_cast<std::uint64_t>(status.st_size) == header.imageSize &&
         status.st_mtim.tv_sec == header.stampedNs / 1000000000 &&
         status.st_mtim.tv_nsec == header.stampedNs % 1000000000;
}

// Sixteen 64-bit lanes, each mixed by steps that lose nothing, two lanes to a vector
// register: fast enough to check a whole dictionary file each time it opens.
std::uint64_t Checksum(std::span<const std::byte> bytes) {
  using Lanes = std::uint64_t __attribute__((vector_size(16)));
  constexpr size_t kBlock = 8 * sizeof(Lanes);
  Lanes lanes[8];
  for (int v = 0; v < 8; ++v) lanes[v] = Lanes{2u * v + 1, 2u * v + 2};
  size_t i = 0;
  for (; i + kBlock <= bytes.size(); i += kBlock) {
    Lanes block[8];
    std::memcpy(block, bytes.data() + i, kBlock);
    if constexpr (!kFileOrderIsNative) {
      for (Lanes& pair : block) {
        for (int lane = 0; lane < 2; ++lane) pair[lane] = __builtin_bswap64(pair[lane]);
      }
    }
    for (int v = 0; v < 8; ++v) {
      lanes[v] += block[v];
      lanes[v] ^= lanes[v] >> 29;
      lanes[v] += lanes[v] << 7;
    }
  }
  constexpr std::uint64_t kPrime = 0x9E3779B97F4A7C15ULL;
  std::uint64_t sum = bytes.size();
  for (int v = 0; v < 8; ++v) {
    for (int lane = 0; lane < 2; ++lane) sum = std::rotl((sum ^ lanes[v][lane]) * kPrime, 31);
  }
  for (; i < bytes.size(); ++i) sum = (sum ^ static_cast<std::uint8_t>(bytes[i])) * kPrime;
  return sum;
}

struct Mapping {
  Mapping(void* start, size_t bytes) : address(start), size(bytes) {}
  Mapping(const Mapping&) = delete;
  Mapping& operator=(const Mapping&) = delete;
  ~Mapping() { munmap(address, size); }

  std::span<const std::byte> Bytes() const {
    return {static_cast<const std::byte*>(address), size};
  }

  void* address;
  size_t size;
};

// The file mapped read-only, its pages read as they are first touched: a fill reads only
// part of an index. Nothing when it cannot be opened or is empty.
std::shared_ptr<Mapping> MapFile(const std::filesystem::path& path) {
  const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  void* address = MAP_FAILED;
  if (fstat(descriptor, &status) == 0 && status.st_size > 0) {
    address =
        mmap(nullptr, static_cast<size_t>(status.st_size), PROT_READ, MAP_PRIVATE, descriptor, 0);
  }
  close(descriptor);
  if (address == MAP_FAILED) return nullptr;
  return std::make_shared<Mapping>(address, static_cast<size_t>(status.st_size));
}

std::uint64_t Nanoseconds(const timespec& time) {
  return static_cast<std::uint64_t>(time.tv_sec) * 1000000000u +
         static_cast<std::uint64_t>(time.tv_nsec);
}

// The dictionary file's identity, size, change times and word counts; its checksum only
// when `withContent`.
Fingerprint FingerprintOf(const Dictionary& dictionary, bool withContent) {
  Fingerprint fingerprint{};
  struct stat status {};
  if (stat(dictionary.Path().c_str(), &status) != 0) {
    throw DictionaryError(dictionary.Path(), "the dictionary file cannot be read");
  }
  fingerprint.fileSize = static_cast<std::uint64_t>(status.st_size);
  fingerprint.device = status.st_dev;
  fingerprint.inode = status.st_ino;
  fingerprint.changedNs = Nanoseconds(status.st_ctim);
  fingerprint.modifiedNs = Nanoseconds(status.st_mtim);
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    fingerprint.counts[length] = dictionary.RecordCount(length);
  }
  if (!withContent) return fingerprint;
  const auto file = MapFile(dictionary.Path());
  if (!file) throw DictionaryError(dictionary.Path(), "the dictionary file cannot be read");
  const std::span<const std::byte> bytes = file->Bytes();
  fingerprint.fileChecksum = Checksum(bytes);
  if (bytes.size() > 19) {
    fingerprint.formatNumbers =
        static_cast<std::uint32_t>(bytes[18]) << 8 | static_cast<std::uint32_t>(bytes[19]);
  }
  return fingerprint;
}

// One length's sections as they are built.
struct TableParts {
  std::vector<IndexedWord> words;
  std::vector<IndexedClass> classes;
  std::u32string readings;
  std::vector<std::int32_t> postings;
  std::vector<LetterRange> ranges;
  std::vector<std::uint32_t> rangeStarts;
  std::string texts;
};

std::uint32_t Keep(std::string& texts, std::string_view text) {
  const auto offset = static_cast<std::uint32_t>(texts.size());
  texts += text;
  return offset;
}

// The words of each letter at `position`, each range in stored order.
void IndexPosition(TableParts& table, int length, int position) {
  const auto count = static_cast<std::int32_t>(table.words.size());
  auto letterAt = [&](std::int32_t k) { return table.readings[(k - 1) * length + position - 1]; };
  std::map<char32_t, std::int32_t> counts;
  for (std::int32_t k = 1; k <= count; ++k) ++counts[letterAt(k)];
  table.rangeStarts.push_back(static_cast<std::uint32_t>(table.ranges.size()));
  std::map<char32_t, std::int32_t> next;
  auto first = static_cast<std::int32_t>(table.postings.size());
  for (const auto& [letter, words] : counts) {
    table.ranges.push_back({letter, first, words});
    next[letter] = first;
    first += words;
  }
  table.postings.resize(first);
  for (std::int32_t k = 1; k <= count; ++k) table.postings[next[letterAt(k)]++] = k;
}

TableParts BuildTable(const Dictionary& dictionary, int length) {
  TableParts table;
  dictionary.ScanStoredWords(length, [&](int, const StoredWord& word) {
    const std::uint32_t qst = Keep(table.texts, word.Qst);
    const std::uint32_t ast = Keep(table.texts, word.Ast);
    table.classes.push_back({word.CN, word.BN, IsJapaneseClue(word.Qst) ? 1 : 0});
    table.words.push_back({word.ID, word.QN, word.AN, word.SN, qst,
                           static_cast<std::uint32_t>(word.Qst.size()), ast,
                           static_cast<std::uint32_t>(word.Ast.size())});
    table.readings += word.Yst;
  });
  for (int position = 1; position <= length; ++position) IndexPosition(table, length, position);
  table.rangeStarts.push_back(static_cast<std::uint32_t>(table.ranges.size()));
  return table;
}

class ImageWriter {
 public:
  ImageWriter() : bytes_(sizeof(FileHeader)) {}

  template <typename T>
  std::uint64_t Append(const T* data, size_t count) {
    bytes_.resize((bytes_.size() + 7) / 8 * 8);
    const std::uint64_t offset = bytes_.size();
    const auto* first = reinterpret_cast<const std::byte*>(data);
    bytes_.insert(bytes_.end(), first, first + count * sizeof(T));
    if constexpr (!kFileOrderIsNative && sizeof(T) > 1) {
      TurnItems(reinterpret_cast<T*>(bytes_.data() + offset), count);
    }
    return offset;
  }
  std::vector<std::byte>& Bytes() { return bytes_; }
  // Room for `count` more bytes in sections, so that a large image is not copied as it grows.
  void Reserve(size_t count) { bytes_.reserve(bytes_.size() + count); }

 private:
  std::vector<std::byte> bytes_;
};

TableHeader AppendTable(ImageWriter& image, const TableParts& table, int length) {
  TableHeader header{};
  header.length = length;
  header.count = static_cast<std::int32_t>(table.words.size());
  header.words = image.Append(table.words.data(), table.words.size());
  header.classes = image.Append(table.classes.data(), table.classes.size());
  header.readings = image.Append(table.readings.data(), table.readings.size());
  header.postings = image.Append(table.postings.data(), table.postings.size());
  header.ranges = image.Append(table.ranges.data(), table.ranges.size());
  header.rangeCount = table.ranges.size();
  header.rangeStarts = image.Append(table.rangeStarts.data(), table.rangeStarts.size());
  header.texts = image.Append(table.texts.data(), table.texts.size());
  header.textSize = table.texts.size();
  return header;
}

// Checks that a section of `count` items lies inside the image, aligned for its items.
template <typename T>
const T* Section(std::span<const std::byte> bytes, std::uint64_t offset, std::uint64_t count) {
  if (offset % alignof(T) != 0 || offset > bytes.size() ||
      count > (bytes.size() - offset) / sizeof(T)) {
    return nullptr;
  }
  return reinterpret_cast<const T*>(bytes.data() + offset);
}

// Empty when every number of the table points inside it, else what is wrong; the texts'
// places are checked as they are read.
std::string CheckTable(const IndexedTable& table, std::uint64_t postingCount,
                       std::uint64_t rangeCount) {
  const std::string where = "the table of " + std::to_string(table.length) + "-letter words ";
  if (table.rangeStarts[0] != 0 || table.rangeStarts[table.length] != rangeCount) {
    return where + "has damaged letter ranges";
  }
  for (int p = 0; p < table.length; ++p) {
    if (table.rangeStarts[p] > table.rangeStarts[p + 1]) return where + "has damaged letter ranges";
    for (auto r = table.rangeStarts[p]; r < table.rangeStarts[p + 1]; ++r) {
      const LetterRange& range = table.ranges[r];
      const bool sorted = r == table.rangeStarts[p] || table.ranges[r - 1].letter < range.letter;
      if (!sorted || range.first < 0 || range.count < 0 ||
          static_cast<std::uint64_t>(range.first) + range.count > postingCount) {
        return where + "has damaged letter ranges";
      }
    }
  }
  for (std::uint64_t i = 0; i < postingCount; ++i) {
    if (table.postings[i] < 1 || table.postings[i] > table.count)
      return where + "has damaged word numbers";
  }
  return "";
}

// The parts of a table of an image, to be laid out again.
TableParts PartsOf(const IndexedTable& table) {
  const auto letters = static_cast<size_t>(table.count) * table.length;
  const std::uint32_t rangeCount = table.rangeStarts[table.length];
  return {{table.words, table.words + table.count},
          {table.classes, table.classes + table.count},
          {table.readings, letters},
          {table.postings, table.postings + letters},
          {table.ranges, table.ranges + rangeCount},
          {table.rangeStarts, table.rangeStarts + table.length + 1},
          std::string(table.texts)};
}

// The bytes a table's sections take in an image, with room for their alignment.
size_t ImageBytesOf(const TableParts& table) {
  constexpr size_t kSections = 7, kAlignment = 8;
  return table.words.size() * sizeof(IndexedWord) + table.classes.size() * sizeof(IndexedClass) +
         table.readings.size() * sizeof(char32_t) + table.postings.size() * sizeof(std::int32_t) +
         table.ranges.size() * sizeof(LetterRange) +
         table.rangeStarts.size() * sizeof(std::uint32_t) + table.texts.size() +
         kSections * kAlignment;
}

// The image's bytes: its header, then the tables' sections.
std::shared_ptr<std::vector<std::byte>> AssembleImage(
    const Dictionary& dictionary, const std::array<TableParts, AnswerLenMax + 1>& tables) {
  ImageWriter image;
  for (const TableParts& table : tables) image.Reserve(ImageBytesOf(table));
  FileHeader header{};
  std::memcpy(header.magic, kMagic, sizeof kMagic);
  header.version = kVersion;
  header.byteOrder = kByteOrderMark;
  header.fingerprint = FingerprintOf(dictionary, true);
  if (SourceDateEpoch()) {
    Fingerprint& made = header.fingerprint;
    made.device = made.inode = made.changedNs = made.modifiedNs = 0;
  }
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    header.tables[length] = AppendTable(image, tables[length], length);
  }
  auto bytes = std::make_shared<std::vector<std::byte>>(std::move(image.Bytes()));
  header.imageSize = bytes->size();
  PutHeader(header, *bytes);
  header.checksum = Checksum(std::span(*bytes).subspan(kChecksummedFrom));
  PutHeader(header, *bytes);
  return bytes;
}

// A table's number sections, which lie in the image's own copy, into this machine's order.
// Used only where the machine is big-endian.
[[maybe_unused]] void TurnTable(IndexedTable& table, std::uint64_t rangeCount) {
  const std::uint64_t letters = static_cast<std::uint64_t>(table.count) * table.length;
  TurnItems(const_cast<IndexedWord*>(table.words), table.count);
  TurnItems(const_cast<IndexedClass*>(table.classes), table.count);
  TurnItems(const_cast<char32_t*>(table.readings), letters);
  TurnItems(const_cast<std::int32_t*>(table.postings), letters);
  TurnItems(const_cast<LetterRange*>(table.ranges), rangeCount);
  TurnItems(const_cast<std::uint32_t*>(table.rangeStarts), table.length + 1);
}

}  // namespace

const LetterRange* IndexedTable::Find(int position, char32_t letter) const {
  const LetterRange* first = ranges + rangeStarts[position - 1];
  const LetterRange* last = ranges + rangeStarts[position];
  const LetterRange* found = std::lower_bound(
      first, last, letter, [](const LetterRange& range, char32_t l) { return range.letter < l; });
  return found != last && found->letter == letter ? found : nullptr;
}

WordIndexImage::WordIndexImage(std::shared_ptr<const void> owner, std::span<const std::byte> bytes)
    : owner_(std::move(owner)), bytes_(bytes) {}

WordIndexImage WordIndexImage::Attached(const Dictionary& dictionary,
                                        std::shared_ptr<std::vector<std::byte>> bytes) {
  WordIndexImage built(bytes, *bytes);
  const std::string problem = built.Attach(false);
  if (!problem.empty()) throw DictionaryError(dictionary.Path(), "word index: " + problem);
  return built;
}

WordIndexImage WordIndexImage::Build(const Dictionary& dictionary) {
  std::array<TableParts, AnswerLenMax + 1> tables;
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    tables[length] = BuildTable(dictionary, length);
  }
  return Attached(dictionary, AssembleImage(dictionary, tables));
}

// A changed word's new texts go after the others; its old ones stay, unreferenced, until
// the index is next built whole.
WordIndexImage WordIndexImage::WithTexts(const Dictionary& dictionary,
                                         const std::vector<WordTextChange>& changes) const {
  std::array<TableParts, AnswerLenMax + 1> tables;
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    tables[length] = PartsOf(Table(length));
  }
  for (const WordTextChange& change : changes) {
    TableParts& table = tables.at(change.length);
    IndexedWord& word = table.words.at(change.k - 1);
    word.QstOffset = Keep(table.texts, change.Qst);
    word.QstSize = static_cast<std::uint32_t>(change.Qst.size());
    table.classes.at(change.k - 1).japaneseClue = IsJapaneseClue(change.Qst) ? 1 : 0;
    word.AstOffset = Keep(table.texts, change.Ast);
    word.AstSize = static_cast<std::uint32_t>(change.Ast.size());
  }
  return Attached(dictionary, AssembleImage(dictionary, tables));
}

std::optional<WordIndexImage> WordIndexImage::Map(const Dictionary& dictionary,
                                                  std::string& problem) {
  const std::filesystem::path path = WordIndexPathOf(dictionary.Path());
  const auto mapping = MapFile(path);
  if (!mapping) return std::nullopt;
  WordIndexImage mapped(mapping, mapping->Bytes());
  const FileHeader header = HeaderOf(mapped.bytes_);
  problem = mapped.Attach(!StampedUnchanged(path, header));
  if (problem.empty()) {
    const Fingerprint made = header.fingerprint;
    Fingerprint now = FingerprintOf(dictionary, false);
    if (made.SameFileUnchanged(now)) {
      now.fileChecksum = made.fileChecksum;
      now.formatNumbers = made.formatNumbers;
    } else {
      now = FingerprintOf(dictionary, true);
    }
    if (now.formatNumbers == (kWalMode << 8 | kWalMode)) {
      problem = "the dictionary is in WAL mode, whose changes an index cannot tell";
    } else if (!made.SameContent(now)) {
      problem = "it was made from other word tables";
    }
  }
  if (!problem.empty()) return std::nullopt;
  return mapped;
}

std::string WordIndexImage::Attach(bool checkSum) {
  if (bytes_.size() < sizeof(FileHeader)) return "it is too short";
  const FileHeader header = HeaderOf(bytes_);
  if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0) return "it is not a word index";
  if (header.version != kVersion || header.byteOrder != kByteOrderMark) {
    return "it was made by another version";
  }
  if (header.imageSize != bytes_.size() ||
      (checkSum && header.checksum != Checksum(bytes_.subspan(kChecksummedFrom)))) {
    return "it is damaged (its checksum does not match)";
  }
  std::span<const std::byte> numbers = bytes_;
  if constexpr (!kFileOrderIsNative) {
    auto turned = std::make_shared<std::vector<std::byte>>(bytes_.begin(), bytes_.end());
    numbers = *turned;
    turned_ = std::move(turned);
  }
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    const TableHeader& parts = header.tables[length];
    IndexedTable& table = tables_[length];
    const std::uint64_t letters = static_cast<std::uint64_t>(parts.count) * length;
    table.length = length;
    table.count = parts.count;
    table.words = Section<IndexedWord>(numbers, parts.words, parts.count);
    table.classes = Section<IndexedClass>(numbers, parts.classes, parts.count);
    table.readings = Section<char32_t>(numbers, parts.readings, letters);
    table.postings = Section<std::int32_t>(numbers, parts.postings, letters);
    table.ranges = Section<LetterRange>(numbers, parts.ranges, parts.rangeCount);
    table.rangeStarts = Section<std::uint32_t>(numbers, parts.rangeStarts, length + 1);
    const char* texts = Section<char>(numbers, parts.texts, parts.textSize);
    if (parts.length != length || parts.count < 0 || !table.words || !table.classes ||
        !table.readings || !table.postings || !table.ranges || !table.rangeStarts || !texts) {
      return "the table of " + std::to_string(length) + "-letter words lies outside the file";
    }
    if constexpr (!kFileOrderIsNative) TurnTable(table, parts.rangeCount);
    table.texts = std::string_view(texts, parts.textSize);
    std::string problem = CheckTable(table, letters, parts.rangeCount);
    if (!problem.empty()) return problem;
  }
  return "";
}

// The file gets a modification time of whole seconds, which every file system keeps as it
// is, and its header names it. Where the time cannot be set, each open checks the sum.
void WordIndexImage::Write(const std::filesystem::path& path) const {
  const std::filesystem::path working =
      StagingPathFor(path, "." + std::to_string(getpid()) + ".part");
  FileHeader header = HeaderOf(bytes_);
  const timespec stamp{SourceDateEpoch().value_or(time(nullptr)), 0};
  header.stampedNs = static_cast<std::int64_t>(stamp.tv_sec) * 1000000000;
  std::array<std::byte, sizeof header> headerBytes;
  PutHeader(header, headerBytes);
  const auto* rest = reinterpret_cast<const char*>(bytes_.data()) + sizeof header;
  try {
    CreateFileWith(working, {reinterpret_cast<const char*>(headerBytes.data()), sizeof header});
    AppendToFile(working, {rest, bytes_.size() - sizeof header});
    const timespec times[2] = {{0, UTIME_OMIT}, stamp};
    utimensat(AT_FDCWD, working.c_str(), times, 0);
    ReplaceFile(working, path);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(working, ignored);
    throw;
  }
}

std::filesystem::path WordIndexPathOf(const std::filesystem::path& dictionary) {
  return std::filesystem::path(dictionary).replace_extension(".wdx");
}

WordIndexImage OpenWordIndex(const Dictionary& dictionary, std::string& note) {
  std::string problem;
  if (auto mapped = WordIndexImage::Map(dictionary, problem)) return std::move(*mapped);
  WordIndexImage built = WordIndexImage::Build(dictionary);
  const std::filesystem::path file = WordIndexPathOf(dictionary.Path());
  if (!problem.empty()) note = file.string() + " was not used: " + problem + ". ";
  try {
    built.Write(file);
    if (!problem.empty()) note += "It was made again from the dictionary.";
  } catch (const std::exception& error) {
    note += std::string(error.what()) + "; the word index was made in memory for this run.";
  }
  return built;
}

void WriteWordIndexFile(const std::filesystem::path& dictionary) {
  WordIndexImage::Build(Dictionary(dictionary)).Write(WordIndexPathOf(dictionary));
}

}  // namespace crossword

#include <gtest/gtest.h>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

// A dictionary and its index file are replaced together or not at all.
class DictionaryWriteFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteDictionary(folder_ / "dic.lxd", {{1, U"アイ", U"愛", U"愛", 1, 0, 1, 1, 0}},
                    {U";older index"});
    olderDictionary_ = ReadBytes(folder_ / "dic.lxd");
  }
  void TearDown() override { InjectFileFaults({}); }

  void ExpectOlderFilesIntact() {
    EXPECT_EQ(ReadBytes(folder_ / "dic.lxd"), olderDictionary_);
    EXPECT_EQ(ReadBytes(folder_ / "dic.idx"), ";older index\r\n");
    // The dictionary, its index file and its word index: no working file left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}), 3);
    EXPECT_EQ(Dictionary(folder_ / "dic.lxd").RecordCount(2), 1);
  }

  void WriteNewer() {
    WriteDictionary(
        folder_ / "dic.lxd",
        {{1, U"ネコ", U"猫", U"猫", 1, 0, 1, 1, 0}, {2, U"イヌ", U"犬", U"犬", 1, 0, 2, 2, 0}},
        {U";newer index"});
  }

  TempFolder folder_;
  std::string olderDictionary_;
};

TEST_F(DictionaryWriteFailure, AFullDiskWhileWritingTheIndexKeepsBothOlderFiles) {
  InjectFileFaults({1, false, false});
  EXPECT_THROW(WriteNewer(), FileError);
  ExpectOlderFilesIntact();
}

TEST_F(DictionaryWriteFailure, AFailedReplaceKeepsBothOlderFiles) {
  InjectFileFaults({0, true, false});
  try {
    WriteNewer();
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("dic.lxd"), std::string::npos) << error.what();
  }
  ExpectOlderFilesIntact();
}

}  // namespace
}  // namespace crossword

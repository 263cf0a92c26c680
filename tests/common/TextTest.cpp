#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <random>

#include "common/Clock.h"
#include "common/FileError.h"
#include "common/FileNames.h"
#include "common/FileOps.h"
#include "common/MersenneTwister64.h"
#include "common/NumberText.h"
#include "common/RandomSource.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "common/TypedLetters.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

TEST(Cp932, EncodesTheGridMarksAsTheFileFormatFixesThem) {
  EXPECT_EQ(EncodeCp932(U"■"), "\x81\xA1");
  EXPECT_EQ(EncodeCp932(U"　"), "\x81\x40");
  EXPECT_EQ(DecodeCp932("\x83\x4E\x83\x8D\x83\x58"), U"クロス");
}

TEST(Cp932, RefusesALetterItCannotHoldAndNamesIt) {
  try {
    EncodeCp932(U"アイ😀");
    FAIL() << "no error";
  } catch (const TextEncodingError& error) {
    EXPECT_NE(std::string(error.what()).find("U+1F600"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(CanEncodeCp932(U'é'));
  EXPECT_TRUE(CanEncodeCp932(U'Ａ'));
}

TEST(Utf8, RejectsMalformedSequences) {
  EXPECT_EQ(FromUtf8("a\xE3\x81\x82"), U"aあ");
  EXPECT_THROW(FromUtf8("\xE3\x81"), TextEncodingError);      // cut short
  EXPECT_THROW(FromUtf8("\xC0\xAF"), TextEncodingError);      // overlong "/"
  EXPECT_THROW(FromUtf8("\xED\xA0\x80"), TextEncodingError);  // surrogate
  EXPECT_EQ(ToUtf8(FromUtf8("■　Ａ")), "■　Ａ");
}

// Runs of ASCII are read eight bytes at a time: a letter or a fault at the edge of such a
// run must still be read or named exactly.
TEST(Utf8, ReadsLettersAndFaultsAtTheEdgeOfAsciiRuns) {
  EXPECT_EQ(FromUtf8("abcdefghあ"), U"abcdefghあ");
  EXPECT_EQ(FromUtf8("abcdefgあhijklmnop"), U"abcdefgあhijklmnop");
  EXPECT_EQ(FromUtf8("abcdefghijklmnop"), U"abcdefghijklmnop");
  for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
           {"abcdefgh\xE3\x81", "not UTF-8 text at byte 9"},
           {"abcdefg\x80hijklmno", "not UTF-8 text at byte 8"},
           {"abcdefghijklmno\xFF", "not UTF-8 text at byte 16"}}) {
    try {
      CheckUtf8(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const TextEncodingError& error) {
      EXPECT_EQ(std::string(error.what()), message);
    }
  }
}

TEST(TextFile, ReadsCrLfAndLfLinesAlikeWithoutAnExtraLastLine) {
  TempFolder folder;
  const auto crlf = folder.Write("a.txt", "one\r\n\x81\xA1\r\n\r\nlast\r\n");
  const auto lf = folder.Write("b.txt", "one\n\x81\xA1\n\nlast");
  const std::vector<std::u32string> expected = {U"one", U"■", U"", U"last"};
  EXPECT_EQ(ReadTextLines(crlf), expected);
  EXPECT_EQ(ReadTextLines(lf), expected);
  EXPECT_TRUE(ReadTextLines(folder.Write("empty.txt", "")).empty());
}

TEST(TextFile, RefusesUtf8AndNamesTheFile) {
  TempFolder folder;
  const auto utf8 = folder.Write("utf8.gst", ";DicPath\r\n■■\r\n");
  try {
    ReadTextLines(utf8);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.Path(), utf8);
    EXPECT_NE(std::string(error.what()).find("UTF-8"), std::string::npos);
  }
}

TEST(TextFile, NamesTheLineOfABrokenByte) {
  TempFolder folder;
  const auto broken = folder.Write("broken.gst", "ok\r\n\x81\xA1\r\nbad\x81\r\n");
  try {
    ReadTextLines(broken);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.LineNumber(), 3);
  }
}

TEST(StagedTextFile, LeavesTheOlderFileUntilCommit) {
  TempFolder folder;
  const auto path = folder.Write("grid.gst", "older");
  {
    StagedTextFile file(path);
    file.Create({U"new", U"■"});
    file.Append({U"more"});
    EXPECT_EQ(ReadBytes(path), "older");
  }  // abandoned: the working file goes, the older file stays
  EXPECT_EQ(ReadBytes(path), "older");
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".part"));

  StagedTextFile file(path);
  file.Create({U"new", U"■"});
  file.Commit();
  EXPECT_EQ(ReadBytes(path), "new\r\n\x81\xA1\r\n");
}

TEST(StagedTextFile, ALetterItCannotWriteFailsWithTheLineAndWritesNothing) {
  TempFolder folder;
  const auto path = folder.Write("grid.gst", "older");
  StagedTextFile file(path);
  file.Create({U"a", U"b"});
  try {
    file.Append({U"c", U"d€"});  // CP932 has no euro sign
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.LineNumber(), 4);
  }
  file.Commit();
  EXPECT_EQ(ReadBytes(path), "a\r\nb\r\n");
}

TEST(StagedTextFile, AFolderThatCannotBeWrittenIsAClearError) {
  TempFolder folder;
  StagedTextFile file(folder / "missing-folder" / "grid.gst");
  EXPECT_THROW(file.Create({U"a"}), FileError);
}

TEST(StagedTextFile, WritesThroughALinkAndKeepsTheTargetsMode) {
  TempFolder folder;
  const auto target = folder.Write("private.gst", "older");
  const auto readWrite = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
  std::filesystem::permissions(target, readWrite);
  std::filesystem::create_symlink("private.gst", folder / "link.gst");
  StagedTextFile file(folder / "link.gst");
  file.Create({U"new"});
  file.Commit();
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.gst"));
  EXPECT_EQ(ReadBytes(target), "new\r\n");
  EXPECT_EQ(std::filesystem::status(target).permissions(), readWrite);
}

TEST(StagedTextFile, ADeviceIsWrittenDirectlyAndAFolderRefusedBeforeAnyWrite) {
  StagedTextFile device("/dev/null");
  device.Create({U"a"});
  device.Commit();
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
  TempFolder folder;
  std::filesystem::create_directory(folder / "set.pzs");
  EXPECT_THROW(StagedTextFile(folder / "set.pzs"), FileError);
}

TEST(WorkingFileLock, ASecondRunIsRefusedUntilTheFirstEnds) {
  TempFolder folder;
  const auto work = folder / "Puzset.$$$";
  {
    const WorkingFileLock first(work);
    try {
      const WorkingFileLock second(work);
      FAIL() << "two runs hold one working file";
    } catch (const FileError& error) {
      EXPECT_EQ(error.SystemErrno(), EWOULDBLOCK);
    }
  }
  EXPECT_FALSE(std::filesystem::exists(work.string() + ".lock"));
  EXPECT_NO_THROW(WorkingFileLock{work});
}

TEST(GridLettersOf, TypedLettersBecomeTheLettersOfTheGrid) {
  EXPECT_EQ(GridLettersOf(U"がっしょう"), U"ガツシヨウ");
  EXPECT_EQ(GridLettersOf(U"ヵヶァゎ"), U"カケアワ");
  EXPECT_EQ(GridLettersOf(U"Oak ｚ"), U"ＯＡＫ Ｚ");
  EXPECT_EQ(GridLettersOf(U"ー■#.漢"), U"ー■#.漢");
}

TEST(NumberText, PrintFormAndParsing) {
  EXPECT_EQ(PrintForm(12), U" 12 ");
  EXPECT_EQ(PrintForm(-3), U"-3 ");
  EXPECT_EQ(ParseWholeNumber(U" 10 "), 10);
  EXPECT_EQ(ParseWholeNumber(U"-2"), -2);
  EXPECT_EQ(ParseWholeNumber(U"1 2"), std::nullopt);
  EXPECT_EQ(ParseWholeNumber(U""), std::nullopt);
  EXPECT_EQ(ParseWholeNumber(U"x"), std::nullopt);
  EXPECT_EQ(ParseWholeNumber(U"99999999999"), std::nullopt);
  EXPECT_EQ(LeadingDigitsValue(U"12abc"), 12);
  EXPECT_EQ(LeadingDigitsValue(U"abc"), 0);
}

TEST(FileNames, BaseNameStopsAtTheFirstDot) {
  EXPECT_EQ(BaseName("puzzle.v2.gst"), "puzzle");
  EXPECT_EQ(BaseName("標準日本語辞書.lxd"), "標準日本語辞書");
  EXPECT_EQ(BaseName("noextension"), "noextension");
  EXPECT_EQ(AsFolder("/a/b"), "/a/b/");
  EXPECT_EQ(AsFolder("/a/b/"), "/a/b/");
}

TEST(FileNames, FileExistsOnlyForFiles) {
  TempFolder folder;
  EXPECT_EQ(FileExists(folder.Write("x.lxd", "")), 1);
  EXPECT_EQ(FileExists(folder / "y.lxd"), 0);
  EXPECT_EQ(FileExists(folder.Path()), 0);
  EXPECT_EQ(FolderOf(folder / "x.lxd"), folder.Path().string() + "/");
}

TEST(RandomSource, RepeatsFromItsFixedStartAndStaysInRange) {
  RandomSource first, second;
  for (int i = 0; i < 1000; ++i) {
    const double r = first.Next();
    ASSERT_EQ(r, second.Next());
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
  }
  RandomSource dice;
  std::array<int, 6> seen{};
  for (int i = 0; i < 6000; ++i) {
    const int face = dice.Draw(1, 6);
    ASSERT_GE(face, 1);
    ASSERT_LE(face, 6);
    ++seen[face - 1];
  }
  for (int count : seen) EXPECT_GT(count, 800);
}

// Stored runs repeat only while every seed gives std::mt19937_64's numbers: over several
// renewals of the state, and again after a reseed part way through one.
TEST(MersenneTwister64, GivesTheStandardNumbersForEverySeed) {
  const std::optional<std::uint64_t> seeds[] = {std::nullopt,       0,         1, 20061,
                                                0x9E3779B97F4A7C15, UINT64_MAX};
  for (const auto seed : seeds) {
    SCOPED_TRACE(seed ? std::to_string(*seed) : "default");
    MersenneTwister64 ours = seed ? MersenneTwister64(*seed) : MersenneTwister64();
    std::mt19937_64 theirs = seed ? std::mt19937_64(*seed) : std::mt19937_64();
    for (int i = 0; i < 2000; ++i) ASSERT_EQ(ours(), theirs()) << "draw " << i;
    const std::uint64_t reseed = ~seed.value_or(0);
    ours.Seed(reseed);
    theirs.seed(reseed);
    for (int i = 0; i < 700; ++i) ASSERT_EQ(ours(), theirs()) << "draw " << i << " after reseed";
  }
}

TEST(Clock, ElapsedTextShowsMinutesWithoutLeadingZero) {
  EXPECT_EQ(ElapsedText(59), "59");
  EXPECT_EQ(ElapsedText(60), "1:0");
  EXPECT_EQ(ElapsedText(125), "2:5");
  EXPECT_EQ(ElapsedText(3600), "60:0");
}

}  // namespace
}  // namespace crossword

#include "ini_codec.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase {
  const char* name;
  std::string file;
  std::string section;
  std::string key;
  std::string expected;
};

class IniReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, FindsTheValue) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(ReadIniValue(c.file, c.section, c.key), c.expected);
}

const std::string kLong(300, 'a');

const ReadCase kReadCases[] = {
    {"CrLfFile", "[Section]\r\nkey=value\r\nnext=2\r\n", "Section", "key", "value"},
    {"LfFile", "[Section]\nkey=value\nnext=2\n", "Section", "key", "value"},
    {"NoFinalLineEnd", "[Section]\r\nkey=last", "Section", "key", "last"},
    {"AsciiCaseIgnored", "[SECTION]\nKey=v\n", "section", "kEY", "v"},
    {"BlanksAroundDropped", "[Section]\n  key \t=  two words \t\r\n", "Section", "key", "two words"},
    {"QuotesAroundRemoved", "[Section]\nkey=\" padded \"\n", "Section", "key", " padded "},
    {"LoneQuoteKept", "[Section]\nkey=\"open\n", "Section", "key", "\"open"},
    {"FirstKeyWins", "[Section]\nkey=first\nkey=second\n", "Section", "key", "first"},
    {"FirstSectionWins", "[Section]\nkey=first\n[Section]\nkey=second\n", "Section", "key", "first"},
    {"KeyOfAnotherSection", "[Other]\nkey=x\n[Section]\nkey2=y\n", "Section", "key", ""},
    {"MissingSection", "[Other]\nkey=x\n", "Section", "key", ""},
    {"MissingKey", "[Section]\nother=x\n", "Section", "key", ""},
    {"EmptyFile", "", "Section", "key", ""},
    {"KeyWithoutEqualsSign", "[Section]\nkey\n", "Section", "key", ""},
    {"CommentIsNoKey", "[Section]\n;key=x\n", "Section", ";key", ""},
    {"JapaneseKey", "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\n", "Section", "BGM\x8B\xE6\x95\xAA", "2"},
    // the second bytes 0x41 'A' and 0x61 'a' make two different kana, not one in two cases
    {"SecondByteNotCaseFolded", "[Section]\nBGM\x83\x41=x\n", "Section", "BGM\x83\x61", ""},
    {"CutTo255Bytes", "[Section]\nkey=" + kLong + "\n", "Section", "key", std::string(255, 'a')},
    {"CutKeepsDoubleByteWhole", "[Section]\nkey=" + std::string(254, 'a') + "\x82\xA0zz\n", "Section", "key",
     std::string(254, 'a')},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniReadTest, testing::ValuesIn(kReadCases),
                         [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct WriteCase {
  const char* name;
  std::string before;
  std::string key;
  std::string value;
  std::string after;
};

class IniWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWriteTest, ChangesOnlyTheOneValue) {
  const WriteCase& c = GetParam();
  const std::optional<std::string> written = WriteIniValue(c.before, "Section", c.key, c.value);
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, c.after);
  EXPECT_EQ(ReadIniValue(*written, "Section", c.key), c.value);
}

const WriteCase kWriteCases[] = {
    {"ReplacesValueKeepingEverythingElse",
     "; settings\r\n[Other]\r\nkey=1\r\n\r\n[Section]\r\nkey=old\r\nnext=2\r\n\r\n[Last]\r\nz=3", "key", "new",
     "; settings\r\n[Other]\r\nkey=1\r\n\r\n[Section]\r\nkey=new\r\nnext=2\r\n\r\n[Last]\r\nz=3"},
    {"KeepsSpellingAndBlanks", "[section]\nKEY = \"old\" \n", "key", "C:\\a b.mp3", "[section]\nKEY = C:\\a b.mp3 \n"},
    {"EmptyValue", "[Section]\nkey=old\n", "key", "", "[Section]\nkey=\n"},
    {"KeyWithoutEqualsSign", "[Section]\nkey\n", "key", "v", "[Section]\nkey=v\n"},
    {"NewFile", "", "key", "v", "[Section]\r\nkey=v\r\n"},
    {"NewSectionInLfFile", "[A]\nx=1\n", "key", "v", "[A]\nx=1\n[Section]\nkey=v\n"},
    {"NewSectionAfterNoFinalLineEnd", "[A]\r\nx=1", "key", "v", "[A]\r\nx=1\r\n[Section]\r\nkey=v\r\n"},
    {"NewKeyBeforeBlankLinesAndNextSection", "[Section]\r\na=1\r\n\r\n[B]\r\nb=2\r\n", "key", "v",
     "[Section]\r\na=1\r\nkey=v\r\n\r\n[B]\r\nb=2\r\n"},
    {"NewKeyAfterNoFinalLineEnd", "[Section]\na=1", "key", "v", "[Section]\na=1\nkey=v\n"},
    {"NewKeyInEmptySection", "[Section]\r\n", "key", "v", "[Section]\r\nkey=v\r\n"},
    {"JapaneseKeyAndValue", "[Section]\r\n", "BGM\xCC\xA7\xB2\xD9", "C:\\\x89\xB9\x8A\x79\\a.mp3",
     "[Section]\r\nBGM\xCC\xA7\xB2\xD9=C:\\\x89\xB9\x8A\x79\\a.mp3\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, IniWriteTest, testing::ValuesIn(kWriteCases),
                         [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(IniWriteTest, RefusesWhatWouldBreakTheLine) {
  EXPECT_FALSE(WriteIniValue("", "Section", "key", "a\r\nevil=1").has_value());
  EXPECT_FALSE(WriteIniValue("", "Section", "k=ey", "v").has_value());
  EXPECT_FALSE(WriteIniValue("", "Section", "", "v").has_value());
}

}  // namespace

#include "services/font.h"

#include <gtest/gtest.h>

#include <string>

#include "doubles/fake_profile_files.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

StdFont Font(const std::wstring& name, SettingsNumber size, bool bold) {
    StdFont font;
    font.Name = name;
    font.Size = size;
    font.SetBold(bold);
    return font;
}

class FontTest : public ::testing::Test {
protected:
    StdFont Read(const StdFont& defaultFont = Font(L"Tahoma", 8, false)) {
        return IniReadFont(store, kFile, L"Font", L"", defaultFont);
    }
    void Put(const std::wstring& key, const std::wstring& value) { files.PutValue(kFile, L"Font", key, value); }

    FakeProfileFiles files;
    SettingsStore store{files};
};

TEST(StdFontTest, BoldSetsTheWeight) {
    StdFont font;
    font.Weight = 550;
    font.SetBold(true);
    EXPECT_EQ(font.Weight, 700);
    font.SetBold(false);
    EXPECT_EQ(font.Weight, 400);
}

TEST_F(FontTest, MissingKeysTakeTheDefaultFont) {
    StdFont defaultFont = Font(L"Verdana", SettingsNumber::FromScaled(97500), true);
    defaultFont.Italic = true;
    defaultFont.Charset = 204;
    const StdFont font = Read(defaultFont);
    EXPECT_EQ(font.Name, L"Verdana");
    EXPECT_EQ(font.Size.ToDouble(), 10.0) << "the default size is made whole too";
    EXPECT_EQ(font.Charset, 204);
    EXPECT_TRUE(font.Bold());
    EXPECT_EQ(font.Weight, 700);
    EXPECT_TRUE(font.Italic);
    EXPECT_FALSE(font.Underline);
    EXPECT_FALSE(font.Strikethrough);
    EXPECT_EQ(defaultFont.Size.ToDouble(), 9.75) << "the default font is left unchanged";
}

TEST_F(FontTest, StoredSizeIsMadeWholeAndAtLeastOne) {
    const struct {
        const wchar_t* stored;
        double size;
    } cases[] = {{L"9.75", 10}, {L"8.5", 8}, {L"9.5", 10}, {L"-3", 1}, {L"0", 1}, {L"big", 1}};
    for (const auto& c : cases) {
        Put(L"Size", c.stored);
        EXPECT_EQ(Read().Size.ToDouble(), c.size) << "stored Size " << testing::PrintToString(std::wstring(c.stored));
    }
}

TEST_F(FontTest, CharsetAndWeightAreLimited) {
    Put(L"Charset", L"300");
    EXPECT_EQ(Read().Charset, 255);
    Put(L"Charset", L"-5");
    EXPECT_EQ(Read().Charset, 0);
}

TEST_F(FontTest, WeightFollowsBoldWhateverIsStored) {
    Put(L"Weight", L"1200");
    Put(L"Bold", L"0");
    EXPECT_EQ(Read().Weight, 400);
    Put(L"Bold", L"1");
    EXPECT_EQ(Read().Weight, 700);
}

TEST_F(FontTest, FlagIsOnOnlyWhenExactlyOne) {
    for (const wchar_t* stored : {L"2", L"-1", L"yes", L"0.5"}) {
        Put(L"Bold", stored);
        Put(L"Italic", stored);
        const StdFont font = Read(Font(L"Tahoma", 8, true));
        EXPECT_FALSE(font.Bold()) << "stored " << testing::PrintToString(std::wstring(stored));
        EXPECT_FALSE(font.Italic) << "stored " << testing::PrintToString(std::wstring(stored));
    }
    Put(L"Under", L"1");
    Put(L"Strike", L" 1 ");
    EXPECT_TRUE(Read().Underline);
    EXPECT_TRUE(Read().Strikethrough);
}

TEST_F(FontTest, BoldArialTwelveIsStoredAsItsEightKeys) {
    IniWriteFont(store, kFile, L"Font", L"", Font(L"Arial", 12, true));
    const struct {
        const wchar_t* key;
        const wchar_t* value;
    } expected[] = {{L"Name", L"Arial"}, {L"Size", L"12"},  {L"Charset", L"0"}, {L"Weight", L"700"},
                    {L"Bold", L"1"},     {L"Italic", L"0"}, {L"Under", L"0"},   {L"Strike", L"0"}};
    for (const auto& e : expected) {
        EXPECT_EQ(files.StoredValue(kFile, L"Font", e.key), e.value) << testing::PrintToString(std::wstring(e.key));
    }
}

TEST_F(FontTest, KeysCarryThePrefix) {
    IniWriteFont(store, kFile, L"Font", L"Tip", Font(L"Arial", 12, false));
    EXPECT_EQ(files.StoredValue(kFile, L"Font", L"TipName"), L"Arial");
    EXPECT_EQ(files.StoredValue(kFile, L"Font", L"TipStrike"), L"0");
    EXPECT_EQ(IniReadFont(store, kFile, L"Font", L"Tip", StdFont{}).Name, L"Arial");
}

TEST_F(FontTest, WrittenSizeIsWholeWithHalfToEven) {
    IniWriteFont(store, kFile, L"Font", L"", Font(L"Arial", SettingsNumber::FromScaled(97500), false));
    EXPECT_EQ(files.StoredValue(kFile, L"Font", L"Size"), L"10");
    IniWriteFont(store, kFile, L"Font", L"", Font(L"Arial", SettingsNumber::FromScaled(85000), false));
    EXPECT_EQ(files.StoredValue(kFile, L"Font", L"Size"), L"8");
}

TEST_F(FontTest, WrittenFontReadsBackTheSame) {
    StdFont written = Font(L"Courier New", SettingsNumber::FromScaled(105000), true);
    written.Charset = 204;
    written.Underline = true;
    written.Strikethrough = true;
    IniWriteFont(store, kFile, L"Font", L"", written);

    const StdFont read = Read(Font(L"Tahoma", 30, false));
    EXPECT_EQ(read.Name, L"Courier New");
    EXPECT_EQ(read.Size.ToDouble(), 10.0);
    EXPECT_EQ(read.Charset, 204);
    EXPECT_TRUE(read.Bold());
    EXPECT_FALSE(read.Italic);
    EXPECT_TRUE(read.Underline);
    EXPECT_TRUE(read.Strikethrough);
}

TEST(CopyFontTest, CopiesEveryPropertyAndWeightFollowsBold) {
    StdFont source = Font(L"Arial", SettingsNumber::FromScaled(97500), true);
    source.Weight = 0;
    source.Charset = 161;
    source.Italic = true;
    source.Strikethrough = true;
    StdFont target = Font(L"Tahoma", 8, false);
    target.Underline = true;

    CopyFont(source, target);
    EXPECT_EQ(target.Name, L"Arial");
    EXPECT_EQ(target.Size.ToDouble(), 9.75) << "the size keeps its fraction";
    EXPECT_EQ(target.Charset, 161);
    EXPECT_TRUE(target.Bold());
    EXPECT_EQ(target.Weight, 700);
    EXPECT_TRUE(target.Italic);
    EXPECT_FALSE(target.Underline);
    EXPECT_TRUE(target.Strikethrough);

    source.SetBold(false);
    source.Weight = 900;
    CopyFont(source, target);
    EXPECT_FALSE(target.Bold());
    EXPECT_EQ(target.Weight, 400);
}

} // namespace
} // namespace morvane

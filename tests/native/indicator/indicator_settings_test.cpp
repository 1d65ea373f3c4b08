#include "indicator/indicator_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "doubles/fake_input_cursor.h"
#include "doubles/fake_process_facts.h"
#include "doubles/fake_profile_files.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

class IndicatorSettingsTest : public ::testing::Test {
protected:
    IndicatorSettings Load() { return LoadIndicatorSettings(store, process, input, IndicatorDesignFont()); }
    void Put(const std::wstring& key, const std::wstring& value) { files.PutValue(kFile, L"Main", key, value); }

    FakeProfileFiles files;
    SettingsStore store{files};
    FakeProcessFacts process;
    FakeInputCursor input;
};

TEST_F(IndicatorSettingsTest, SettingsFileLiesBesideTheExecutableUnderItsName) {
    EXPECT_EQ(SettingsFilePath(process), kFile);
    process.directory = L"D:\\Other Place";
    process.baseName = L"Badge";
    EXPECT_EQ(SettingsFilePath(process), L"D:\\Other Place\\Badge.dat");
}

TEST_F(IndicatorSettingsTest, WithoutSettingsFileTheIndicatorIsRedTahomaOnWhite) {
    const IndicatorSettings settings = Load();
    EXPECT_EQ(settings.settingsPath, kFile);
    EXPECT_EQ(settings.BackColor, 0x00FFFFFFu);
    EXPECT_EQ(settings.ForeColor, 0x000000FFu);
    EXPECT_EQ(settings.Font.Name, L"Tahoma");
    EXPECT_EQ(settings.Font.Size, SettingsNumber(8)) << "the design size 8.25 is made whole";
    EXPECT_TRUE(settings.Font.Bold());
    EXPECT_EQ(settings.Font.Weight, 700);
    EXPECT_EQ(settings.Font.Charset, 0);
    EXPECT_FALSE(settings.Font.Italic || settings.Font.Underline || settings.Font.Strikethrough);
    EXPECT_EQ(settings.MARGIN_Width, 1);
    EXPECT_EQ(settings.POSITION_Left, 0);
    EXPECT_EQ(settings.POSITION_TOP, 0);
    EXPECT_EQ(files.writes, 0) << "loading writes nothing and creates no file";
}

TEST_F(IndicatorSettingsTest, MarginIsKeptWithin0To9) {
    Put(L"Margin", L"12");
    EXPECT_EQ(Load().MARGIN_Width, 9);
    Put(L"Margin", L"-3");
    EXPECT_EQ(Load().MARGIN_Width, 0);
    Put(L"Margin", L"4.5");
    EXPECT_EQ(Load().MARGIN_Width, 4) << "a half goes to the even neighbour";
}

TEST_F(IndicatorSettingsTest, OffsetsAreKeptWithinTheirRanges) {
    Put(L"ShiftX", L"500");
    Put(L"ShiftY", L"-999");
    IndicatorSettings settings = Load();
    EXPECT_EQ(settings.POSITION_Left, 190);
    EXPECT_EQ(settings.POSITION_TOP, -150);
    Put(L"ShiftX", L"-191");
    Put(L"ShiftY", L"151");
    settings = Load();
    EXPECT_EQ(settings.POSITION_Left, -190);
    EXPECT_EQ(settings.POSITION_TOP, 150);
    Put(L"ShiftX", L"-30");
    Put(L"ShiftY", L"20");
    settings = Load();
    EXPECT_EQ(settings.POSITION_Left, -30);
    EXPECT_EQ(settings.POSITION_TOP, 20);
}

TEST_F(IndicatorSettingsTest, ColoursCountOnlyTheirFirstSixCharacters) {
    Put(L"BackColor", L"00FF00xyz");
    Put(L"ForeColor", L"FF0000");
    const IndicatorSettings settings = Load();
    EXPECT_EQ(settings.BackColor, 0x0000FF00u) << "green";
    EXPECT_EQ(settings.ForeColor, 0x00FF0000u) << "blue";
    Put(L"BackColor", L"zz");
    EXPECT_EQ(Load().BackColor, 0u) << "no hexadecimal digits give black";
}

TEST_F(IndicatorSettingsTest, StoredFontKeysReplaceTheDesignFontOneByOne) {
    files.PutValue(kFile, L"Font", L"Name", L"Arial");
    files.PutValue(kFile, L"Font", L"Size", L"12");
    files.PutValue(kFile, L"Font", L"Bold", L"0");
    const IndicatorSettings settings = Load();
    EXPECT_EQ(settings.Font.Name, L"Arial");
    EXPECT_EQ(settings.Font.Size, SettingsNumber(12));
    EXPECT_FALSE(settings.Font.Bold());
    EXPECT_EQ(settings.Font.Charset, 0) << "a missing key keeps the design font's value";
}

TEST_F(IndicatorSettingsTest, AnotherExecutableNameReadsItsOwnFile) {
    process.baseName = L"Badge";
    files.PutValue(L"C:\\Tools\\Badge.dat", L"Main", L"Margin", L"5");
    Put(L"Margin", L"7");
    const IndicatorSettings settings = Load();
    EXPECT_EQ(settings.settingsPath, L"C:\\Tools\\Badge.dat");
    EXPECT_EQ(settings.MARGIN_Width, 5);
}

TEST_F(IndicatorSettingsTest, CursorSizeComesFromTheSystem) {
    input.cursorSize = {48, 40};
    const IndicatorSettings settings = Load();
    EXPECT_EQ(settings.CURSOR_Width, 48);
    EXPECT_EQ(settings.CURSOR_Height, 40);
}

TEST_F(IndicatorSettingsTest, OffsetsAreWrittenEvenWhenTheyDidNotChange) {
    WriteIndicatorOffsets(store, kFile, 0, 0);
    EXPECT_EQ(files.StoredValue(kFile, L"Main", L"ShiftX"), L"0") << "a cancelled dialog still stores the offsets";
    EXPECT_EQ(files.StoredValue(kFile, L"Main", L"ShiftY"), L"0");
    WriteIndicatorOffsets(store, kFile, -30, 150);
    EXPECT_EQ(files.StoredValue(kFile, L"Main", L"ShiftX"), L"-30");
    EXPECT_EQ(files.StoredValue(kFile, L"Main", L"ShiftY"), L"150");
    const IndicatorSettings settings = Load();
    EXPECT_EQ(settings.POSITION_Left, -30);
    EXPECT_EQ(settings.POSITION_TOP, 150);
}

} // namespace
} // namespace morvane

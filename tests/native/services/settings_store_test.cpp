#include "services/settings_store.h"

#include <gtest/gtest.h>

#include <string>

#include "doubles/fake_profile_files.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

class SettingsStoreTest : public ::testing::Test {
protected:
    FakeProfileFiles files;
    SettingsStore store{files};
};

TEST_F(SettingsStoreTest, ReadTextFallsBackToDefaultAndDropsLeadingBlanks) {
    EXPECT_EQ(store.IniReadText(kFile, L"Main", L"BackColor", L"FFFFFF"), L"FFFFFF");
    EXPECT_EQ(store.IniReadText(kFile, L"Main", L"BackColor"), L"") << "an absent default means empty";
    EXPECT_EQ(store.IniReadText(kFile, L"Main", L"BackColor", L"  FFFFFF  "), L"FFFFFF");
    files.PutValue(kFile, L"Main", L"BackColor", L"  00FF00  ");
    EXPECT_EQ(store.IniReadText(kFile, L"main", L"backcolor", L"FFFFFF"), L"00FF00");
}

TEST_F(SettingsStoreTest, ReadTextCutsLongValuesTo32766Characters) {
    files.PutValue(kFile, L"Font", L"Name", std::wstring(40000, L'x'));
    EXPECT_EQ(store.IniReadText(kFile, L"Font", L"Name").size(), 32766u);
}

TEST_F(SettingsStoreTest, EmptyTextIsStoredAsOneBlankAndReadsBackEmpty) {
    store.IniWriteText(kFile, L"ShowColor", L"Custom", L"");
    EXPECT_EQ(files.StoredValue(kFile, L"ShowColor", L"Custom"), L" ");
    EXPECT_EQ(store.IniReadText(kFile, L"ShowColor", L"Custom", L"x"), L"");
}

TEST_F(SettingsStoreTest, WritingTheSameTextTwiceWritesOnce) {
    store.IniWriteText(kFile, L"Font", L"Name", L"Arial");
    const int writes = files.writes;
    const int changes = files.attributeChanges;
    store.IniWriteText(kFile, L"Font", L"Name", L"Arial");
    EXPECT_EQ(files.writes, writes) << "an equal value must not be written again";
    EXPECT_EQ(files.attributeChanges, changes) << "nor may the file's attributes be touched";
    store.IniWriteText(kFile, L"Font", L"Name", L"ARIAL");
    EXPECT_EQ(files.StoredValue(kFile, L"Font", L"Name"), L"ARIAL") << "the comparison heeds letter case";
}

TEST_F(SettingsStoreTest, EmptyTextIsWrittenEvenWhenAlreadyEmpty) {
    store.IniWriteText(kFile, L"ShowColor", L"Custom", L"");
    store.IniWriteText(kFile, L"ShowColor", L"Custom", L"");
    EXPECT_EQ(files.writes, 2);
}

TEST_F(SettingsStoreTest, ReadNumberFollowsTheLeadingNumberRule) {
    EXPECT_EQ(store.IniReadNumber(kFile, L"Main", L"Margin", 1).ToDouble(), 1.0) << "missing key gives the default";
    files.PutValue(kFile, L"Main", L"Margin", L"abc");
    EXPECT_EQ(store.IniReadNumber(kFile, L"Main", L"Margin", 1).ToDouble(), 0.0)
        << "a present non-number gives 0, not the default";
    files.PutValue(kFile, L"Main", L"Margin", L" 7 ");
    EXPECT_EQ(store.IniReadNumber(kFile, L"Main", L"Margin", 1).ToDouble(), 7.0);
    files.PutValue(kFile, L"Main", L"ShiftX", L"-20px");
    EXPECT_EQ(store.IniReadNumber(kFile, L"Main", L"ShiftX").ToDouble(), -20.0);
}

TEST_F(SettingsStoreTest, ReadNumberDefaultSurvivesItsTextForm) {
    EXPECT_EQ(store.IniReadNumber(kFile, L"Main", L"ShiftY", -150).ToDouble(), -150.0);
    EXPECT_EQ(store.IniReadNumber(kFile, L"Font", L"Size", SettingsNumber::FromScaled(97500)).ToDouble(), 9.75);
}

TEST_F(SettingsStoreTest, ReadNumberOutsideTheRangeKeepsTheDefault) {
    files.PutValue(kFile, L"Main", L"Margin", L"1E300");
    EXPECT_EQ(store.IniReadNumber(kFile, L"Main", L"Margin", 1).ToDouble(), 1.0);
}

TEST_F(SettingsStoreTest, ReadNumberWithoutFileSectionOrKeyDoesNotTouchTheDisk) {
    EXPECT_EQ(store.IniReadNumber(L"", L"Main", L"Margin", 3).ToDouble(), 3.0);
    EXPECT_EQ(store.IniReadNumber(kFile, L"", L"Margin", 3).ToDouble(), 3.0);
    EXPECT_EQ(store.IniReadNumber(kFile, L"Main", L"", 3).ToDouble(), 3.0);
    EXPECT_EQ(files.Accesses(), 0);
}

TEST_F(SettingsStoreTest, WritingZeroCreatesAMissingKey) {
    store.IniWriteNumber(kFile, L"Main", L"Transparent", 0);
    EXPECT_EQ(files.StoredValue(kFile, L"Main", L"Transparent"), L"0");
}

TEST_F(SettingsStoreTest, WritingAnEqualNumberLeavesTheFileAlone) {
    files.PutValue(kFile, L"Main", L"Margin", L"5");
    store.IniWriteNumber(kFile, L"Main", L"Margin", 5);
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(files.attributeChanges, 0);
}

TEST_F(SettingsStoreTest, NumbersAreWrittenAsNumberText) {
    store.IniWriteNumber(kFile, L"Main", L"ShiftX", -150);
    EXPECT_EQ(files.StoredValue(kFile, L"Main", L"ShiftX"), L"-150");
}

TEST_F(SettingsStoreTest, WritesWithoutAFilePathDoNothing) {
    store.IniWriteText(L"", L"Main", L"BackColor", L"000000");
    store.IniWriteText(L"", L"Main", L"BackColor", L"");
    store.IniWriteNumber(L"", L"Main", L"Margin", 0);
    EXPECT_EQ(files.Accesses(), 0);
}

TEST_F(SettingsStoreTest, ReadOnlyFileIsUpdatedAndStaysReadOnly) {
    const std::uint32_t readOnly = file_attr::kReadOnly | file_attr::kArchive;
    files.PutValue(kFile, L"Main", L"Margin", L"1");
    files.PutAttributes(kFile, readOnly);

    store.IniWriteText(kFile, L"Main", L"BackColor", L"000000");
    EXPECT_EQ(files.StoredValue(kFile, L"Main", L"BackColor"), L"000000");
    EXPECT_EQ(files.StoredAttributes(kFile), readOnly);

    store.IniWriteNumber(kFile, L"Main", L"Margin", 4);
    EXPECT_EQ(files.StoredValue(kFile, L"Main", L"Margin"), L"4");
    EXPECT_EQ(files.StoredAttributes(kFile), readOnly);
}

TEST_F(SettingsStoreTest, RefusedTextWriteSetsTheAttributesBack) {
    files.PutValue(kFile, L"Main", L"Margin", L"1");
    files.PutAttributes(kFile, file_attr::kReadOnly);
    files.RefuseWrites(true);
    store.IniWriteText(kFile, L"Main", L"BackColor", L"000000");
    EXPECT_EQ(files.StoredAttributes(kFile), file_attr::kReadOnly);
}

TEST_F(SettingsStoreTest, RefusedNumberWriteLeavesTheAttributesNormal) {
    files.PutValue(kFile, L"Main", L"Margin", L"1");
    files.PutAttributes(kFile, file_attr::kReadOnly);
    files.RefuseWrites(true);
    store.IniWriteNumber(kFile, L"Main", L"Margin", 4);
    EXPECT_EQ(files.StoredValue(kFile, L"Main", L"Margin"), L"1");
    EXPECT_EQ(files.StoredAttributes(kFile), file_attr::kNormal);
}

TEST_F(SettingsStoreTest, NumberWriteCreatingTheFileLeavesItNormal) {
    store.IniWriteNumber(kFile, L"Main", L"Margin", 2);
    EXPECT_EQ(files.StoredAttributes(kFile), file_attr::kNormal);
}

TEST_F(SettingsStoreTest, FileExistsOnlyForExistingFiles) {
    EXPECT_FALSE(store.FileExists(L""));
    EXPECT_EQ(files.Accesses(), 0) << "an empty path is not looked at";
    EXPECT_FALSE(store.FileExists(kFile));
    files.AddDirectory(L"C:\\Tools");
    EXPECT_FALSE(store.FileExists(L"C:\\Tools"));
    files.PutAttributes(kFile, file_attr::kReadOnly | file_attr::kHidden);
    EXPECT_TRUE(store.FileExists(kFile));
}

} // namespace
} // namespace morvane

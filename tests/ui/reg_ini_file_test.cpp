// The registry view over the real registry (Windows only), on a key of its
// own so that the program's settings are never touched.
#include "ui/reg_ini_file.h"

#include <gtest/gtest.h>

namespace {

constexpr const char *kKey = "VELDO-TEST-REGINIFILE";

class RegIniFileTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kKey); }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    static void WriteRaw(const char *section, const char *name, DWORD type, const void *data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kKey) + "\\" + section).c_str(), 0, nullptr,
                                  0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE *>(data), size);
        RegCloseKey(key);
    }
};

TEST_F(RegIniFileTest, WritesStringsThatReadBackAndDefaultsWhatIsAbsent) {
    ui::RegIniFile ini(kKey);
    EXPECT_EQ(ini.ReadString("Options", "Width", "500"), "500");
    ini.WriteString("Options", "Font Func", "");
    ini.WriteInteger("Options", "Width", -12);
    EXPECT_EQ(ini.ReadString("Options", "Font Func", "x"), "");
    EXPECT_EQ(ini.ReadString("Options", "Width", ""), "-12");
    EXPECT_EQ(ini.ReadInteger("Options", "Width", 500), -12);
    EXPECT_EQ(ini.ReadString("Other", "Width", "d"), "d");

    DWORD type = 0;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kKey) + "\\Options").c_str(), 0, KEY_READ, &key),
              ERROR_SUCCESS);
    RegQueryValueExA(key, "Width", nullptr, &type, nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegIniFileTest, ValueOfAnotherTypeIsAnErrorNamingIt) {
    DWORD number = 7;
    WriteRaw("Options", "Width", REG_DWORD, &number, sizeof number);
    WriteRaw("Options", "Raw", REG_BINARY, "ab", 2);
    ui::RegIniFile ini(kKey);
    try {
        ini.ReadInteger("Options", "Width", 500);
        FAIL() << "no error";
    } catch (const veldo::RegistryError &error) {
        EXPECT_STREQ(error.what(), "Invalid data type for 'Width'");
    }
    EXPECT_THROW(ini.ReadString("Options", "Raw", ""), veldo::RegistryError);
}

TEST_F(RegIniFileTest, StoredTextWithoutTerminatorReadsWhole) {
    WriteRaw("Msg", "Commandline", REG_SZ, "abc", 3);
    ui::RegIniFile ini(kKey);
    EXPECT_EQ(ini.ReadString("Msg", "Commandline", ""), "abc");
}

TEST_F(RegIniFileTest, EraseSectionRemovesItsValuesOnly) {
    ui::RegIniFile ini(kKey);
    ini.WriteString("Options", "Width", "640");
    ini.WriteString("Msg", "Commandline", "x");
    ini.EraseSection("Options");
    ini.EraseSection("Absent");
    EXPECT_EQ(ini.ReadString("Options", "Width", "500"), "500");
    EXPECT_EQ(ini.ReadString("Msg", "Commandline", ""), "x");
}

} // namespace

#include "settings/ini_file.h"

#include "settings/fake_ini_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace veldo {
namespace {

using test::FakeIniFile;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(ParseRegistryInteger, AcceptsOnlyPlainDecimalWithinThirtyTwoBits) {
    const struct {
        const char *text;
        std::optional<int32_t> value;
    } cases[] = {
        {"0", 0},
        {"500", 500},
        {"+17", 17},
        {"-17", -17},
        {"-0", 0},
        {"007", 7},
        {"2147483647", kMax},
        {"-2147483648", kMin},
        {"000000000000000000002147483647", kMax},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"\t5", std::nullopt},
        {"5x", std::nullopt},
        {"+-5", std::nullopt},
        {"--5", std::nullopt},
        {"0x10", std::nullopt},
        {"1e3", std::nullopt},
        {"1.0", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseRegistryInteger(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ParseRegistryInteger(std::string_view("5\0"
                                                    "1",
                                                    3)),
              std::nullopt)
        << "embedded NUL";
}

TEST(IniFileReadInteger, FallsBackToTheDefaultWhenAbsentOrNoInteger) {
    FakeIniFile ini;
    ini.Set("Options", "Good", "-42");
    ini.Set("Options", "Junk", "12 rows");
    ini.Set("Options", "Empty", "");
    ini.Set("Options", "Huge", "4294967296");
    EXPECT_EQ(ini.ReadInteger("Options", "Good", 7), -42);
    EXPECT_EQ(ini.ReadInteger("Options", "Junk", 7), 7);
    EXPECT_EQ(ini.ReadInteger("Options", "Empty", 7), 7);
    EXPECT_EQ(ini.ReadInteger("Options", "Huge", 7), 7);
    EXPECT_EQ(ini.ReadInteger("Options", "Absent", -7), -7);
    EXPECT_EQ(ini.ReadInteger("Options", "Absent", kMin), kMin);
    EXPECT_EQ(ini.ReadInteger("NoSuchSection", "Good", 3), 3);
}

TEST(IniFileReadInteger, WrongTypeThrowsWithTheIdent) {
    FakeIniFile ini;
    ini.Set("Options", "Width", FakeIniFile::kWrongType);
    try {
        ini.ReadInteger("Options", "Width", 500);
        FAIL() << "no RegistryError";
    } catch (const RegistryError &e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Width'");
    }
}

TEST(IniFileWriteInteger, WritesPlainDecimalThatReadsBack) {
    const struct {
        int32_t value;
        const char *text;
    } cases[] = {{0, "0"}, {7, "7"}, {-1, "-1"}, {500, "500"}, {kMax, "2147483647"}, {kMin, "-2147483648"}};
    for (const auto &c : cases) {
        FakeIniFile ini;
        ini.WriteInteger("Options", "Value", c.value);
        ASSERT_EQ(ini.writes.size(), 1u);
        EXPECT_EQ(ini.writes[0], (FakeIniFile::Access{"Options", "Value", c.text}));
        EXPECT_EQ(ini.ReadInteger("Options", "Value", 12345), c.value);
    }
}

} // namespace
} // namespace veldo

#include "app/version.h"

#include <gtest/gtest.h>

namespace veldo {
namespace {

TEST(Version, Texts) {
    EXPECT_EQ(VersionText(), "Version 1.02.8");
    EXPECT_EQ(VersionLine(), "Morvane Version 1.02.8 - (c) 1998-2002 by the Veldo authors");
    // The line fits the tray tip whole.
    EXPECT_EQ(TrayTipText(), VersionLine());
    EXPECT_LE(TrayTipText().size(), 127u);
}

} // namespace
} // namespace veldo

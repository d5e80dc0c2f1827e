#include "veldo_test.h"

#include <windows.h>

namespace veldo::e2e {

std::string SamplePath() {
    return SourceTreePath("examples/sample.cpp");
}

const std::vector<std::string> &SampleFunctions() {
    static const std::vector<std::string> functions = {
        "TfrmInventory::TfrmInventory",
        "FindItem",
        "AddItem",
        "StockValue",
        "TfrmInventory::btnAddClick",
        "TfrmInventory::RefreshList",
        "TfrmInventory::ExportCsv",
        "TfrmInventory::FormClose",
    };
    return functions;
}

std::string LedgerPath() {
    return SourceTreePath("tests/e2e/fixtures/ledger.cpp");
}

const std::vector<std::string> &LedgerFunctions() {
    static const std::vector<std::string> functions = {"Post", "CurrentBalance", "TfrmLedger::btnPostClick"};
    return functions;
}

namespace {

class DesktopEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        // Without an X display Wine cannot show a window: every test would
        // wait out its timeouts.
        const bool underWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
        if (underWine && GetEnvironmentVariableA("DISPLAY", nullptr, 0) == 0)
            GTEST_FAIL() << "no DISPLAY: run tools/run-tests.sh, or start Xvfb and set DISPLAY";
        UseUnmanagedWindowsUnderWine();
    }
};

const auto *const kDesktop = ::testing::AddGlobalTestEnvironment(new DesktopEnvironment);

} // namespace

void VeldoTest::SetUp() {
    ASSERT_NE(GetFileAttributesA(VeldoExePath().c_str()), INVALID_FILE_ATTRIBUTES)
        << VeldoExePath() << " is missing: build the win32 preset first";
    // A copy left by an earlier program run would take over our invocations.
    EndAllVeldo();
    ASSERT_TRUE(DeleteUserKey(kVeldoKey));
}

void VeldoTest::TearDown() {
    const int left = EndAllVeldo();
    // After a failed assertion a running copy is expected; otherwise every
    // test ends the copies it started.
    if (left > 0 && !HasFailure())
        ADD_FAILURE() << left << " VELDO.EXE process(es) were left running";
    DeleteUserKey(kVeldoKey);
}

void VeldoTest::Start(const std::string &file, int line, Veldo *out) {
    out->process = StartVeldo(file, line);
    ASSERT_TRUE(out->process) << "cannot start " << VeldoCommandLine(file, line);
    out->main = MainWindow(WaitForMainWindow(out->process.Pid()));
    ASSERT_TRUE(out->main) << "no " << kMainClass << " window appeared";
}

void VeldoTest::StartLoaded(const std::string &file, int line, Veldo *out) {
    ASSERT_NO_FATAL_FAILURE(Start(file, line, out));
    ASSERT_TRUE(out->main.WaitLoaded(file))
        << "caption '" << out->main.Caption() << "', status '" << out->main.Panel(0).value_or("?") << "', "
        << out->main.Functions().size() << " functions";
}

void VeldoTest::PutToSleep(const Veldo &veldo) {
    ASSERT_TRUE(Focus(veldo.main.Handle()));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(veldo.main.WaitAsleep()) << "caption '" << veldo.main.Caption() << "'";
}

void VeldoTest::Close(const Veldo &veldo) {
    PostMessageA(veldo.main.Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(veldo.process.WaitForExit(kTimeoutMs)) << "VELDO.EXE did not end after WM_CLOSE";
}

void VeldoTest::HandOver(const std::string &file, int line) {
    Process second = StartVeldo(file, line);
    ASSERT_TRUE(second);
    const auto code = second.WaitForExit(kTimeoutMs);
    ASSERT_TRUE(code) << "the second invocation did not end";
    EXPECT_EQ(*code, 0u);
}

} // namespace veldo::e2e

// The fixture of every end-to-end test: a clean settings key before, no
// VELDO.EXE left after.
#pragma once

#include "app/control_ids.h"
#include "driver/input.h"
#include "driver/process.h"
#include "driver/registry.h"
#include "driver/tray.h"
#include "driver/veldo.h"
#include "driver/wait.h"
#include "driver/window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veldo::e2e {

// examples/sample.cpp: its functions in order, and the one at line 61.
std::string SamplePath();
inline constexpr int kSampleLine = 61;
const std::vector<std::string> &SampleFunctions();
inline constexpr int kSampleSelected = 5;

// tests/e2e/fixtures/ledger.cpp, the second file of the hand-over tests.
std::string LedgerPath();
const std::vector<std::string> &LedgerFunctions();

// A running copy: its process and its main window.
struct Veldo {
    Process process;
    MainWindow main;
};

class VeldoTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts VELDO.EXE and waits until its main window shows file loaded.
    void StartLoaded(const std::string &file, int line, Veldo *out);
    // Starts VELDO.EXE and waits for its main window, whatever it shows.
    void Start(const std::string &file, int line, Veldo *out);
    // Puts a running copy to sleep the quickest way (Esc) and waits for it.
    void PutToSleep(const Veldo &veldo);
    // Asks the copy to close (WM_CLOSE) and waits for its process to end.
    void Close(const Veldo &veldo);
    // Runs a second invocation and expects it to hand over and end with 0.
    void HandOver(const std::string &file, int line);
};

} // namespace veldo::e2e

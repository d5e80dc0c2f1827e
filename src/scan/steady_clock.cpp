#include "scan/scan_view.h"

#include <chrono>

namespace veldo {

int64_t SteadyClock::Milliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace veldo

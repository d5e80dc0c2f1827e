// The window probe: which child controls of the editor window it reads.
#pragma once

#include <cstdint>
#include <vector>

namespace veldo {

// Control identifiers the probe reads: 0 up to this one.
inline constexpr int64_t kLastProbedId = 16777214;

// The identifiers of a window's direct children, as found in any order, to
// the ones the probe reads, ascending and each once.
std::vector<int32_t> ProbedIds(std::vector<int64_t> childIds);

} // namespace veldo

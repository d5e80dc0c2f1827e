#include "ide/probe.h"

#include <algorithm>

namespace veldo {

std::vector<int32_t> ProbedIds(std::vector<int64_t> childIds) {
    std::erase_if(childIds, [](int64_t id) { return id < 0 || id > kLastProbedId; });
    std::sort(childIds.begin(), childIds.end());
    childIds.erase(std::unique(childIds.begin(), childIds.end()), childIds.end());
    return {childIds.begin(), childIds.end()};
}

} // namespace veldo

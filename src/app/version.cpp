#include "app/version.h"

namespace veldo {

std::string VersionLine() {
    return std::string("Morvane Version ") + kVersionMajor + kVersionMinor + kCredit;
}

std::string VersionText() {
    return std::string("Version ") + kVersionMajor + kVersionMinor;
}

std::string TrayTipText() {
    return VersionLine().substr(0, kTrayTipLength);
}

} // namespace veldo

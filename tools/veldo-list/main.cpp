#include "veldo-list/veldo_list.h"

#include <iostream>

int main(int argc, char **argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status =
        veldo::RunVeldoList(args, std::cout, std::cerr, veldo::TableRelease::LeaveToProcessExit);
    std::cout.flush();
    return status;
}

// dirforge-cli: creates folders in bulk, simulates a run or undoes one, without a window.

#include "cli/BatchCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    return dirforge::cli::BatchMain(argc, argv, std::cout, std::cerr);
}

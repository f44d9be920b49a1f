#include <iostream>

#include "driver.h"
#include "os.h"

int main(int argc, char** argv) {
    smallworld::os::guardStandardStreams();
    return smallworld::runCommand(argc, argv, std::cout, std::cerr);
}

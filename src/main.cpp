#include <iostream>

#include "driver.h"
#include "os.h"

int main(int argc, char** argv) {
    smallworld::os::guardStandardStreams();
    const char* dataDir = argc > 1 ? argv[1] : nullptr;
    return smallworld::runSmallWorld(dataDir, std::cout, std::cerr);
}

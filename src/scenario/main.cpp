// varnholt-scenario FILE...: plays each scenario file in its own fresh program and reports
// PASS or FAIL for each, then the totals.
#include <iostream>

#include "scenario/Scenario.h"

int main(int argc, char** argv) {
    using namespace varnholt::scenario;
    if (argc < 2) {
        std::cerr << "usage: varnholt-scenario FILE...\n";
        return 2;
    }
    Options options;
    options.shippedFolder = executableFolder();
    int passed = 0, failed = 0;
    for (int i = 1; i < argc; ++i) {
        Result r = runFile(argv[i], options);
        std::cout << report(argv[i], r) << '\n' << std::flush;
        (r.passed ? passed : failed)++;
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed ? 1 : 0;
}

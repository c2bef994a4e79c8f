// Runs the fault tests in a folder holding the program's real files, which the tests break.
#include "fault_test_support.h"

int main(int argc, char* argv[]) {
    return runGuiTests(argc, argv, restoreAppFiles);
}

// Runs the program's window tests in the folder of scripts and like page they write themselves.
#include "app_test_support.h"

int main(int argc, char* argv[]) {
    return runGuiTests(argc, argv, writeTestAppFiles);
}

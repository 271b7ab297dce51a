// Test driver: calls the module's routines by name, in the order given, so
// that the tests can see the blocks that the program itself never prints.
//
//   driver main1 [main2 ...]
//
// The exit status is 0 when every routine returned 0, otherwise the last
// non-zero result; 2 for a usage error, before anything is called.

#include <cstdio>
#include <cstring>

int main1(int argc, char* argv[]);
int main2(int argc, char* argv[]);
// The module's own main, renamed when it is compiled for this driver.
int bitwise_main(int argc, char* argv[]);

namespace {

using routine = int (*)(int, char*[]);

routine find(char const* name)
{
    if (std::strcmp(name, "main") == 0) {
        return bitwise_main;
    }
    if (std::strcmp(name, "main1") == 0) {
        return main1;
    }
    if (std::strcmp(name, "main2") == 0) {
        return main2;
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fputs("usage: driver main|main1|main2...\n", stderr);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        if (find(argv[i]) == nullptr) {
            std::fprintf(stderr, "driver: no routine named '%s'\n", argv[i]);
            return 2;
        }
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        int const result = find(argv[i])(argc, argv);
        if (result != 0) {
            status = result;
        }
    }
    return status;
}

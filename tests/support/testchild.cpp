// A child program for the launcher tests.
//   testchild exit N            exits with code N
//   testchild sleep MS [N]      sleeps MS milliseconds, then exits with N (0)
//   testchild mark MS FILE      sleeps MS milliseconds, then creates FILE
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "exit") == 0)
        return static_cast<int>(std::strtoul(argv[2], nullptr, 10));
    if (argc >= 3 && (std::strcmp(argv[1], "sleep") == 0 || std::strcmp(argv[1], "mark") == 0)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::strtoul(argv[2], nullptr, 10)));
        if (argv[1][0] == 'm' && argc >= 4) {
            if (FILE* f = std::fopen(argv[3], "w")) std::fclose(f);
            return 0;
        }
        return argc >= 4 ? static_cast<int>(std::strtoul(argv[3], nullptr, 10)) : 0;
    }
    std::fprintf(stderr, "usage: testchild exit N | sleep MS [N] | mark MS FILE\n");
    return 100;
}

// Runs two commands in turn, A B A B ..., with output to /dev/null, and
// prints one line per run: the command's letter, wall time and CPU time in
// microseconds and peak resident memory in KiB. It is kept small and linked
// statically because a child's peak memory counts its parent's at the
// moment of the fork.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long NowMicroseconds() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

void RunOnce(char letter, char** argv) {
    long long start = NowMicroseconds();
    pid_t child = fork();
    if (child == 0) {
        int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        execv(argv[0], argv);
        _exit(127);
    }
    int status;
    rusage usage;
    wait4(child, &status, 0, &usage);
    long long wall = NowMicroseconds() - start;
    long long cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000LL + usage.ru_utime.tv_usec +
                    usage.ru_stime.tv_usec;
    std::printf("%c %lld %lld %ld\n", letter, wall, cpu, usage.ru_maxrss);
}

}  // namespace

int main(int argc, char** argv) {
    // pair_runner PAIRS -- A... -- B...
    if (argc < 5) return 2;
    int pairs = std::atoi(argv[1]);
    char** a = argv + 3;
    char** b = nullptr;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            argv[i] = nullptr;
            b = argv + i + 1;
        }
    }
    if (!b) return 2;
    for (int i = 0; i < pairs; ++i) {
        RunOnce('A', a);
        RunOnce('B', b);
    }
    return 0;
}

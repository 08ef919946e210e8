// The start-up harness: starts the probe again and again, the real window and a
// bare QMainWindow of the same size side by side, and reports the medians of
// the time from process start to the first painted frame and of the peak
// memory; then the medians of opening each calculator's tab.
//   quillfern_startup_bench <probe> [runs]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

struct TRun {
    double millis = 0; // process start to first paint
    long peakKib = 0;
    std::vector<std::string> lines; // everything after "painted"
};

bool fnRun(const std::string& probe, const char* mode, TRun& run)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv = {const_cast<char*>(probe.c_str()), const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    FILE* out = fdopen(pipeFds[0], "r");
    char buffer[512];
    bool painted = false;
    while (std::fgets(buffer, sizeof buffer, out)) {
        std::string line(buffer);
        if (!painted && line.rfind("painted ", 0) == 0) {
            run.millis = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            run.peakKib = std::stol(line.substr(8));
            painted = true;
        } else if (painted) {
            run.lines.push_back(line);
        }
    }
    std::fclose(out);
    int status = 0;
    waitpid(pid, &status, 0);
    return painted && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

template <typename T>
T fnMedian(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? T{} : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <probe> [runs]\n", argv[0]);
        return 2;
    }
    const std::string probe = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    // Alternating, so both see the same machine.
    std::vector<double> windowMs, bareMs, textMs;
    std::vector<long> windowKib, bareKib, textKib;
    for (int k = 0; k < runs; ++k) {
        TRun window, bare, text;
        if (!fnRun(probe, "window", window) || !fnRun(probe, "bare", bare) || !fnRun(probe, "bare-text", text)) {
            std::fprintf(stderr, "the probe failed\n");
            return 1;
        }
        windowMs.push_back(window.millis);
        bareMs.push_back(bare.millis);
        textMs.push_back(text.millis);
        windowKib.push_back(window.peakKib);
        bareKib.push_back(bare.peakKib);
        textKib.push_back(text.peakKib);
    }
    const double w = fnMedian(windowMs), b = fnMedian(bareMs), t = fnMedian(textMs);
    const long wk = fnMedian(windowKib), bk = fnMedian(bareKib), tk = fnMedian(textKib);
    std::printf("start-up to first paint, median of %d runs each:\n", runs);
    std::printf("  bare QMainWindow             %7.1f ms   peak %6ld KiB\n", b, bk);
    std::printf("  bare, with menu and status   %7.1f ms   peak %6ld KiB\n", t, tk);
    std::printf("  Quillfern window             %7.1f ms   peak %6ld KiB\n", w, wk);
    std::printf("  against bare: %.2fx (goal <= 1.10x), +%.2f MiB (goal <= 4 MiB)\n", w / b, (wk - bk) / 1024.0);
    std::printf("  against bare with text: %.2fx, +%.2f MiB\n", w / t, (wk - tk) / 1024.0);

    // Tabs: time and resident memory added by each opening, first and again;
    // at once after the first paint, and half a second later.
    for (const char* mode : {"tabs", "tabs-later"}) {
        std::map<std::string, std::vector<long>> micros, kib;
        std::vector<std::string> order;
        for (int k = 0; k < std::max(5, runs / 2); ++k) {
            TRun tabs;
            if (!fnRun(probe, mode, tabs)) {
                std::fprintf(stderr, "the probe failed\n");
                return 1;
            }
            for (const std::string& line : tabs.lines) {
                std::istringstream in(line);
                std::string word, name;
                long us = 0, added = 0;
                if (in >> word >> name >> us >> added && word == "tab") {
                    if (!micros.count(name))
                        order.push_back(name);
                    micros[name].push_back(us);
                    kib[name].push_back(added);
                }
            }
        }
        std::printf("opening a tab %s, median (goal < 5 ms and < 0.5 MiB each):\n",
                    std::string_view(mode) == "tabs" ? "at once after the first paint" : "0.5 s after the first paint");
        for (const std::string& name : order)
            std::printf("  %-20s %6.2f ms  %+7.2f MiB\n", name.c_str(), fnMedian(micros[name]) / 1000.0,
                        fnMedian(kib[name]) / 1024.0);
    }
    return 0;
}

// Start-up to the shown main window, whole process: VELNORA against a bare Qt Widgets program, run
// alternately so both see the same machine. Prints Google Benchmark's JSON shape.
#include "ChildRun.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

namespace
{

using bench::median;
using bench::Run;
using bench::runOnce;

// The median over the pairs of one run's figure against its partner's: both of a pair saw the same
// machine, so a load that comes and goes cancels out.
template <typename F> double pairedRatio(const std::vector<Run> &app, const std::vector<Run> &bare, F figure)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < app.size(); ++i)
        ratios.push_back(double(figure(app[i])) / double(figure(bare[i])));
    return median(ratios);
}

void print(const char *name, const std::vector<Run> &runs, const char *extra, bool last)
{
    std::vector<double> ms;
    std::vector<double> cpu;
    std::vector<long> kb;
    for (const Run &r : runs) {
        ms.push_back(r.ms);
        cpu.push_back(r.cpuMs);
        kb.push_back(r.peakKb);
    }
    std::printf("    {\"name\": \"%s\", \"iterations\": %zu, \"real_time\": %.3f, \"cpu_time\": %.3f, "
                "\"time_unit\": \"ms\", \"peak_rss_kb\": %ld%s}%s\n",
                name, runs.size(), median(ms), median(cpu), median(kb), extra, last ? "" : ",");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup VELNORA BARE_WINDOW [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("VELNORA_EXIT_AFTER_SHOW", "1", 1);
    std::vector<Run> app;
    std::vector<Run> bare;
    std::vector<Run> text; // the bare window with one painted line of Japanese
    Run warm;
    if (!runOnce({argv[1]}, warm) || !runOnce({argv[2]}, warm) || !runOnce({argv[2], "text"}, warm))
        return 1; // fills the file cache for all three
    for (int i = 0; i < runs; ++i) {
        Run a;
        Run b;
        Run t;
        if (!runOnce({argv[1]}, a) || !runOnce({argv[2]}, b) || !runOnce({argv[2], "text"}, t))
            return 1;
        app.push_back(a);
        bare.push_back(b);
        text.push_back(t);
    }
    std::printf("{\n  \"benchmarks\": [\n");
    char ratios[256];
    std::snprintf(ratios, sizeof ratios,
                  ", \"cpu_ratio\": %.3f, \"peak_rss_ratio\": %.3f, \"text_cpu_ratio\": %.3f, "
                  "\"text_peak_rss_ratio\": %.3f",
                  pairedRatio(app, bare, [](const Run &r) { return r.cpuMs; }),
                  pairedRatio(app, bare, [](const Run &r) { return r.peakKb; }),
                  pairedRatio(app, text, [](const Run &r) { return r.cpuMs; }),
                  pairedRatio(app, text, [](const Run &r) { return r.peakKb; }));
    print("startup/velnora", app, ratios, false);
    print("startup/bare", bare, "", false);
    print("startup/bare-text", text, "", true);
    std::printf("  ]\n}\n");
    return 0;
}

// A CD image from FLAC files against `flac -d` of the same files to the same disk, run alternately so
// both see the same machine; and the peak memory of a 74-minute image. Prints Google Benchmark's
// JSON shape. Usage: bench_image FOLDER [RUNS]; bench_image --write CUE FILE... is one image alone.
#include "audio/AudioDecoder.h"
#include "disc/DiscCheck.h"
#include "disc/ImageWriter.h"

#include <QString>
#include <QStringList>

#include "ChildRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// The image of the files given: checked (each probed) and written, as "CDイメージ保存..." does it.
int writeImage(int argc, char **argv)
{
    QString layout = QStringLiteral("en\r\n0\tAlbum\tArtist\r\n");
    QList<velnora::disc::DiscTrack> tracks;
    for (int i = 3; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        tracks.append({path, velnora::audio::probeAudio(path)});
        layout += QStringLiteral("%1\tTrack %1\r\n").arg(i - 2);
    }
    const velnora::disc::DiscCheck check = velnora::disc::checkDisc(layout, tracks, true);
    if (!check.ok())
        return 1;
    return velnora::disc::writeCdImage(QString::fromLocal8Bit(argv[2]), check).ok() ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && std::string(argv[1]) == "--write")
        return writeImage(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_image FOLDER [RUNS]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    // One track of 4 min 56 s of noise (FLAC barely packs it, so the reading counts too).
    const std::string flac = folder + "/track.flac";
    Run made;
    if (!runOnce({"sox", "-n", "-r", "44100", "-b", "16", "-c", "2", folder + "/track.wav", "synth", "296",
                  "whitenoise", "pinknoise", "vol", "0.5"},
                 made) ||
        !runOnce({"flac", "-s", "-f", folder + "/track.wav", "-o", flac}, made))
        return 1;

    const std::string self = argv[0];
    std::vector<std::string> image{self, "--write", folder + "/ten.cue", flac, flac};
    std::vector<std::string> decode{"flac", "-s", "-f", "-d", flac, flac, "--output-prefix=" + folder + "/d"};
    // flac -d of the same file twice writes one name; two copies make two outputs.
    const std::string copy = folder + "/track2.flac";
    if (!runOnce({"cp", flac, copy}, made))
        return 1;
    image.back() = copy;
    decode[5] = copy;
    Run warm;
    if (!runOnce(image, warm) || !runOnce(decode, warm))
        return 1;
    std::vector<double> ms, cpu, flacMs, flacCpu, cpuRatio, msRatio;
    for (int i = 0; i < runs; ++i) {
        Run a;
        Run b;
        if (!runOnce(image, a) || !runOnce(decode, b))
            return 1;
        ms.push_back(a.ms);
        cpu.push_back(a.cpuMs);
        flacMs.push_back(b.ms);
        flacCpu.push_back(b.cpuMs);
        cpuRatio.push_back(a.cpuMs / b.cpuMs);
        msRatio.push_back(a.ms / b.ms);
    }
    // 74 minutes: the same track fifteen times, with the gaps.
    std::vector<std::string> full{self, "--write", folder + "/full.cue"};
    for (int i = 0; i < 15; ++i)
        full.push_back(i % 2 ? copy : flac);
    Run big;
    if (!runOnce(full, big))
        return 1;
    std::printf("{\n  \"benchmarks\": [\n");
    std::printf(
        "    {\"name\": \"image/10min\", \"iterations\": %d, \"real_time\": %.3f, \"cpu_time\": %.3f, "
        "\"time_unit\": \"ms\", \"flac_real_time\": %.3f, \"flac_cpu_time\": %.3f, \"cpu_ratio\": %.3f, "
        "\"real_ratio\": %.3f},\n",
        runs, median(ms), median(cpu), median(flacMs), median(flacCpu), median(cpuRatio), median(msRatio));
    std::printf("    {\"name\": \"image/74min\", \"iterations\": 1, \"real_time\": %.3f, \"cpu_time\": %.3f, "
                "\"time_unit\": \"ms\", \"peak_rss_kb\": %ld}\n",
                big.ms, big.cpuMs, big.peakKb);
    std::printf("  ]\n}\n");
    return 0;
}

// The edit engine's text work at the sizes users reach and far beyond.
#include "BenchTexts.h"

#include "cdtext/CdTextExport.h"

#include "edit/CdTextLayout.h"
#include "edit/EditMarks.h"

#include <benchmark/benchmark.h>

using namespace velnora;

namespace
{

void BM_LayoutEnJa(benchmark::State &state)
{
    const QStringList lines = bench::titleLines(static_cast<int>(state.range(0)));
    const QString album = QStringLiteral("Blue Sky");
    const QString artist = QStringLiteral("Sora Trio");
    for (auto _ : state)
        benchmark::DoNotOptimize(cdTextLayout(EditType::EnJa, album, artist, lines));
}
BENCHMARK(BM_LayoutEnJa)->Arg(99)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_RemoveMarksLayout(benchmark::State &state)
{
    const QString layout =
        cdTextLayout(EditType::EnJa, QStringLiteral("Blue Sky"), QStringLiteral("Sora Trio"),
                     bench::titleLines(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(removeEditMarks(layout));
}
BENCHMARK(BM_RemoveMarksLayout)->Arg(10000)->Unit(benchmark::kMicrosecond);

// 100 KB of digits, TABs and line breaks behind a tag line: every line looks like a marker, the worst
// case of a search for "k TAB" from the start of the text.
QString digitText(bool numbered)
{
    QString text = QStringLiteral("en\r\n");
    quint32 seed = 12345;
    int line = 1;
    while (text.size() < 100 * 1024) {
        if (numbered) {
            text += QString::number(line) + QLatin1Char('\t') + QString::number(line * 7 % 1000) +
                    QStringLiteral("\r\n");
            ++line;
        } else {
            seed = seed * 1103515245u + 12345u;
            const quint32 r = (seed >> 16) % 14;
            text += r < 10 ? QChar(u'0' + r) : r < 12 ? QChar(u'\t') : r == 12 ? QChar(u'\r') : QChar(u'\n');
        }
    }
    return text;
}

void BM_RemoveMarksDigits(benchmark::State &state)
{
    const QString text = digitText(state.range(0) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(removeEditMarks(text));
}
BENCHMARK(BM_RemoveMarksDigits)->ArgName("numbered")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The CD-TEXT file of an "en + ja" layout: both blocks mapped, checked, packed and their CRCs computed.
// Short titles: the "ja" block of 99 long titles with the artist on every track is over its 253 packs.
void BM_CdTextExportEnJa(benchmark::State &state)
{
    QStringList lines;
    for (int i = 1; i <= state.range(0); ++i)
        lines.append(QStringLiteral("Song %1").arg(i));
    const QString layout =
        cdTextLayout(EditType::EnJa, QStringLiteral("Blue Sky"), QStringLiteral("Sora"), lines);
    if (!cdtext::exportCdText(layout).ok())
        state.SkipWithError("the layout was refused");
    for (auto _ : state)
        benchmark::DoNotOptimize(cdtext::exportCdText(layout));
}
BENCHMARK(BM_CdTextExportEnJa)->Arg(99)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

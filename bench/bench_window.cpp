// The real main window under the offscreen platform: "編集" and one keystroke at 10,000 titles.
#include "BenchTexts.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace velnora;

namespace
{

void BM_EditCommand(benchmark::State &state)
{
    test::WindowFixture fixture;
    MainWindow &w = *fixture.window;
    test::option(w, 3)->click(); // "en + ja", the largest layout
    const QString titles = bench::englishTitleText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        w.session().henshumae();
        w.session().setAlbum(QStringLiteral("Blue Sky"));
        w.session().setArtist(QStringLiteral("Sora Trio"));
        w.session().setTitles(titles);
        fixture.platform.clear();
        fixture.expectEdit();
        // 10,000 tracks are more than a disc holds: the edit ends with the capacity box.
        fixture.platform.expectBox();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        test::command(w, 1)->click();
        QCoreApplication::processEvents(); // the line-number column and the layout follow
    }
    if (!w.session().titles().startsWith(QStringLiteral("en\r\n")) || fixture.platform.messages.size() != 3)
        state.SkipWithError("the edit did not run to its end");
    state.counters["list_entries"] = w.session().lineCount();
}
BENCHMARK(BM_EditCommand)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_Keystroke(benchmark::State &state)
{
    test::WindowFixture fixture;
    MainWindow &w = *fixture.window;
    w.session().setTitles(bench::titleText(static_cast<int>(state.range(0))));
    QPlainTextEdit *box = test::titleBox(w);
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(box, Qt::Key_A);
        QCoreApplication::processEvents();
    }
    if (!w.session().titles().endsWith(QLatin1Char('a')))
        state.SkipWithError("the keystroke did not reach the title box");
}
BENCHMARK(BM_Keystroke)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

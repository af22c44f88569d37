// Saving the chart in each format against painting it once: each save,
// file written and all, should stay within three paints.
#include "AllCurves.h"
#include "chart/ChartExport.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_PaintOnce(benchmark::State& state) {
    const chart::ChartOptions options = AllCurves();
    for (auto _ : state)
        benchmark::DoNotOptimize(chart::RenderChartImage(options).constBits());
}
BENCHMARK(BM_PaintOnce)->Unit(benchmark::kMicrosecond);

void BM_Save(benchmark::State& state) {
    const auto format = static_cast<chart::ExportFormat>(state.range(0));
    const chart::ChartOptions options = AllCurves();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.") + chart::FormatSuffix(format));
    for (auto _ : state) {
        const QString error = chart::WriteChartFile(options, path, format);
        if (!error.isEmpty()) state.SkipWithError(qPrintable(error));
    }
    state.SetLabel(chart::FormatSuffix(format).toStdString());
}
BENCHMARK(BM_Save)
    ->Arg(int(chart::ExportFormat::Png))
    ->Arg(int(chart::ExportFormat::Svg))
    ->Arg(int(chart::ExportFormat::Pdf))
    ->Arg(int(chart::ExportFormat::Csv))
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Moving the day cursor against drawing the whole chart: a move repaints
// only the cursor's widget, over the chart's kept image, and should cost
// under a tenth of a full paint.
#include "ui/chartview/DayCursor.h"
#include "ui/chartview/FormCanvas.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/window/frmOndulix.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Silent final : MessageBoxes {
    int MsgBox(QWidget*, const QString&, int, const QString&) override { return Ok; }
    QString AskSavePath(QWidget*, const QString&, const QString&) override { return {}; }
};

struct Window {
    QTemporaryDir dir;
    Silent messages;
    std::unique_ptr<frmOndulix> w;
    Window() {
        w = std::make_unique<frmOndulix>(frmOndulix::Environment{
            &messages, [] { return QDate(2004, 3, 7); }, dir.filePath("Ondulix.ini"), nullptr, {}});
        for (int k = 1; k <= 7; ++k)
            w->chkOndulixChart[k]->setChecked(true);
        w->show();
        while (!w->IsActivated)
            QApplication::processEvents();
    }
};

void BM_FullChart(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        window.w->cmdDraw_Click();
        QApplication::processEvents(); // the paint it asked for
    }
}
BENCHMARK(BM_FullChart)->Unit(benchmark::kMicrosecond);

void BM_CursorMove(benchmark::State& state) {
    Window window;
    int day = 0;
    for (auto _ : state) {
        window.w->cursor->SetDay(day = (day + 1) % 60);
        QApplication::processEvents(); // the paint it asked for
    }
}
BENCHMARK(BM_CursorMove)->Unit(benchmark::kMicrosecond);

// A screen reader reading the whole chart (flat review, or its list walked):
// every day's spoken readout through the chart's accessible items. It should
// stay under a frame, 16 ms.
void BM_SpokenDays(benchmark::State& state) {
    Window window;
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(window.w->cursor);
    for (auto _ : state)
        for (int day = 0; day < chart->childCount(); ++day)
            benchmark::DoNotOptimize(chart->child(day)->text(QAccessible::Name));
}
BENCHMARK(BM_SpokenDays)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

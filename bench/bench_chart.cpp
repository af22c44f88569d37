// One whole chart with all seven curves, through the program's own drawing
// path, against a floor that paints the same primitives straight with
// QPainter: batched dash segments, one polyline per curve, a cosmetic pen.
#include "AllCurves.h"
#include "chart/Agreement.h"
#include "chart/ChartExport.h"
#include "plot/PainterSurface.h"
#include "plot/Twips.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

QImage BlankImage(double dpr) {
    return QImage(qRound(chart::ChartArea.width() * dpr / TwipsPerPixel),
                  qRound(chart::ChartArea.height() * dpr / TwipsPerPixel), QImage::Format_RGB32);
}

// Paints `options` at the ratio the benchmark's argument gives.
void PaintChart(benchmark::State& state, const chart::ChartOptions& options) {
    const double dpr = static_cast<double>(state.range(0));
    QImage image = BlankImage(dpr);
    for (auto _ : state) {
        QPainter painter(&image);
        PainterSurface surface(painter, PainterSurface::TwipRaster(chart::ChartArea, dpr), 0);
        chart::DrawWholeChart(surface, options);
    }
    benchmark::DoNotOptimize(image.constBits());
}

void BM_ChartImage(benchmark::State& state) {
    PaintChart(state, AllCurves());
}
BENCHMARK(BM_ChartImage)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The same chart with a second person's seven curves, dashed, and the key.
void BM_ChartImageCompared(benchmark::State& state) {
    chart::ChartOptions options = AllCurves();
    options.compare = options.birth.addDays(828);
    options.comparePerson = QStringLiteral("Ani");
    PaintChart(state, options);
}
BENCHMARK(BM_ChartImageCompared)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Who matches best: 999 friends ranked by the mean of all seven cycles.
void BM_RankFriends(benchmark::State& state) {
    const chart::ChartOptions options = AllCurves();
    std::vector<QDate> births;
    for (int i = 0; i < 999; ++i)
        births.push_back(QDate(1950, 1, 1).addDays(i * 37));
    for (auto _ : state)
        benchmark::DoNotOptimize(chart::RankByAgreement(options.birth, births, options.kinds));
}
BENCHMARK(BM_RankFriends)->Unit(benchmark::kMicrosecond);

// The floor: the same picture in device pixels, straight QPainter calls.
void BM_FloorQPainter(benchmark::State& state) {
    const double dpr = static_cast<double>(state.range(0));
    const double k = dpr / 15; // pixels per twip
    const double left = (1600 - 1305) * k, top = 300 * k, right = (10240 - 1305) * k,
                 bottom = 4300 * k, axis = 2300 * k;
    QImage image = BlankImage(dpr);
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPointSizeF(7 * 20 * k * 72 / 96);
    const double rates[4] = {360.0 / 552, 360.0 / 672, 360.0 / 792, 360.0 / 912};
    const int parts[7][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {0, 1}, {1, 2}, {0, 2}};
    const QColor colors[7] = {Qt::red,
                              Qt::blue,
                              Qt::magenta,
                              QColor(0, 180, 0),
                              QColor(200, 200, 0),
                              QColor(0, 170, 180),
                              QColor(100, 100, 40)};
    const double hours = 349920;
    QPen pen;
    pen.setCosmetic(true);
    QList<QLineF> dashes;
    QPolygonF curve(481);

    for (auto _ : state) {
        QPainter p(&image);
        p.fillRect(image.rect(), Qt::black);
        p.fillRect(QRectF(QPointF(left, top), QPointF(right, bottom)), Qt::white);
        pen.setColor(Qt::black);
        p.setPen(pen);
        p.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
        pen.setColor(QColor(192, 192, 192));
        p.setPen(pen);
        p.drawLine(QPointF(left, axis), QPointF(right, axis));
        for (int day = 1; day < 60; ++day) {
            const double x = left + 144 * day * k;
            dashes.clear();
            const double step = (bottom - top) / 56;
            for (int d = 0; d < 29; ++d)
                dashes.append(QLineF(x, top + std::max(0, 2 * d - 1) * step + (d ? step / 2 : 0), x,
                                     top + (2 * d) * step + step / 2));
            p.drawLines(dashes);
        }
        p.setFont(font);
        pen.setColor(Qt::black);
        p.setPen(pen);
        for (int day = 1; day < 60; ++day)
            p.drawText(QPointF(left + (144 * day - 72) * k, axis + (day % 2 ? -2 : 12) * dpr),
                       QString::number((day + 1) % 31 + 1));
        p.drawText(QPointF(left + 4320 * k, top + 10 * dpr), QStringLiteral("January 2000"));
        p.drawText(QPointF(right - 50 * dpr, bottom - 3 * dpr), QStringLiteral("by K.P.Morvo"));
        for (int kind = 0; kind < 7; ++kind) {
            for (int i = 0; i <= 480; ++i) {
                const double a = (hours + 3.0 * i) * 0.0174532925199389;
                const double v = kind < 4 ? 98 * std::sin(a * rates[kind])
                                          : 49 * (std::sin(a * rates[parts[kind][0]]) +
                                                  std::sin(a * rates[parts[kind][1]]));
                curve[i] = QPointF(left + 18 * i * k, axis - std::nearbyint(v) * 20 * k);
            }
            pen.setColor(colors[kind]);
            p.setPen(pen);
            p.drawPolyline(curve);
        }
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_FloorQPainter)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

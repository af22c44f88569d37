#include "chart/ChartExport.h"

#include "plot/PainterSurface.h"
#include "plot/Twips.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

namespace chart {

namespace {

constexpr int TwipsPerInch = 1440;

QString DescribeWriteError(const QString& path, const QString& reason) {
    return QStringLiteral("cannot write %1: %2").arg(path, reason);
}

bool WriteSvg(const ChartOptions& options, QSaveFile& file) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(TwipsPerInch); // one user unit per twip
    svg.setSize(ChartArea.size());
    svg.setViewBox(ChartArea);
    svg.setTitle(QStringLiteral("Ondulix chart"));
    QPainter painter(&svg);
    PainterSurface surface(painter, PainterSurface::Identity(ChartArea), WindowBackColor);
    DrawWholeChart(surface, options);
    surface.Flush();
    return painter.end();
}

} // namespace

QImage RenderChartImage(const ChartOptions& options) {
    const double dpr = options.devicePixelRatio;
    const QSize pixels(static_cast<int>(std::lround(ChartArea.width() * dpr / TwipsPerPixel)),
                       static_cast<int>(std::lround(ChartArea.height() * dpr / TwipsPerPixel)));
    QImage image(pixels, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        PainterSurface surface(painter, PainterSurface::TwipRaster(ChartArea, dpr),
                               WindowBackColor);
        DrawWholeChart(surface, options);
    }
    image.setDevicePixelRatio(dpr);
    // 96 dots per inch per unit of ratio, so viewers show it at its logical size.
    const int dotsPerMeter = static_cast<int>(std::lround(96 / 0.0254 * dpr));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

QString WriteChartFile(const ChartOptions& options, const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg"))
        return QStringLiteral("output %1: the name must end in .png or .svg").arg(path);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return DescribeWriteError(path, file.errorString());

    const bool drawn = suffix == QLatin1String("svg")
                           ? WriteSvg(options, file)
                           : RenderChartImage(options).save(&file, "PNG");
    if (!drawn || file.error() != QFileDevice::NoError) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("encoding failed");
        file.cancelWriting();
        return DescribeWriteError(path, reason);
    }
    if (!file.flush() || !file.commit()) return DescribeWriteError(path, file.errorString());
    return QString();
}

} // namespace chart

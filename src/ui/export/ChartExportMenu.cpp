#include "ui/export/ChartExportMenu.h"

#include "chart/ChartPage.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Words.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>

using chart::ExportFormat;

namespace {

struct Filter {
    const char* text;
    ExportFormat format;
    double ratio; // PNG: device pixel ratio; 0 for the screen's own
};
constexpr Filter ChartFilters[] = {
    {QT_TRANSLATE_NOOP("Ondulix", "PNG image (*.png)"), ExportFormat::Png, 0},
    {QT_TRANSLATE_NOOP("Ondulix", "PNG image, double size (*.png)"), ExportFormat::Png, 2},
    {QT_TRANSLATE_NOOP("Ondulix", "SVG drawing (*.svg)"), ExportFormat::Svg, 0},
    {QT_TRANSLATE_NOOP("Ondulix", "PDF document (*.pdf)"), ExportFormat::Pdf, 0},
};

// A printer set for the chart: the paper's long side across.
void PreparePrinter(QPrinter& printer, const chart::ChartOptions& options) {
    printer.setPageOrientation(QPageLayout::Landscape);
    // The print dialog proposes it as the file's name when printing to a file.
    printer.setDocName(ChartExportMenu::ProposedName(options, {}));
    printer.setCreator(QStringLiteral("Ondulix " ONDULIX_VERSION));
}

bool PaintPages(QPrinter& printer, const chart::ChartOptions& options, int count = 1) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The printable area: the page's margins are the printer's.
    return chart::PaintChartPages(painter, printer, options, count, QDate::currentDate()) &&
           painter.end();
}

} // namespace

ChartExportMenu::ChartExportMenu(QMainWindow* window, MessageBoxes* messages, ChartDialogs* dialogs,
                                 const chart::ChartState& state,
                                 std::function<void(const std::function<void()>&)> guard)
    : QObject(window), m_window(window), m_messages(messages), m_dialogs(dialogs), m_state(state) {
    QMenu* menu = window->menuBar()->addMenu(QString());
    words::KeepText(menu->menuAction(), QT_TRANSLATE_NOOP("Ondulix", "&Berkas"));
    auto item = [&](const char* caption, QKeySequence keys, void (ChartExportMenu::*command)()) {
        QAction* a = menu->addAction(QString());
        words::KeepText(a, caption);
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this,
                [this, guard, command] { guard([this, command] { (this->*command)(); }); });
        return a;
    };
    mnuSaveChart = item(QT_TRANSLATE_NOOP("Ondulix", "Simpan Grafik..."), QKeySequence::Save,
                        &ChartExportMenu::SaveChart);
    mnuCopyChart = item(QT_TRANSLATE_NOOP("Ondulix", "Salin Grafik"), QKeySequence::Copy,
                        &ChartExportMenu::CopyChart);
    menu->addSeparator();
    mnuPrint = item(QT_TRANSLATE_NOOP("Ondulix", "Cetak..."), QKeySequence::Print,
                    &ChartExportMenu::Print);
    mnuPrintPreview = item(QT_TRANSLATE_NOOP("Ondulix", "Pratinjau Cetak..."), {},
                           &ChartExportMenu::PrintPreview);
    mnuPrintMonths = item(QT_TRANSLATE_NOOP("Ondulix", "Cetak beberapa bulan..."), {},
                          &ChartExportMenu::PrintMonths);
    menu->addSeparator();
    mnuExportValues = item(QT_TRANSLATE_NOOP("Ondulix", "Ekspor Nilai (CSV)..."), {},
                           &ChartExportMenu::ExportValues);
    m_folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (m_folder.isEmpty() || !QDir(m_folder).exists()) m_folder = QDir::homePath();
}

QString ChartExportMenu::ProposedName(const chart::ChartOptions& options, const QString& suffix) {
    // Portable on any disk or share: the name's letters, digits and marks of
    // any script, a dash between its words, and nothing else.
    QStringList words{QStringLiteral("Ondulix")};
    QString word;
    for (const char32_t c : (options.person + u' ').toUcs4()) {
        const int category = QChar::category(c);
        if (QChar::isLetterOrNumber(c) ||
            (category >= QChar::Mark_NonSpacing && category <= QChar::Mark_Enclosing))
            word += QString::fromUcs4(&c, 1);
        else if (!word.isEmpty())
            words << std::exchange(word, QString());
    }
    words << options.display.toString(Qt::ISODate);
    return words.join(u'-') + (suffix.isEmpty() ? QString() : u'.' + suffix);
}

void ChartExportMenu::Tell(const QString& text, bool warning) {
    m_messages->MsgBox(m_window, text,
                       warning ? MessageBoxes::OkOnly | MessageBoxes::Exclamation
                               : int(MessageBoxes::OkOnly),
                       AppTitle);
}

std::optional<chart::ChartOptions> ChartExportMenu::Chart() {
    std::optional<chart::ChartOptions> options = m_state.Options();
    options->devicePixelRatio = m_window->devicePixelRatioF();
    if (!m_state.Span()) {
        Tell(chart::UnbornMessage, false); // as the draw command says it
        return std::nullopt;
    }
    return options;
}

void ChartExportMenu::Write(const chart::ChartOptions& options, const QString& path,
                            ExportFormat format, const QString& done) {
    m_folder = QFileInfo(path).absolutePath();
    const QString error = chart::WriteChartFile(options, path, format);
    if (!error.isEmpty())
        Tell(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ondulix could not save the chart: %1."))
                 .arg(error));
    else if (Done)
        Done(done.arg(QFileInfo(path).fileName()));
}

void ChartExportMenu::SaveChart() {
    auto options = Chart();
    if (!options) return;
    QStringList filters;
    for (const Filter& f : ChartFilters)
        filters << words::Tr(f.text);
    int filter = 0;
    QString path = m_dialogs->AskSaveFile(
        m_window, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Simpan Grafik")),
        QDir(m_folder).filePath(ProposedName(*options, "png")), filters, &filter);
    if (path.isEmpty()) return;
    const Filter& chosen = ChartFilters[std::clamp(filter, 0, int(std::size(ChartFilters)) - 1)];
    // A name that says its type wins over the filter; one that does not gets it.
    auto format = chart::FormatOfName(path);
    if (!format || format == ExportFormat::Csv) {
        format = chosen.format;
        path += u'.' + chart::FormatSuffix(*format);
    }
    if (*format == ExportFormat::Png)
        options->devicePixelRatio = chosen.format == ExportFormat::Png && chosen.ratio > 0
                                        ? chosen.ratio
                                        : options->devicePixelRatio;
    Write(*options, path, *format, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Grafik disimpan: %1")));
}

void ChartExportMenu::CopyChart() {
    const auto options = Chart();
    if (!options) return;
    auto* data = new QMimeData;
    data->setImageData(chart::RenderChartImage(*options));
    data->setData(QStringLiteral("image/svg+xml"), chart::ChartBytes(*options, ExportFormat::Svg));
    QGuiApplication::clipboard()->setMimeData(data);
    if (Done) Done(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Grafik disalin")));
}

void ChartExportMenu::Print() {
    if (const auto options = Chart()) PrintPages(*options, 1);
}

void ChartExportMenu::PrintMonths() {
    const auto options = Chart();
    if (!options) return;
    if (const int count = m_dialogs->AskPageCount(m_window); count > 0) PrintPages(*options, count);
}

void ChartExportMenu::PrintPages(const chart::ChartOptions& options, int count) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, options);
    if (!m_dialogs->AskPrint(m_window, printer)) return;
    if (!PaintPages(printer, options, count))
        Tell(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ondulix could not print the chart to %1."))
                 .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                         : printer.outputFileName()));
    else if (Done)
        Done(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Grafik dikirim ke pencetak")));
}

void ChartExportMenu::PrintPreview() {
    const auto options = Chart();
    if (!options) return;
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, *options);
    m_dialogs->PreviewPrint(m_window, printer,
                            [&options](QPrinter* p) { PaintPages(*p, *options); });
}

void ChartExportMenu::ExportValues() {
    const auto options = Chart();
    if (!options) return;
    int filter = 0;
    QString path = m_dialogs->AskSaveFile(
        m_window, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Ekspor Nilai")),
        QDir(m_folder).filePath(ProposedName(*options, "csv")),
        {words::Tr(QT_TRANSLATE_NOOP("Ondulix", "CSV, comma-separated values (*.csv)"))}, &filter);
    if (path.isEmpty()) return;
    if (chart::FormatOfName(path) != ExportFormat::Csv) path += QStringLiteral(".csv");
    Write(*options, path, ExportFormat::Csv,
          words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Nilai disimpan: %1")));
}

#include "ui/widgets/ChartDialogs.h"

#include "chart/ChartExport.h"
#include "ui/widgets/MessageBoxes.h"
#include "util/SaveWhole.h"
#include "util/Words.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <algorithm>

QFileDialog::Options FileDialogOptions() {
    return words::Chosen() ? QFileDialog::DontUseNativeDialog : QFileDialog::Options();
}

QString QtChartDialogs::AskSaveFile(QWidget* parent, const QString& title, const QString& proposal,
                                    const QStringList& filters, int* filter) {
    QString selected = filters.value(*filter);
    const QString path =
        QFileDialog::getSaveFileName(parent, title, proposal, filters.join(QStringLiteral(";;")),
                                     &selected, FileDialogOptions());
    *filter = std::max<int>(0, filters.indexOf(selected));
    return path;
}

QString ChartDialogs::AskOpenFile(QWidget* parent, const QString& title, const QString& filters,
                                  const QString& folder) {
    return QFileDialog::getOpenFileName(parent, title, folder, filters, nullptr,
                                        FileDialogOptions());
}

std::optional<QString> ChartDialogs::AskText(QWidget* parent, const QString& title,
                                             const QString& label, const QString& text) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    dialog.setCancelButtonText(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Batal")));
    // The title whole: a window manager cuts it to the frame, beside its
    // own buttons. The dialog's layout sizes it by its contents, so the
    // box is what is made wide.
    if (auto* box = dialog.findChild<QLineEdit*>())
        box->setMinimumWidth(
            std::max(320, dialog.fontMetrics().horizontalAdvance(title) * 3 / 2 + 120));
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.textValue()) : std::nullopt;
}

bool QtChartDialogs::AskPrint(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtChartDialogs::AskPageCount(QWidget* parent) {
    bool ok = false;
    const int count = QInputDialog::getInt(
        parent, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Cetak beberapa bulan")),
        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Berapa halaman (60 hari tiap halaman)?")), 3, 1,
        chart::MaxPages, 1, &ok);
    return ok ? count : 0;
}

void QtChartDialogs::PreviewPrint(QWidget* parent, QPrinter& printer,
                                  const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    // Most of the screen's height, so the page can be read as it opens.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    const int height = room.height() * 9 / 10;
    dialog.resize(std::min(room.width() * 9 / 10, height * 3 / 2), height);
    dialog.exec();
}

QString SaveChosenFile(ChartDialogs& dialogs, MessageBoxes& messages, QWidget* parent,
                       const QString& title, const QString& proposal, const QStringList& filters,
                       const std::function<QByteArray(int)>& bytes) {
    int filter = 0;
    QString path =
        dialogs.AskSaveFile(parent, title, QDir::home().filePath(proposal), filters, &filter);
    if (path.isEmpty()) return {};
    // A name's own extension decides, as for the chart; else the filter.
    const QString typed = QFileInfo(path).suffix().toLower();
    for (int i = 0; i < filters.size(); ++i)
        if (!typed.isEmpty() && filters[i].contains(QStringLiteral("*.") + typed)) filter = i;
    if (typed.isEmpty())
        path += u'.' + filters.value(filter).section(QStringLiteral("*."), 1).section(u')', 0, 0);
    // Birth dates: for the user's eyes alone, as the settings file.
    if (const QString reason = SaveWhole(path, bytes(filter), NewFileAccess::OwnerOnly);
        !reason.isEmpty()) {
        messages.MsgBox(
            parent,
            words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Berkas %1 tidak dapat ditulis: %2."))
                .arg(path, reason),
            MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
        return {};
    }
    return path;
}

#include "ui/keyboard/HelpMenu.h"

#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/Placement.h"
#include "ui/widgets/SpokenItems.h"
#include "ui/widgets/Words.h"
#include "util/Words.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenuBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

HelpMenu::HelpMenu(QMainWindow* window, MessageBoxes* messages,
                   std::function<ShortcutTable()> shortcuts, QString settingsPath)
    : QObject(window), m_window(window), m_messages(messages), m_shortcuts(std::move(shortcuts)),
      m_settingsPath(std::move(settingsPath)) {
    QMenu* menu = window->menuBar()->addMenu(QString());
    words::KeepText(menu->menuAction(), QT_TRANSLATE_NOOP("Ondulix", "Ba&ntuan"));
    mnuShortcuts = menu->addAction(QString());
    words::KeepText(mnuShortcuts, QT_TRANSLATE_NOOP("Ondulix", "&Pintasan Keyboard"));
    mnuShortcuts->setShortcut(QKeySequence::HelpContents); // F1
    mnuShortcuts->setShortcutContext(Qt::ApplicationShortcut);
    mnuAbout = menu->addAction(QString());
    words::KeepText(mnuAbout, QT_TRANSLATE_NOOP("Ondulix", "&Tentang Ondulix"));
    connect(mnuShortcuts, &QAction::triggered, this, &HelpMenu::ShowShortcuts);
    connect(mnuAbout, &QAction::triggered, this, &HelpMenu::ShowAbout);
}

void HelpMenu::ShowShortcuts() {
    if (m_shortcutsWindow) { // one is enough
        m_shortcutsWindow->raise();
        m_shortcutsWindow->activateWindow();
        return;
    }
    auto* dialog = new QDialog(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* table = new QTableWidget(0, 2, dialog);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    spoken::SpeakRows(table);
    const auto fill = [this, table] {
        const ShortcutTable rows = m_shortcuts();
        table->setRowCount(static_cast<int>(rows.size()));
        for (int row = 0; row < rows.size(); ++row) {
            table->setItem(row, 0, new QTableWidgetItem(rows[row].first));
            table->setItem(row, 1, new QTableWidgetItem(rows[row].second));
        }
        table->resizeColumnsToContents();
    };
    fill();
    // In the language in use; the rows read the menus and captions once
    // they have changed too.
    words::Keep(dialog, QT_TRANSLATE_NOOP("Ondulix", "Pintasan Keyboard \u2013 Ondulix"),
                [dialog, table, fill](const QString& title) {
                    using words::Tr;
                    dialog->setWindowTitle(title);
                    table->setHorizontalHeaderLabels({Tr(QT_TRANSLATE_NOOP("Ondulix", "Tombol")),
                                                      Tr(QT_TRANSLATE_NOOP("Ondulix", "Fungsi"))});
                    table->setAccessibleName(Tr(QT_TRANSLATE_NOOP("Ondulix", "Pintasan keyboard")));
                    QTimer::singleShot(0, table, fill);
                });
    table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
    dialog->resize(460, 520);
    m_shortcutsWindow = dialog;
    PlaceBeside(dialog, m_window); // not in the way of what it explains
    dialog->show();
}

void HelpMenu::ShowAbout() {
    m_messages->MsgBox(
        m_window,
        words::Tr(QT_TRANSLATE_NOOP(
                      "Ondulix",
                      "Ondulix %1\n\nMenggambar siklus seseorang selama 60 hari dari tanggal "
                      "lahirnya, dengan fase bulan.\n\nHak cipta dilindungi undang-undang.\n\n"
                      "Berkas pengaturan:\n%2"))
            .arg(QStringLiteral(ONDULIX_VERSION), QDir::toNativeSeparators(m_settingsPath)),
        MessageBoxes::OkOnly, words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Tentang Ondulix")));
}

#pragma once

#include "people/BirthdayCalendar.h"
#include "people/ContactsCsvReader.h"
#include "people/ContactsFile.h"
#include "people/FriendsExport.h"
#include "people/ImportPreview.h"
#include "people/VCardReader.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <vector>

class QComboBox;
class Notice;
class QLabel;
class QPushButton;
class QTreeWidget;

// The preview of an import: every contact of the file as it would be stored,
// marked new, to update (with both dates), the same, or skipped and why; the
// user unticks what they do not want. Nothing is written here: on "Impor" the
// caller saves the chosen entries as one step.
class ImportDialog final : public QDialog {
    Q_OBJECT

public:
    // `read` reads the file with a CSV's date order (a vCard ignores it);
    // `csv`: the file is a CSV, so the order can be chosen.
    ImportDialog(QWidget* parent, const QString& fileName, bool csv,
                 std::function<people::ContactsRead(people::DateOrder)> read,
                 std::function<people::FriendList()> list);

    // The entries still ticked.
    std::vector<people::ImportEntry> Chosen() const;
    // The list changed (another import, an undo): the statuses again, the
    // user's unticks kept.
    void Preview();
    const std::vector<people::ImportEntry>& Entries() const { return m_entries; }
    QTreeWidget* Rows() const { return m_rows; }

private:
    void Counted();

    std::function<people::ContactsRead(people::DateOrder)> m_read;
    std::function<people::FriendList()> m_list; // as it is now, names whole
    std::vector<people::ImportEntry> m_entries;
    QComboBox* m_order = nullptr;
    QString m_orderNote; // how the order was guessed, or that the rows disagree
    QLabel* m_summary;
    QTreeWidget* m_rows;
    QPushButton* m_import;
    Notice* m_said;               // a tick changed, for a reader
    QHash<QString, bool> m_ticks; // the user's ticks, by the name as stored
};

// "baru", "diperbarui: 01-01-1970 → 02-02-1971", "sama", "dilewati: tanpa tahun".
QString VerdictText(const people::ImportEntry& entry);

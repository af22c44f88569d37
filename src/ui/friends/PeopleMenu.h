#pragma once

#include "people/FriendList.h"
#include "people/Names.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class ChartDialogs;
class ComboPicker;
class MessageBoxes;
class Notice;
class QAction;
class QMainWindow;
class QLabel;
class QMenu;
class QTreeWidget;

// The people beyond one at a time: the "Kontak" menu (friends brought in from
// a vCard or CSV file, taken out as vCard, CSV or a calendar of birthdays,
// whose birthday comes next), renaming a friend, and finding a name by typing
// in the friends list. Every change is one undoable step of the window's.
class PeopleMenu final : public QObject {
public:
    struct Window {
        QMainWindow* window;
        QMenu* edit; // where "Ganti Nama Teman..." goes
        ComboPicker* friends;
        std::function<const people::FriendList&()> people;
        // The people with their names whole, as the settings file has them.
        std::function<people::FriendList()> whole;
        // One step: the list after, the person to show, the step's name, what to say.
        std::function<void(const people::FriendList&, people::PersonId, const QString&,
                           const QString&)>
            change;
        std::function<QDate()> today;
        MessageBoxes* messages;
        ChartDialogs* dialogs;
        Notice* notice;
        std::function<void(const std::function<void()>&)> guard;
    };
    explicit PeopleMenu(Window window);

    // Opens the import preview for a contacts file; nothing is written
    // before its "Impor".
    void ImportFile(const QString& path);
    // Says in the notice line whose birthday is today, if anyone's.
    void SayTodaysBirthdays();
    // The people changed: what is open shows them as they are now.
    void PeopleChanged();

    QAction* mnuImport;
    QAction* mnuExport;
    QAction* mnuCalendar;
    QAction* mnuUpcoming;
    QAction* mnuRename;

private:
    void Import();
    void Export();
    void ExportCalendar();
    void ShowUpcoming();
    void Rename();
    void SayAtMidnight();
    void FillUpcoming();
    // Writes `bytes` whole to a file the user picks; says what happened.
    void SaveFile(const QString& title, const QString& proposal, const QStringList& filters,
                  const std::function<QByteArray(int filter)>& bytes);

    Window w;
    QPointer<QTreeWidget> m_upcoming; // while "Ulang Tahun Berikutnya" is open
    QPointer<QLabel> m_upcomingNote;
    QString m_importFolder; // where the last import came from: the next one starts there
};

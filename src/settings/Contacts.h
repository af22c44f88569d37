#pragma once

#include "settings/FriendList.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

// Friends in and out of contacts files: vCard (2.1, 3.0, 4.0) and CSV in,
// vCard 4.0, CSV and an iCalendar of birthdays out. No vCard library for
// Qt 6 is packaged in Debian, so this small reader is the program's own: it
// reads only the name and the birthday.
//
// Every reader is bounded: a file over MaxFileBytes is refused unread, and
// reading stops after MaxContacts contacts or at a line over MaxLineBytes.
namespace settings {

inline constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
inline constexpr qsizetype MaxLineBytes = 64 * 1024;
inline constexpr qsizetype MaxContacts = 10'000;

enum class BirthKind {
    Missing,   // no birthday given
    Full,      // `birth` is the date
    NoYear,    // month and day only ("--01-07")
    Unreadable // given, but no date ("1960-02-30", "circa 1800")
};

// One person as the file has them.
struct Contact {
    QString name; // vCard: FN, else N's given and family names; CSV: the name column(s)
    BirthKind kind = BirthKind::Missing;
    QDate birth;       // when kind is Full
    QString birthText; // the birthday as written
};

struct ContactsRead {
    std::vector<Contact> contacts;
    // Empty when the whole file was read. Else, in Indonesian, why it was
    // refused ("Berkas kosong.", contacts then empty) or where reading
    // stopped ("Berhenti di baris 12: bukan teks UTF-8."; the contacts before
    // that line are kept).
    QString problem;
};

// How the CSV's dates with separators (/ . -) are read: 7/1/1960 is
// 7 January in DayMonthYear, July 1 in MonthDayYear. ISO dates (1960-01-07)
// and Google's year-less --01-07 are read whatever the order.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// vCard: UTF-8 with or without a byte order mark (2.1 values in their
// CHARSET); folded lines, groups (item1.FN), parameters, escapes and 2.1
// quoted-printable. BDAY as 1960-01-07, 19600107 (a time part ignored), or
// without a year as --01-07 or --0107.
ContactsRead ReadVCards(QByteArrayView bytes);
// CSV (UTF-8): a header row naming the name column ("Name", "Nama", "Full
// Name", "Nama Lengkap", "Display Name", or first and last name columns such
// as "First Name"/"Nama Depan" and "Last Name"/"Nama Belakang") and the
// birthday column ("Birthday", "Birth Date", "Date of Birth", "Tanggal
// Lahir", "Ulang Tahun"), in any letter case.
ContactsRead ReadContactsCsv(QByteArrayView bytes, DateOrder order);
// By the name's extension: .vcf and .vcard as vCard, .csv as CSV, another
// by its content. An empty file, a .vcf with no BEGIN:VCARD and a CSV with
// no such header are refused.
ContactsRead ReadContacts(QByteArrayView bytes, const QString& fileName, DateOrder order);
// The bytes of the file at `path`. Only a regular file of at most
// MaxFileBytes is read (a pipe, a device or a folder is refused before it is
// opened); else `problem` says why, as a sentence in Indonesian.
struct ContactsBytes {
    QByteArray bytes;
    QString problem;
};
ContactsBytes ReadContactsBytes(const QString& path);
// ReadContactsBytes, then ReadContacts.
ContactsRead ReadContactsFile(const QString& path, DateOrder order);

enum class Verdict {
    New,    // not listed: added
    Update, // listed with another date: re-dated
    Same,   // listed with this date
    Skipped // `reason` says why
};

// What importing one contact does.
struct ImportEntry {
    QString name;             // as it will be stored (CleanName)
    QString sourceName;       // as the file has it
    QDate birth;              // the file's date; invalid when it has no readable full date
    QDate listedBirth;        // Update and Same: the date the list has
    std::int32_t listed = -1; // Update and Same: the friend matched
    Verdict verdict = Verdict::Skipped;
    QString reason;      // Skipped: why, in Indonesian ("tanpa tahun")
    bool chosen = false; // to be saved: New and Update at first; the user may untick
    bool cut =
        false; // the name was longer than a listed name can be (an Update then starts unticked)
};

// One entry per contact, in the file's order. A contact is skipped without a
// name, named as the own entry (in any letter case), without a full date in FirstYear..LastYear,
// with a name an earlier contact of the file took, or when a new name would
// make more than MaxFriends friends. A name matches a listed one whatever its
// letter case, blanks and controls: the whole name first (so the program's
// own export comes back "Same"), then as cut to MaxNameLength. `list` holds
// the names whole, as the settings file does; a matched entry takes the
// listed name.
std::vector<ImportEntry> PreviewImport(const FriendList& list,
                                       const std::vector<Contact>& contacts);

// `list` with every chosen Update re-dated and every chosen New entry saved
// through FriendList::Save: the caller's one undoable step.
FriendList ApplyImport(FriendList list, const std::vector<ImportEntry>& preview);

// The friends (not the own entry; entries whose date cannot be read are left
// out), names whole, as UTF-8 files that the readers above give back
// unchanged.
// vCard 4.0: FN and BDAY (19600107) each, CRLF, lines folded at 75 octets.
QByteArray FriendsVCard(const FriendList& list);
// CSV: the header "Nama,Tanggal Lahir", then a name (csv::TextField) and an
// ISO date a row.
QByteArray FriendsCsv(const FriendList& list);
// iCalendar (RFC 5545): each friend's birthday as a yearly all-day event
// "Ulang tahun NAME" that shows as free time, with a UID that stays the
// same for the same name. 29 February falls on 28 February in common years.
// `stamp` is the DTSTAMP of every event.
QByteArray BirthdayCalendar(const FriendList& list, const QDateTime& stamp);

} // namespace settings

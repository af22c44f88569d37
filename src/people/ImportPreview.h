#pragma once

#include "people/Contact.h"
#include "people/FriendList.h"

#include <QDate>
#include <QString>
#include <vector>

// What importing a contacts file would do to the list, before anything is
// written; then doing it.
namespace people {

enum class Verdict {
    New,    // not listed: added
    Update, // listed with another date: re-dated
    Same,   // listed with this date
    Skipped // `reason` says why
};

// What importing one contact does.
struct ImportEntry {
    QString name;               // as it will be stored (CleanName)
    QString sourceName;         // as the file has it
    QDate birth;                // the file's date; invalid when it has no readable full date
    QDate listedBirth;          // Update and Same: the date the list has
    PersonId listed = NoPerson; // Update and Same: the friend matched
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

} // namespace people

#pragma once

#include <QString>
#include <QStringList>

namespace people {

// Finds names by typed text, ignoring letter case and accents ("ANH" finds
// "Ánh"; Qt's case folding maps one character to one, so "ss" does not find
// "ß"). The names are folded once, so each keystroke only searches.
class NameFinder {
public:
    explicit NameFinder(const QStringList& names);
    // Index of the first name that contains `typed`; -1 when none does or
    // nothing is typed.
    qsizetype Find(const QString& typed) const;
    // Compatibility decomposition, marks removed, case folded.
    static QString Folded(const QString& text);

private:
    QStringList m_folded;
};

} // namespace people

#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// Private-profile (INI) files, read and written as the classic Windows calls
// do, byte for byte. Section and key names match in any letter case; blanks
// around keys and values are ignored; one pair of surrounding quotes is
// dropped on reading; ';' starts a comment only as a line's first non-blank
// character; the first of duplicate keys wins; CRLF, LF and CR all end lines.
//
// A write changes only the value of its key, or adds the key at the end of
// its section, or the section at the end of the file; every other byte stays
// as it was. New files get CRLF line ends.
//
// Values are written as UTF-8. A line that is not valid UTF-8 is read as
// Windows-1252, so files from Windows read right.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(QByteArray bytes);

    const QByteArray& Bytes() const { return m_bytes; }

    // The key's value cut to bufferSize - 1 characters, or `fallback` less
    // its trailing blanks when the section or the key is missing. An empty
    // value reads as empty.
    QString ReadString(const QString& section, const QString& key, const QString& fallback,
                       int bufferSize) const;

    bool HasKey(const QString& section, const QString& key) const;
    // Names of the keys of every section of that name, in file order.
    QStringList Keys(const QString& section) const;

    // Sets the key's value. Throws std::invalid_argument for a section or key
    // the format cannot hold, or a value with a line break or NUL.
    void WriteString(const QString& section, const QString& key, const QString& value);
    // Removes every line of the key in sections of that name; every other
    // byte stays.
    void DeleteKey(const QString& section, const QString& key);

private:
    struct Line {
        qsizetype begin = 0; // first byte
        qsizetype end = 0;   // one past the last byte before the line end
        qsizetype next = 0;  // first byte of the next line
    };
    struct Entry {
        int line = -1;            // index into m_lines
        QString name;             // section or key name, trimmed
        qsizetype valueBegin = 0; // keys: bytes of the value, trimmed
        qsizetype valueEnd = 0;
        bool isSection = false;
    };

    void Parse();
    // Index into m_entries of the key's first occurrence, -1 when missing.
    int Find(const QString& section, const QString& key) const;
    // Moves lines from `fromLine` on, and their entries, by `delta` bytes.
    void Shift(int fromLine, qsizetype delta);
    QByteArray LineEnd() const;

    QByteArray m_bytes;
    std::vector<Line> m_lines;
    std::vector<Entry> m_entries; // sections and keys, in file order
    // Folded "section\nkey" -> first entry; built on the first lookup.
    mutable QHash<QString, int> m_index;
    mutable bool m_indexed = false;
};

struct ProfileWrite {
    QString section;
    QString key;
    QString value;
    bool remove = false; // delete the key instead
};

// The largest file read; anything larger is damage, not settings.
inline constexpr qsizetype MaxProfileBytes = 64 * 1024 * 1024;

// The file's document; an empty one when the file does not exist. Returns
// false, with the reason, when it exists but cannot be read, is not a
// regular file, or is larger than MaxProfileBytes.
bool LoadProfile(const QString& path, ProfileDocument* document, QString* error);

// Applies the writes to the file as it is now on disk and replaces it in one
// step: a crash or a full disk midway leaves the old file. A new file is
// readable by its owner only: it holds people's birth dates. A write the format
// cannot hold is left out alone and the others still land. Returns an empty
// string on success, else the reason in a few words.
QString WriteProfile(const QString& path, const std::vector<ProfileWrite>& writes);

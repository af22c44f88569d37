#include "settings/PrivateProfile.h"

#include "util/SaveWhole.h"
#include "util/Words.h"

#include <QFile>
#include <QStringDecoder>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Windows-1252 for bytes 0x80..0x9F; the other bytes are Latin-1. Unused
// codes map to themselves, as Windows does.
QString FromWindows1252(QByteArrayView bytes) {
    static constexpr std::array<char16_t, 32> high = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += QChar(b >= 0x80 && b < 0xA0 ? high[b - 0x80] : char16_t(b));
    }
    return text;
}

// One line's text: UTF-8 when it is valid UTF-8, else Windows-1252.
QString Decode(QByteArrayView bytes) {
    // Only the file's first bytes can be its byte-order mark; a U+FEFF that
    // begins a name or value is part of it.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return FromWindows1252(bytes);
}

QByteArrayView Trimmed(QByteArrayView v) {
    while (!v.isEmpty() && IsBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && IsBlank(v.back()))
        v.chop(1);
    return v;
}

bool Same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool HasLineBreakOrNul(const QString& s) {
    return s.contains(u'\r') || s.contains(u'\n') || s.contains(QChar(0));
}

} // namespace

ProfileDocument::ProfileDocument(QByteArray bytes) : m_bytes(std::move(bytes)) {
    Parse();
}

void ProfileDocument::Parse() {
    m_indexed = false;
    m_index.clear();
    m_lines.clear();
    m_entries.clear();
    const qsizetype size = m_bytes.size();
    qsizetype pos = 0;
    // A UTF-8 byte-order mark is not part of the first line's text.
    if (m_bytes.startsWith("\xEF\xBB\xBF")) pos = 3;
    while (pos < size) {
        Line line;
        line.begin = pos;
        qsizetype end = pos;
        while (end < size && m_bytes[end] != '\r' && m_bytes[end] != '\n')
            ++end;
        line.end = end;
        if (end < size && m_bytes[end] == '\r' && end + 1 < size && m_bytes[end + 1] == '\n')
            line.next = end + 2;
        else
            line.next = end < size ? end + 1 : end;
        m_lines.push_back(line);
        pos = line.next;

        const int index = static_cast<int>(m_lines.size()) - 1;
        const QByteArrayView text =
            Trimmed(QByteArrayView(m_bytes).sliced(line.begin, end - line.begin));
        if (text.isEmpty() || text.front() == ';') continue;
        if (text.front() == '[') {
            const qsizetype close = text.indexOf(']');
            if (close < 0) continue;
            Entry section;
            section.line = index;
            section.isSection = true;
            section.name = Decode(Trimmed(text.sliced(1, close - 1)));
            m_entries.push_back(section);
            continue;
        }
        const qsizetype equals = text.indexOf('=');
        if (equals <= 0) continue; // not a key
        Entry key;
        key.line = index;
        key.name = Decode(Trimmed(text.first(equals)));
        if (key.name.isEmpty()) continue;
        // Value bytes, trimmed, as offsets into the file.
        qsizetype vb = (text.data() - m_bytes.constData()) + equals + 1;
        qsizetype ve = (text.data() - m_bytes.constData()) + text.size();
        while (vb < ve && IsBlank(m_bytes[vb]))
            ++vb;
        key.valueBegin = vb;
        key.valueEnd = ve;
        m_entries.push_back(key);
    }
}

int ProfileDocument::Find(const QString& section, const QString& key) const {
    if (!m_indexed) {
        QString current;
        bool inSection = false;
        for (int i = 0; i < static_cast<int>(m_entries.size()); ++i) {
            const Entry& e = m_entries[i];
            if (e.isSection) {
                current = e.name.toCaseFolded() + u'\n';
                inSection = true;
            } else if (inSection) {
                const QString folded = current + e.name.toCaseFolded();
                if (!m_index.contains(folded)) m_index.insert(folded, i); // the first one wins
            }
        }
        m_indexed = true;
    }
    return m_index.value(section.trimmed().toCaseFolded() + u'\n' + key.trimmed().toCaseFolded(),
                         -1);
}

bool ProfileDocument::HasKey(const QString& section, const QString& key) const {
    return Find(section, key) >= 0;
}

QStringList ProfileDocument::Keys(const QString& section) const {
    QStringList keys;
    bool inSection = false;
    for (const Entry& e : m_entries) {
        if (e.isSection)
            inSection = Same(e.name, section.trimmed());
        else if (inSection)
            keys << e.name;
    }
    return keys;
}

QString ProfileDocument::ReadString(const QString& section, const QString& key,
                                    const QString& fallback, int bufferSize) const {
    const int found = Find(section, key);
    QString value = fallback;
    if (found < 0) {
        qsizetype end = value.size();
        while (end > 0 && value[end - 1] == u' ')
            --end;
        value.truncate(end);
    } else {
        const Entry& e = m_entries[found];
        value = Decode(QByteArrayView(m_bytes).sliced(e.valueBegin, e.valueEnd - e.valueBegin));
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front())
            value = value.sliced(1, value.size() - 2);
    }
    return value.left(std::max(bufferSize - 1, 0));
}

QByteArray ProfileDocument::LineEnd() const {
    for (const Line& line : m_lines) {
        if (line.next == line.end) continue;
        return m_bytes.mid(line.end, line.next - line.end);
    }
    return QByteArrayLiteral("\r\n");
}

void ProfileDocument::WriteString(const QString& section, const QString& key,
                                  const QString& value) {
    const QString cleanSection = section.trimmed();
    const QString cleanKey = key.trimmed();
    if (cleanSection.isEmpty() || cleanSection.contains(u']') || HasLineBreakOrNul(section))
        throw std::invalid_argument("section name not storable");
    if (cleanKey.isEmpty() || cleanKey.contains(u'=') || cleanKey.startsWith(u'[') ||
        cleanKey.startsWith(u';') || HasLineBreakOrNul(key))
        throw std::invalid_argument("key name not storable");
    if (HasLineBreakOrNul(value)) throw std::invalid_argument("value with a line break");

    // Blanks and quotes at the ends would be taken off on reading: a value
    // that has them is wrapped in one more pair of quotes, so it reads back
    // exactly.
    QByteArray stored = value.toUtf8();
    const bool blankEnds = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool quoteEnds = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
                           value.back() == value.front();
    if (blankEnds || quoteEnds) stored = '"' + stored + '"';

    // Reading finds the key's first occurrence in any section of that name;
    // writing changes that occurrence, or adds the key at the end of the first
    // section of that name.
    if (const int found = Find(cleanSection, cleanKey); found >= 0) {
        Entry& e = m_entries[found];
        const qsizetype delta = stored.size() - (e.valueEnd - e.valueBegin);
        m_bytes.replace(e.valueBegin, e.valueEnd - e.valueBegin, stored);
        e.valueEnd = e.valueBegin + stored.size();
        m_lines[e.line].end += delta;
        m_lines[e.line].next += delta;
        Shift(e.line + 1, delta);
        return;
    }

    int firstSection = -1, lastLineOfFirst = -1, firstSectionEntry = -1;
    for (int i = 0; i < static_cast<int>(m_entries.size()); ++i) {
        const Entry& e = m_entries[i];
        if (e.isSection) {
            if (firstSection >= 0) break;
            if (Same(e.name, cleanSection)) {
                firstSection = lastLineOfFirst = e.line;
                firstSectionEntry = i;
            }
        } else if (firstSection >= 0) {
            lastLineOfFirst = e.line;
        }
    }

    const QByteArray eol = LineEnd();
    const QByteArray keyBytes = cleanKey.toUtf8();
    const QByteArray keyLine = keyBytes + '=' + stored;
    if (firstSection < 0) {
        if (!m_bytes.isEmpty() && !m_bytes.endsWith('\n') && !m_bytes.endsWith('\r'))
            m_bytes += eol;
        m_bytes += '[' + cleanSection.toUtf8() + ']' + eol + keyLine + eol;
        Parse();
        return;
    }

    Line& after = m_lines[lastLineOfFirst];
    Line added;
    if (after.next == after.end) { // the file's last line, without a line end yet
        m_bytes.insert(after.end, eol + keyLine + eol);
        after.next = after.end + eol.size();
        added.begin = after.next;
    } else {
        added.begin = after.next;
        m_bytes.insert(added.begin, keyLine + eol);
        Shift(lastLineOfFirst + 1, keyLine.size() + eol.size());
    }
    added.end = added.begin + keyLine.size();
    added.next = added.end + eol.size();
    const int addedLine = lastLineOfFirst + 1;
    m_lines.insert(m_lines.begin() + addedLine, added);

    Entry entry;
    entry.line = addedLine;
    entry.name = cleanKey;
    entry.valueBegin = added.begin + keyBytes.size() + 1;
    entry.valueEnd = added.end;
    auto at = m_entries.begin();
    while (at != m_entries.end() && at->line < addedLine)
        ++at;
    for (auto it = at; it != m_entries.end(); ++it)
        ++it->line;
    const int position = static_cast<int>(at - m_entries.begin());
    m_entries.insert(at, entry);
    if (m_indexed) { // keep the index: later entries moved up by one
        for (int& i : m_index)
            if (i >= position) ++i;
        m_index.insert(m_entries[firstSectionEntry].name.toCaseFolded() + u'\n' +
                           cleanKey.toCaseFolded(),
                       position);
    }
}

void ProfileDocument::DeleteKey(const QString& section, const QString& key) {
    for (int found = Find(section, key); found >= 0; found = Find(section, key)) {
        const Line& line = m_lines[m_entries[found].line];
        m_bytes.remove(line.begin, line.next - line.begin);
        Parse();
    }
}

void ProfileDocument::Shift(int fromLine, qsizetype delta) {
    for (std::size_t i = fromLine; i < m_lines.size(); ++i) {
        m_lines[i].begin += delta;
        m_lines[i].end += delta;
        m_lines[i].next += delta;
    }
    for (Entry& e : m_entries) {
        if (e.line < fromLine) continue;
        e.valueBegin += delta;
        e.valueEnd += delta;
    }
}

bool LoadProfile(const QString& path, ProfileDocument* document, QString* error) {
    // O_NONBLOCK: a pipe put in the file's place must not hang the start.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) { // else there is no such file
            *error = words::SystemReason(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        *document = ProfileDocument();
        return true;
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *error = S_ISDIR(st.st_mode)
                     ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "it is a folder"))
                     : words::Tr(QT_TRANSLATE_NOOP("Ondulix", "it is not a regular file"));
        return false;
    }
    QByteArray bytes = file.read(MaxProfileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        *error = words::SystemReason(file.errorString());
        return false;
    }
    if (bytes.size() > MaxProfileBytes) {
        *error = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "it is larger than %1 MB"))
                     .arg(MaxProfileBytes / (1024 * 1024));
        return false;
    }
    *document = ProfileDocument(std::move(bytes));
    return true;
}

QString WriteProfile(const QString& path, const std::vector<ProfileWrite>& writes) {
    ProfileDocument document;
    QString error;
    if (!LoadProfile(path, &document, &error)) return error;
    QStringList refused;
    for (const ProfileWrite& w : writes) {
        try {
            if (w.remove)
                document.DeleteKey(w.section, w.key);
            else
                document.WriteString(w.section, w.key, w.value);
        } catch (const std::invalid_argument& e) {
            refused << words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 not saved: %2"))
                           .arg(w.key, QString::fromLatin1(e.what()));
        }
    }

    if (const QString reason = SaveWhole(path, document.Bytes(), NewFileAccess::OwnerOnly);
        !reason.isEmpty())
        return reason;
    return refused.join(QStringLiteral("; "));
}

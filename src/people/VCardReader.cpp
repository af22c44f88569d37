#include "people/VCardReader.h"

#include "people/ContactText.h"
#include "util/Words.h"

#include <QStringConverter>
#include <QStringDecoder>
#include <QStringList>
#include <cctype>
#include <optional>

namespace people {

namespace {

struct Property {
    QByteArray name;  // upper case, without a group
    QByteArray value; // raw: escapes and encodings still in
    QByteArray charset;
    bool quotedPrintable = false;
};

// "BDAY" of "item1.bday;VALUE=date:19600107"
QByteArray PropertyName(QByteArrayView line) {
    qsizetype end = 0;
    while (end < line.size() && line[end] != ':' && line[end] != ';')
        ++end;
    const QByteArrayView name = line.first(end);
    return name.sliced(name.lastIndexOf('.') + 1).trimmed().toByteArray().toUpper();
}

bool IsWanted(const QByteArray& name) {
    return name == "BEGIN" || name == "END" || name == "FN" || name == "N" || name == "BDAY";
}

Property Parse(QByteArrayView line) {
    Property p;
    const qsizetype colon = line.indexOf(':');
    if (colon < 0) return p;
    p.name = PropertyName(line);
    p.value = line.sliced(colon + 1).toByteArray();
    const QList<QByteArray> head = line.first(colon).toByteArray().split(';');
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArray param = head[i].trimmed().toUpper();
        if (param == "QUOTED-PRINTABLE" || param == "ENCODING=QUOTED-PRINTABLE")
            p.quotedPrintable = true;
        else if (param.startsWith("CHARSET="))
            p.charset = head[i].trimmed().mid(8).replace('"', "");
    }
    return p;
}

bool IsQuotedPrintable(QByteArrayView line) {
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.first(colon).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

QByteArray FromQuotedPrintable(QByteArrayView value) {
    QByteArray bytes;
    bytes.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '=' && i + 2 < value.size() && std::isxdigit(uchar(value[i + 1])) &&
            std::isxdigit(uchar(value[i + 2]))) {
            bytes += QByteArray::fromHex(value.sliced(i + 1, 2).toByteArray());
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

// The value as text; nothing when UTF-8 (the default) is not valid.
std::optional<QString> Text(const Property& p) {
    const QByteArray bytes = p.quotedPrintable ? FromQuotedPrintable(p.value) : p.value;
    const auto known = QStringConverter::encodingForName(p.charset.constData());
    if (!p.charset.isEmpty() && known != QStringConverter::Utf8) {
        QStringDecoder decoder(p.charset.constData());
        if (decoder.isValid()) return decoder.decode(bytes);
        // A charset Qt does not know: UTF-8 where the bytes are, else Latin-1.
        if (!QByteArrayView(bytes).isValidUtf8()) return QString::fromLatin1(bytes);
    }
    if (!QByteArrayView(bytes).isValidUtf8()) return std::nullopt;
    return QString::fromUtf8(bytes);
}

// The components between unescaped semicolons, each unescaped.
QStringList Unescaped(const QString& text) {
    QStringList parts{QString()};
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u';') {
            parts << QString();
            continue;
        }
        if (c == u'\\' && i + 1 < text.size()) {
            c = text[++i];
            if (c == u'n' || c == u'N') c = u'\n';
        }
        parts.last() += c;
    }
    return parts;
}

struct Card {
    QString fn, n;
    Contact contact;
};

// Reads the logical lines; false to stop.
class VCardReader {
public:
    ContactsRead read;
    bool sawBegin = false;

    bool Line(QByteArrayView text, qsizetype line) {
        const Property p = Parse(text);
        const QByteArray kind = p.value.trimmed().toUpper();
        if (p.name == "BEGIN" && kind == "VCARD") {
            sawBegin = true;
            // An AGENT of 2.1 nests a card: only the outer one counts.
            if (++m_depth > 1) return true;
            if (std::ssize(read.contacts) == MaxContacts) return Stop(line, TooMany);
            m_card = {};
            return true;
        }
        if (p.name == "END" && kind == "VCARD" && m_depth > 0) {
            if (--m_depth == 0) {
                const QStringList n = Unescaped(m_card.n);
                QString name = Unescaped(m_card.fn).join(u';').trimmed();
                if (name.isEmpty()) name = (n.value(1) + u' ' + n[0]).trimmed();
                m_card.contact.name = name;
                read.contacts.push_back(m_card.contact);
            }
            return true;
        }
        if (m_depth != 1 || (p.name != "FN" && p.name != "N" && p.name != "BDAY")) return true;
        const std::optional<QString> value = Text(p);
        if (!value) return Stop(line, NotUtf8);
        if (p.name == "FN")
            m_card.fn = *value;
        else if (p.name == "N")
            m_card.n = *value;
        else
            m_card.contact = IsoBirth({}, Unescaped(*value).join(u';'));
        return true;
    }

    bool Open() const { return m_depth > 0; }

    bool Stop(qsizetype line, const QString& why) {
        read.problem = Stopped(line, why);
        return false;
    }

private:
    int m_depth = 0;
    Card m_card;
};

const QByteArrayView Bom = "\xEF\xBB\xBF";

} // namespace

bool StartsAsVCard(QByteArrayView bytes) {
    if (bytes.startsWith(Bom)) bytes = bytes.sliced(3);
    bytes = bytes.trimmed();
    return bytes.size() >= 11 && bytes.first(11).compare("BEGIN:VCARD", Qt::CaseInsensitive) == 0;
}

ContactsRead ReadVCards(QByteArrayView bytes) {
    if (bytes.startsWith(Bom)) bytes = bytes.sliced(3);
    VCardReader reader;
    // Only the lines read are unfolded: a photo folded over thousands of
    // lines is passed over, not gathered.
    QByteArray logical;
    qsizetype logicalLine = 0, line = 0;
    bool wanted = false, quotedPrintable = false, softBreak = false;
    for (qsizetype pos = 0; pos < bytes.size();) {
        // CRLF, LF or a bare CR ends a line.
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const qsizetype next = end + (bytes.sliced(end).startsWith("\r\n") ? 2 : 1);
        const QByteArrayView physical = bytes.sliced(pos, end - pos);
        pos = next;
        ++line;
        if (physical.size() > MaxLineBytes) {
            reader.Stop(line, TooLong);
            break;
        }
        const bool folded = line > 1 && (physical.startsWith(' ') || physical.startsWith('\t'));
        if (softBreak || folded) {
            if (wanted) {
                if (softBreak) logical.chop(1);
                logical += softBreak ? physical : physical.sliced(1);
            }
            if (logical.size() > MaxLineBytes) {
                reader.Stop(logicalLine, TooLong);
                break;
            }
            softBreak = quotedPrintable && physical.endsWith('=');
            continue;
        }
        if (wanted && !reader.Line(logical, logicalLine)) break;
        wanted = IsWanted(PropertyName(physical));
        quotedPrintable = IsQuotedPrintable(physical);
        softBreak = quotedPrintable && physical.endsWith('=');
        logical = wanted ? physical.toByteArray() : QByteArray();
        logicalLine = line;
    }
    if (reader.read.problem.isEmpty() && wanted) reader.Line(logical, logicalLine);
    if (reader.read.problem.isEmpty() && reader.Open())
        reader.Stop(line, words::Tr(QT_TRANSLATE_NOOP(
                              "Ondulix", "kartu terakhir tanpa END:VCARD, tidak dibaca")));
    if (!reader.sawBegin)
        return {{},
                words::Tr(QT_TRANSLATE_NOOP("Ondulix",
                                            "Berkas ini bukan vCard: tidak ada BEGIN:VCARD."))};
    return reader.read;
}

} // namespace people

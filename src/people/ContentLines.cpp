#include "people/ContentLines.h"

namespace people {

QString Escaped(const QString& text) {
    QString e;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue; // one line break
        if (c == u'\\' || c == u',' || c == u';') e += u'\\';
        e += c == u'\n' || c == u'\r' ? QStringLiteral("\\n") : QString(c);
    }
    return e;
}

QByteArray Folded(const QString& line) {
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    qsizetype pos = 0, room = 75;
    while (bytes.size() - pos > room) {
        qsizetype cut = pos + room;
        while ((bytes[cut] & 0xC0) == 0x80)
            --cut;
        out += bytes.sliced(pos, cut - pos) + "\r\n ";
        pos = cut;
        room = 74; // after the blank
    }
    return out + bytes.sliced(pos) + "\r\n";
}

} // namespace people

#include "people/NameFinder.h"

namespace people {

NameFinder::NameFinder(const QStringList& names) {
    m_folded.reserve(names.size());
    for (const QString& name : names)
        m_folded << Folded(name);
}

qsizetype NameFinder::Find(const QString& typed) const {
    const QString folded = Folded(typed);
    if (folded.isEmpty()) return -1;
    for (qsizetype i = 0; i < m_folded.size(); ++i)
        if (m_folded[i].contains(folded)) return i;
    return -1;
}

QString NameFinder::Folded(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (!c.isMark()) bare += c;
    return bare.toCaseFolded();
}

} // namespace people

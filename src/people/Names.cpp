#include "people/Names.h"

#include "people/FriendList.h"
#include "util/Words.h"
#include "util/modStrUtil.h"

namespace people {

QString CleanName(const QString& text) {
    QString name = modStrUtil::SquashBlanks(modStrUtil::OneLine(text));
    if (name.size() > MaxNameLength) {
        // A pair of surrogates is one character: never half of one.
        name.truncate(name[MaxNameLength - 1].isHighSurrogate() ? MaxNameLength - 1
                                                                : MaxNameLength);
        name = modStrUtil::TrimBlanks(name);
    }
    return name;
}

QString TypedName(const QString& text) {
    return modStrUtil::ProperCase(CleanName(text), true);
}

QString MatchKey(const QString& name) {
    return modStrUtil::SquashBlanks(modStrUtil::OneLine(name)).toCaseFolded();
}

QString ShownName(const QString& listedName) {
    return listedName == FriendList::OwnEntryName ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Anda"))
                                                  : listedName;
}

} // namespace people

#include "util/modListUtil.h"

namespace modListUtil {

void SelectListItem(ListControl& list, const QString& text, bool force) {
    if (!list.Enabled() && !force) return;
    int first = -1;
    const int count = list.ListCount();
    for (int i = 0; i < count; ++i) {
        const QString entry = list.List(i);
        if (first == -1 && entry.startsWith(text, Qt::CaseSensitive)) first = i;
        if (entry == text) {
            list.SetListIndex(i);
            return;
        }
    }
    if (first != -1) list.SetListIndex(first);
}

void SelectAllText(TextBoxControl& box) {
    box.SetSelStart(0);
    box.SetSelLength(box.MaxLength());
}

} // namespace modListUtil

#pragma once

#include <QString>

// What the list helpers need of a drop-down list: its entries, its enabled
// state and a way to select an entry that raises the control's selection
// event before returning, exactly as a user's choice would.
class ListControl {
public:
    virtual ~ListControl() = default;
    virtual bool Enabled() const = 0;
    virtual int ListCount() const = 0;
    virtual QString List(int index) const = 0;
    // Index of the selected entry, -1 when none.
    virtual int ListIndex() const = 0;
    // Selects entry `index` and raises the selection event.
    virtual void SetListIndex(int index) = 0;
    // Empties the list, leaving nothing selected; raises no event.
    virtual void Clear() = 0;
    virtual void AddItem(const QString& text) = 0;

    // Text of the selected entry, empty when none.
    QString Text() const {
        const int i = ListIndex();
        return i < 0 ? QString() : List(i);
    }
};

// What SelectAllText needs of a text box.
class TextBoxControl {
public:
    virtual ~TextBoxControl() = default;
    virtual int MaxLength() const = 0; // 0: no limit
    virtual void SetSelStart(int start) = 0;
    virtual void SetSelLength(int length) = 0;
};

namespace modListUtil {

// Selects the entry equal to `text`, else the first entry that begins with it;
// comparisons are exact. A disabled list is left alone unless `force`. When
// nothing matches, the selection stays as it is and no event is raised.
void SelectListItem(ListControl& list, const QString& text, bool force);

// Selects the box's text from the start over its maximum length.
void SelectAllText(TextBoxControl& box);

} // namespace modListUtil

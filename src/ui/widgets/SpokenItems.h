#pragma once

#include <QAccessible>
#include <QString>
#include <functional>

class QAbstractItemView;
class QComboBox;
class QTreeWidgetItem;
class QWidget;

// Items a screen reader can hear one at a time: a widget shown to it as
// `count` named items, and the item the user is on announced as the focus.
//
// Qt's AT-SPI bridge (6.4) drops value events from anything but a value
// widget, and Orca ignores name and description changes; a focus event on a
// child item is the one change both carry. So a widget whose state a reader
// must follow key by key (the chart's day, the moon's day, a picker's entry)
// gets items, and every move sends the focus to the item it lands on.
namespace spoken {

struct Items {
    QAccessible::Role role;           // of the widget: List, ComboBox, or Slider (keeps its value)
    std::function<int()> count;       // items 0..count-1
    std::function<QString(int)> name; // what the reader says for an item
    std::function<QString()> summary; // the widget's name, when it says more than its own
    std::function<int()> current;     // the item the user is on; -1 for none
};

// Gives `widget` its items; before any reader asks for it (construction).
void GiveItems(QWidget* widget, Items items);

// Drops the interface Qt may keep for `widget` from before it got one of its
// own (a factory, items), so the next reader that asks gets the new one.
void Renew(QWidget* widget);

// Speaks item `index` of `widget`'s items as the focus. Nothing when no
// reader listens.
void FocusItem(QWidget* widget, int index);

// A combo box as items, its entries: named by its entry (or its
// Qt::AccessibleTextRole, where that says more) and described by
// what it is for, and telling its new entry as the focus when the arrow keys
// turn it closed (Orca ignores a combo box's name changes). Its own items,
// not its popup list's: Orca searches a list for its focused entry, one
// call to the program an entry, and a closed list has none.
void SpeakEntries(QComboBox* box);

// A list or table whose rows a reader hears: on getting the focus, its
// current row (the first when none) as the focus, so the first Down goes on
// from a row already heard; a tickable row named with its tick.
void SpeakRows(QAbstractItemView* view);
// A tickable row named with its tick ("Budi, dipilih"): Orca looks for a
// "toggle" action and Qt names it "Toggle", so it never says a row's tick.
// Orca says nothing either of a tick changed on the row it is on (a row
// focused again is the same row to it): a notice says that.
void TellTick(QTreeWidgetItem* row);

} // namespace spoken

#pragma once

#include "util/modListUtil.h"

#include <QComboBox>
#include <QLineEdit>
#include <functional>

class QTreeWidget;

// Qt controls with the event behaviour the window's handlers rely on: a
// change made by code raises the control's handler at once, nested inside
// the code that made it, exactly as a user's change does.

// A drop-down list. `Click` runs for every selection, the user's or code's
// (through SetListIndex); filling and emptying the list raise nothing.
class ComboPicker final : public QComboBox, public ListControl {
public:
    explicit ComboPicker(QWidget* parent);

    std::function<void()> Click;

    bool Enabled() const override { return isEnabled(); }
    int ListCount() const override { return count(); }
    // An entry's own text, whatever the language shows.
    QString List(int index) const override {
        const QVariant own = itemData(index, Qt::UserRole);
        return own.isValid() ? own.toString() : itemText(index);
    }
    int ListIndex() const override { return currentIndex(); }
    void SetListIndex(int index) override;
    void Clear() override;
    void AddItem(const QString& text) override;
    // An entry whose text is `source` (a month) and is shown in the language in use.
    void AddWord(const char* source);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The wheel turns a picker only while the user works in it.
    void wheelEvent(QWheelEvent* event) override;
};

// A flat table of rows (a list with columns), named for screen readers,
// its columns as wide as their contents.
QTreeWidget* NewTable(QWidget* parent, const QStringList& headers, const QString& name);

// A one-line text box whose selection can be set as SelectAllText needs.
class NameBox final : public QLineEdit, public TextBoxControl {
public:
    NameBox(QWidget* parent, int maxLength);

    int MaxLength() const override { return m_maxLength; }
    void SetSelStart(int start) override;
    void SetSelLength(int length) override;

private:
    int m_maxLength;
};

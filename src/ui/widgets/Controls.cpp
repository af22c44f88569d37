#include "ui/widgets/Controls.h"

#include "ui/widgets/SpokenItems.h"
#include "ui/widgets/Words.h"
#include "util/modStrUtil.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QValidator>
#include <QWheelEvent>
#include <algorithm>

ComboPicker::ComboPicker(QWidget* parent) : QComboBox(parent) {
    // A wheel notch must not give it the focus (and then turn it): only a
    // click or Tab does.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QComboBox::activated, this, [this] {
        if (Click) Click();
    });
    // Under a screen reader Qt 6.4 hands a key pressed in the open list back
    // once more after the list has closed, and the list would choose its
    // entry again: a key for a list no longer open is dropped.
    view()->installEventFilter(this);
}

bool ComboPicker::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (key && watched == view() && !view()->isVisible()) return true;
    return QComboBox::eventFilter(watched, event);
}

void ComboPicker::SetListIndex(int index) {
    {
        const QSignalBlocker quiet(this);
        setCurrentIndex(index);
    }
    if (Click) Click();
}

void ComboPicker::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void ComboPicker::Clear() {
    const QSignalBlocker quiet(this);
    clear();
}

void ComboPicker::AddWord(const char* source) {
    AddItem(QString::fromLatin1(source));
    const int index = count() - 1;
    setItemData(index, QString::fromLatin1(source), Qt::UserRole);
    words::Keep(this, source, [this, index](const QString& text) { setItemText(index, text); });
}

void ComboPicker::AddItem(const QString& text) {
    const QSignalBlocker quiet(this);
    const bool noneSelected = currentIndex() < 0;
    addItem(text);
    // QComboBox selects the first entry added to an empty list; a list
    // filled by code has no selection until code or the user makes one.
    if (noneSelected) setCurrentIndex(-1);
}

namespace {

// A name is one line: pasted or typed control characters never get in. A
// line break or tab becomes a blank, anything else of the kind goes.
class OneLineText final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        // Each character stays, becomes a blank or goes: the cursor keeps
        // its place after what stays of the text before it.
        pos = static_cast<int>(modStrUtil::OneLine(input.left(pos)).size());
        input = modStrUtil::OneLine(input);
        return Acceptable;
    }
};

} // namespace

NameBox::NameBox(QWidget* parent, int maxLength) : QLineEdit(parent), m_maxLength(maxLength) {
    setMaxLength(maxLength > 0 ? maxLength : 32767);
    setValidator(new OneLineText(this));
}

void NameBox::SetSelStart(int start) {
    setCursorPosition(std::clamp(start, 0, static_cast<int>(text().size())));
}

void NameBox::SetSelLength(int length) {
    const int start = cursorPosition();
    const int end = std::min(start + std::max(length, 0), static_cast<int>(text().size()));
    if (end > start)
        setSelection(start, end - start);
    else
        deselect();
}

QTreeWidget* NewTable(QWidget* parent, const QStringList& headers, const QString& name) {
    auto* table = new QTreeWidget(parent);
    table->setHeaderLabels(headers);
    table->setRootIsDecorated(false);
    table->setAccessibleName(name);
    table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    spoken::SpeakRows(table);
    return table;
}

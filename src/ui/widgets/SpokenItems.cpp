#include "ui/widgets/SpokenItems.h"

#include "util/Words.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

namespace spoken {
namespace {

const char* const SourceName = "ondulix-spoken-items";

// A widget's items, as a child object the factory finds.
class ItemSource final : public QObject {
public:
    ItemSource(QWidget* parent, Items items) : QObject(parent), items(std::move(items)) {
        setObjectName(QString::fromLatin1(SourceName));
    }
    Items items;
};

class WidgetWithItems;

// One item: no object of its own, named by its owner's items.
class ItemInterface final : public QAccessibleInterface {
public:
    ItemInterface(WidgetWithItems* owner, int index) : m_owner(owner), m_index(index) {}
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    WidgetWithItems* m_owner; // owns this item, and unregisters it first
    int m_index;
};

class WidgetWithItems final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    WidgetWithItems(QWidget* widget, ItemSource* source)
        : QAccessibleWidget(widget, source->items.role), m_source(source) {}
    ~WidgetWithItems() override {
        for (const QAccessible::Id id : std::as_const(m_ids))
            QAccessible::deleteAccessibleInterface(id);
    }

    // An open list holds the keyboard for its box.
    bool HasFocus() const {
        const auto* box = qobject_cast<QComboBox*>(widget());
        return widget()->hasFocus() || (box && box->view()->isVisible());
    }
    // The items; nothing once the widget is being taken down.
    const Items* Source() const { return m_source ? &m_source->items : nullptr; }
    int Current() const {
        const Items* items = Source();
        return items && items->current ? items->current() : -1;
    }

    int childCount() const override { return Source() ? Source()->count() : 0; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (const auto id = m_ids.constFind(index); id != m_ids.cend())
            return QAccessible::accessibleInterface(*id);
        auto* item = new ItemInterface(const_cast<WidgetWithItems*>(this), index);
        m_ids.insert(index, QAccessible::registerAccessibleInterface(item));
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto id = m_ids.cbegin(); id != m_ids.cend(); ++id)
            if (QAccessible::accessibleInterface(id.value()) == child) return id.key();
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override {
        return HasFocus() ? child(Current()) : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && Source() && Source()->summary) return Source()->summary();
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface && Slider())
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return Slider()->value(); }
    void setCurrentValue(const QVariant& value) override { Slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return Slider()->maximum(); }
    QVariant minimumValue() const override { return Slider()->minimum(); }
    QVariant minimumStepSize() const override { return Slider()->singleStep(); }

private:
    QAbstractSlider* Slider() const { return qobject_cast<QAbstractSlider*>(widget()); }

    QPointer<ItemSource> m_source;
    mutable QHash<int, QAccessible::Id> m_ids;
};

bool ItemInterface::isValid() const {
    return m_owner->isValid() && m_index < m_owner->childCount();
}
QWindow* ItemInterface::window() const {
    return m_owner->window();
}
QAccessibleInterface* ItemInterface::parent() const {
    return m_owner;
}
QRect ItemInterface::rect() const {
    return m_owner->rect();
}

QString ItemInterface::text(QAccessible::Text t) const {
    const Items* items = m_owner->Source();
    if (!items || m_index >= items->count()) return {};
    if (t == QAccessible::Name && items->name) return items->name(m_index);
    return {};
}

QAccessible::State ItemInterface::state() const {
    QAccessible::State state;
    state.focusable = state.selectable = true;
    if (m_owner->Current() == m_index) {
        state.selected = true;
        state.focused = m_owner->HasFocus();
    }
    return state;
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    auto* source = widget ? widget->findChild<ItemSource*>(QString::fromLatin1(SourceName),
                                                           Qt::FindDirectChildrenOnly)
                          : nullptr;
    return source ? new WidgetWithItems(widget, source) : nullptr;
}

} // namespace

void GiveItems(QWidget* widget, Items items) {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    (void)installed;
    new ItemSource(widget, std::move(items));
    Renew(widget);
}

void Renew(QWidget* widget) {
    // Qt makes and keeps a widget's interface at its first change event (a
    // name set in a constructor), on or off: make it again.
    if (QAccessibleInterface* kept = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(kept));
}

void FocusItem(QWidget* widget, int index) {
    if (!QAccessible::isActive() || index < 0) return;
    QAccessibleEvent focus(widget, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
}

namespace {

// Qt leaves popups out of the tree a reader walks, so Orca drops the open
// list's own focus as from nowhere: its entry is said as the box's item,
// on opening and at each move.
class PopupSpeaker final : public QObject {
public:
    explicit PopupSpeaker(QComboBox* box) : QObject(box), m_box(box) {
        box->view()->installEventFilter(this);
        connect(box->view()->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& now) { Tell(now); });
    }
    bool eventFilter(QObject*, QEvent* event) override {
        // After the list takes the keyboard, and after Qt's own word on it.
        if (event->type() == QEvent::Show) {
            m_opened = m_box->currentIndex();
            QTimer::singleShot(0, this, [this] { Tell(m_box->view()->currentIndex()); });
        }
        // Back on the box with a new entry chosen, the reader is still on
        // that entry and says nothing: the box itself takes the focus (Esc
        // brings the box back by itself).
        if (event->type() == QEvent::Hide)
            QTimer::singleShot(0, this, [this] {
                if (QAccessible::isActive() && m_box->hasFocus() &&
                    m_box->currentIndex() != m_opened) {
                    QAccessibleEvent focus(m_box, QAccessible::Focus);
                    QAccessible::updateAccessibility(&focus);
                }
            });
        return false;
    }

private:
    void Tell(const QModelIndex& entry) {
        if (m_box->view()->isVisible()) FocusItem(m_box, entry.row());
    }
    QComboBox* m_box;
    int m_opened = -1;
};

} // namespace

void SpeakEntries(QComboBox* box) {
    new PopupSpeaker(box);
    GiveItems(box,
              {.role = QAccessible::ComboBox,
               .count = [box] { return box->count(); },
               .name =
                   [box](int i) {
                       // An entry may say more than it shows ("Ani, lahir 1 Mei 1970").
                       const QString said = box->itemData(i, Qt::AccessibleTextRole).toString();
                       return said.isEmpty() ? box->itemText(i) : said;
                   },
               .summary = [box] { return box->currentText(); },
               .current =
                   [box] {
                       const QAbstractItemView* open = box->view();
                       return open->isVisible() ? open->currentIndex().row() : box->currentIndex();
                   }});
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box](int index) {
        // An open list speaks for itself.
        if (box->hasFocus() && !box->view()->isVisible()) FocusItem(box, index);
    });
}

namespace {

void FocusRow(QAbstractItemView* view, const QModelIndex& index) {
    if (!QAccessible::isActive() || !index.isValid()) return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
    QAccessibleTableInterface* table = iface ? iface->tableInterface() : nullptr;
    if (QAccessibleInterface* cell = table ? table->cellAt(index.row(), 0) : nullptr) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

class RowSpeaker final : public QObject {
public:
    explicit RowSpeaker(QAbstractItemView* view) : QObject(view), m_view(view) {
        view->installEventFilter(this);
        // Filled with none current: the keyboard starts on the first row.
        connect(view->model(), &QAbstractItemModel::rowsInserted, this, [this] {
            if (!m_view->currentIndex().isValid())
                m_view->setCurrentIndex(m_view->model()->index(0, 0));
        });
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && m_view->model()->rowCount() > 0) {
            if (!m_view->currentIndex().isValid())
                m_view->setCurrentIndex(m_view->model()->index(0, 0));
            // After the view's own focus, or a reader takes that as the later word.
            QTimer::singleShot(0, this, [this] { FocusRow(m_view, m_view->currentIndex()); });
        }
        return false;
    }

private:
    QAbstractItemView* m_view;
};

} // namespace

void SpeakRows(QAbstractItemView* view) {
    new RowSpeaker(view);
    if (auto* tree = qobject_cast<QTreeWidget*>(view))
        QObject::connect(tree, &QTreeWidget::itemChanged, tree, [tree](QTreeWidgetItem* row) {
            const QSignalBlocker quiet(tree);
            TellTick(row);
        });
}

void TellTick(QTreeWidgetItem* row) {
    if (!(row->flags() & Qt::ItemIsUserCheckable)) return;
    row->setData(0, Qt::AccessibleTextRole,
                 row->text(0) + (row->checkState(0) == Qt::Checked
                                     ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", ", dipilih"))
                                     : words::Tr(QT_TRANSLATE_NOOP("Ondulix", ", tidak dipilih"))));
}

} // namespace spoken

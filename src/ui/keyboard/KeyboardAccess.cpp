#include "ui/keyboard/KeyboardAccess.h"

#include "ui/widgets/Controls.h"
#include "ui/widgets/OndulixStyle.h"
#include "ui/widgets/SpokenItems.h"
#include "ui/widgets/Words.h"
#include "util/Words.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>

KeyboardAccess::KeyboardAccess(Controls controls,
                               std::function<void(const std::function<void()>&)> guard)
    : QObject(controls.window), w(std::move(controls)), m_guard(std::move(guard)) {
    NameControls();
    OrderTabs();
    GiveMnemonics();
    for (QWidget* b : std::initializer_list<QWidget*>{w.cmdsave, w.cmdGoToToday, w.cmdDraw,
                                                      w.cmdExit, w.optBirthdate, w.optBirthday})
        b->installEventFilter(this);
    w.txtFriend->installEventFilter(this);
    // Enter in the name box is the save button, once the name is as leaving
    // the box would leave it; a name that changed the button's meaning on the
    // way saves nothing, as a click would not.
    connect(w.txtFriend, &QLineEdit::returnPressed, this, [this] {
        m_guard([this] {
            const QString caption = w.cmdsave->text();
            w.txtFriend_LostFocus();
            if (w.cmdsave->text() == caption) w.cmdsave->click();
        });
    });
    Covered();
}

void KeyboardAccess::NameControls() {
    const std::pair<QWidget*, const char*> names[] = {
        {w.optBirthday, QT_TRANSLATE_NOOP("Ondulix", "Lihat teman")},
        {w.cboBDmonth, QT_TRANSLATE_NOOP("Ondulix", "Tanggal lahir: bulan")},
        {w.cboBDday, QT_TRANSLATE_NOOP("Ondulix", "Tanggal lahir: hari")},
        {w.cboBDyear, QT_TRANSLATE_NOOP("Ondulix", "Tanggal lahir: tahun")},
        {w.cboFriend, QT_TRANSLATE_NOOP("Ondulix", "Daftar teman")},
        {w.txtFriend, QT_TRANSLATE_NOOP("Ondulix", "Nama teman")},
        {w.cboDDmonth, QT_TRANSLATE_NOOP("Ondulix", "Set tanggal: bulan")},
        {w.cboDDday, QT_TRANSLATE_NOOP("Ondulix", "Set tanggal: hari")},
        {w.cboDDyear, QT_TRANSLATE_NOOP("Ondulix", "Set tanggal: tahun")},
        {w.sldMoonPhase, QT_TRANSLATE_NOOP("Ondulix", "Hari gambar bulan")},
        {w.picMoon, QT_TRANSLATE_NOOP("Ondulix", "Gambar bulan")},
        {w.lblReadout, QT_TRANSLATE_NOOP("Ondulix", "Nilai hari")},
    };
    // On Linux a picker's accessible name is its current entry; what it is
    // for goes in its description. No label names one: a reader would say
    // the label instead of the entry.
    for (const auto& [widget, name] : names)
        words::Keep(widget, name, [widget](const QString& said) {
            widget->setAccessibleName(said);
            if (dynamic_cast<ComboPicker*>(widget)) widget->setAccessibleDescription(said);
        });
    for (ComboPicker* picker : {w.cboBDmonth, w.cboBDday, w.cboBDyear, w.cboFriend, w.cboDDmonth,
                                w.cboDDday, w.cboDDyear})
        spoken::SpeakEntries(picker);
    w.lblEnterFriend->setBuddy(w.txtFriend);
    // The moon slider's positions are days: a reader hears each one's date
    // and phase, not its number; the day it is on with its name.
    QSlider* slider = w.sldMoonPhase;
    spoken::GiveItems(slider, {.role = QAccessible::Slider,
                               .count = [slider] { return slider->maximum() + 1; },
                               .name = w.moonDay,
                               .summary =
                                   [slider, day = w.moonDay] {
                                       return slider->accessibleName() + QStringLiteral(": ") +
                                              day(slider->value());
                                   },
                               .current = [slider] { return slider->value(); }});
    connect(slider, &QSlider::valueChanged, this, [slider](int day) {
        if (slider->hasFocus()) spoken::FocusItem(slider, day);
    });
}

void KeyboardAccess::OrderTabs() {
    // Birth date, friends, name box, display date, Set, Today, the cycle
    // boxes top to bottom, centring, chart, slider, Tutup.
    const QWidget* const chain[] = {
        w.optBirthdate,       w.cboBDmonth,
        w.cboBDday,           w.cboBDyear,
        w.optBirthday,        w.cboFriend,
        w.txtFriend,          w.cmdsave,
        w.cboDDmonth,         w.cboDDday,
        w.cboDDyear,          w.cmdDraw,
        w.cmdGoToToday,       w.chkOndulixChart[2],
        w.chkOndulixChart[1], w.chkOndulixChart[3],
        w.chkOndulixChart[4], w.chkOndulixChart[5],
        w.chkOndulixChart[6], w.chkOndulixChart[7],
        w.chkCenter,          w.cursor,
        w.sldMoonPhase,       w.cmdExit,
    };
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(chain[i]), const_cast<QWidget*>(chain[i + 1]));
    // The two option buttons are one group: Tab reaches the selected one,
    // the arrow keys move between them, as in any group of option buttons.
    for (QRadioButton* option : {w.optBirthdate, w.optBirthday}) {
        auto stop = [option](bool on) {
            option->setFocusPolicy(on ? Qt::StrongFocus
                                      : Qt::FocusPolicy(Qt::StrongFocus & ~Qt::TabFocus));
        };
        stop(option->isChecked());
        connect(option, &QRadioButton::toggled, this, stop);
    }
}

std::vector<std::pair<QAbstractButton*, Qt::Key>> KeyboardAccess::Mnemonics() const {
    // As designed; in another language a caption without its letter takes
    // its first letter no menu and no earlier control has.
    std::vector<std::pair<QAbstractButton*, Qt::Key>> keys = Designed();
    const auto keeps = [this](const QAbstractButton* button, Qt::Key key) {
        // The save button's caption changes with what it does; its Alt+A stays.
        const QString caption = button->text().toUpper();
        return button == w.cmdsave || caption.isEmpty() || caption.contains(QChar(key));
    };
    QString used = QStringLiteral("O");
    for (const QAction* menu : w.window->menuBar()->actions())
        used += QKeySequence::mnemonic(menu->text()).toString().right(1);
    for (const auto& [button, key] : keys)
        if (keeps(button, key)) used += QChar(key);
    for (auto& [button, key] : keys) {
        if (keeps(button, key)) continue;
        const QString caption = button->text().toUpper();
        const auto free = std::find_if(caption.begin(), caption.end(), [&](QChar c) {
            return c >= u'A' && c <= u'Z' && !used.contains(c);
        });
        key = free == caption.end() ? Qt::Key(0) : Qt::Key(free->unicode()); // 0: none left
        used += QChar(key);
    }
    return keys;
}

std::vector<std::pair<QAbstractButton*, Qt::Key>> KeyboardAccess::Designed() const {
    // The letter is the caption's first free one.
    return {
        {w.chkOndulixChart[1], Qt::Key_F},
        {w.chkOndulixChart[2], Qt::Key_E},
        {w.chkOndulixChart[3], Qt::Key_I},
        {w.chkOndulixChart[4], Qt::Key_U},
        {w.chkOndulixChart[5], Qt::Key_P},
        {w.chkOndulixChart[6], Qt::Key_W},
        {w.chkOndulixChart[7], Qt::Key_M},
        {w.chkCenter, Qt::Key_J},
        {w.optBirthdate, Qt::Key_L},
        {w.optBirthday, Qt::Key_V},
        {w.cmdsave, Qt::Key_A},
        {w.cmdGoToToday, Qt::Key_H},
        {w.cmdDraw, Qt::Key_S},
        {w.cmdExit, Qt::Key_T},
    };
}

void KeyboardAccess::MarkLetters() {
    // Controls with a caption are named by it, in the language in use.
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             w.chkCenter, w.optBirthdate, w.cmdGoToToday, w.cmdDraw, w.cmdExit})
        b->setAccessibleName(b->text());
    for (int k = 1; k <= 7; ++k)
        w.chkOndulixChart[k]->setAccessibleName(w.chkOndulixChart[k]->text());
    // Alt+letter without touching the captions; the style underlines the
    // letter. The menus keep theirs: Alt+B opens "Berkas".
    for (const auto& [button, key] : Mnemonics()) {
        button->setShortcut(key ? QKeySequence(Qt::ALT | key) : QKeySequence());
        OndulixStyle::SetMnemonic(button, QChar(key).toLower());
    }
}

void KeyboardAccess::GiveMnemonics() {
    MarkLetters();
    // A new caption takes a button's own shortcut with it: the letters again
    // once every caption is in the new language.
    w.window->installEventFilter(this);
    // The save button's caption changes, and a new caption resets a button's
    // own shortcut; its Alt+A lives beside it.
    auto* save = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_A), w.window);
    connect(save, &QShortcut::activated, this, [this] {
        if (w.cmdsave->isVisible() && w.cmdsave->isEnabled()) w.cmdsave->animateClick();
    });
    // "Ondulix" keeps its caption: Alt+O opens it all the same.
    QAction* program = w.window->menuBar()->actions().value(0);
    OndulixStyle::SetMnemonic(w.window->menuBar(), u'o', program->text());
    auto* open = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_O), w.window);
    connect(open, &QShortcut::activated, this,
            [this, program] { w.window->menuBar()->setActiveAction(program); });
}

QList<std::pair<QString, QString>> KeyboardAccess::ShortcutTable() const {
    const auto text = [](const QKeySequence& keys) {
        return keys.toString(QKeySequence::NativeText);
    };
    const auto plain = [](QString caption) { return caption.remove(u'&').trimmed(); };
    QList<std::pair<QString, QString>> table;
    const QAction* program = w.window->menuBar()->actions().value(0); // its Alt+O is ours
    for (QAction* menu : w.window->menuBar()->actions()) {
        const QKeySequence mnemonic = menu == program ? QKeySequence(Qt::ALT | Qt::Key_O)
                                                      : QKeySequence::mnemonic(menu->text());
        table.append({text(mnemonic),
                      words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Menu ")) + plain(menu->text())});
        if (menu->menu())
            for (QAction* item : menu->menu()->actions())
                if (!item->shortcut().isEmpty())
                    table.append({text(item->shortcut()), plain(menu->text()) +
                                                              QStringLiteral(" \u203A ") +
                                                              plain(item->iconText())});
    }
    for (const auto& [button, key] : Mnemonics())
        table.append({text(QKeySequence(Qt::ALT | key)),
                      button == w.cmdsave
                          ? words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Simpan atau hapus teman"))
                      : button->text().isEmpty() ? button->accessibleName()
                                                 : plain(button->text())});
    table.append({text(QKeySequence(Qt::Key_Return)),
                  words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Kotak nama: simpan nama itu"))});
    table.append(w.cursorKeys);
    return table;
}

void KeyboardAccess::Covered() {
    // In entry mode the name box lies over the friends picker.
    const bool covered = w.txtFriend->isVisibleTo(w.window);
    w.cboFriend->setFocusPolicy(covered ? Qt::NoFocus : Qt::StrongFocus);
    // Straight to the box, never through no focus at all: a reader keeps
    // quiet about a focus that comes back from nowhere.
    if (covered && w.cboFriend->hasFocus()) w.txtFriend->setFocus(Qt::OtherFocusReason);
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event) {
    // Alt+letter on an option button: selected first, then the focus, so a
    // reader hears it selected. Selecting may send the focus on (Tanggal
    // Lahir to the name box): it stays there.
    if (event->type() == QEvent::Shortcut &&
        (watched == w.optBirthdate || watched == w.optBirthday)) {
        auto* option = static_cast<QRadioButton*>(watched);
        option->click();
        if (!w.txtFriend->isVisible()) option->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if (watched == w.window && event->type() == QEvent::LanguageChange) MarkLetters();
    if (watched == w.txtFriend &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        Covered();
    if (event->type() == QEvent::KeyPress) {
        auto* button = qobject_cast<QPushButton*>(watched);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click(); // as Space does
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

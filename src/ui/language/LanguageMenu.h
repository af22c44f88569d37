#pragma once

#include "settings/SettingsKeys.h"

#include <QObject>
#include <QTranslator>
#include <functional>

class QAction;
class QMainWindow;

// The "Bahasa/Language" menu: the original captions (partly Indonesian,
// partly English), all Indonesian, or all English. Choosing installs the
// translation at once; every window retranslates itself on the change.
class LanguageMenu final : public QObject {
public:
    // `chosen`: the user chose (save it, draw once).
    LanguageMenu(QMainWindow* window, std::function<void(settings::Language)> chosen);

    settings::Language Current() const { return m_current; }
    // Installs `language`'s translation, or none for the original; the
    // menu shows it. Nothing happens for the language already in use.
    void Apply(settings::Language language);

    QAction* mnuOriginal;
    QAction* mnuIndonesian;
    QAction* mnuEnglish;

private:
    settings::Language m_current = settings::Language::Original;
    QTranslator m_program; // the program's words
    QTranslator m_qt;      // Qt's own dialogs'
    std::function<void(settings::Language)> m_chosen;
};

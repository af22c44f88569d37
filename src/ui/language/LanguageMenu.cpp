#include "ui/language/LanguageMenu.h"

#include "util/Words.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

LanguageMenu::LanguageMenu(QMainWindow* window, std::function<void(settings::Language)> chosen)
    : QObject(window), m_chosen(std::move(chosen)) {
    // Both words, so anyone finds it, whatever the language shown; never translated.
    QMenu* menu = window->menuBar()->addMenu(QStringLiteral("Bahasa/Language"));
    auto* group = new QActionGroup(menu);
    const auto item = [&](const QString& caption, settings::Language language) {
        QAction* a = menu->addAction(caption);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, language] {
            if (language == m_current) return;
            Apply(language);
            m_chosen(language);
        });
        return a;
    };
    // Each named in its own words.
    mnuOriginal = item(QStringLiteral("Seperti aslinya"), settings::Language::Original);
    mnuIndonesian = item(QStringLiteral("Bahasa Indonesia"), settings::Language::Indonesian);
    mnuEnglish = item(QStringLiteral("English"), settings::Language::English);
    mnuOriginal->setChecked(true);
}

void LanguageMenu::Apply(settings::Language language) {
    using settings::Language;
    (language == Language::Indonesian ? mnuIndonesian
     : language == Language::English  ? mnuEnglish
                                      : mnuOriginal)
        ->setChecked(true);
    if (language == m_current) return;
    m_current = language;
    QCoreApplication::removeTranslator(&m_qt);
    // Qt ships its dialogs' words in English only: Indonesian ones are ours.
    if (language == Language::Indonesian && m_qt.load(QStringLiteral(":/i18n/qt_id.qm")))
        QCoreApplication::installTranslator(&m_qt);
    words::UseLanguage(language == Language::English      ? QStringLiteral("en")
                       : language == Language::Indonesian ? QStringLiteral("id")
                                                          : QString(),
                       m_program);
}

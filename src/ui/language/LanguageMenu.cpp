#include "ui/language/LanguageMenu.h"

#include "util/Calendar.h"
#include "util/Words.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
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
    const QLocale indonesian(QLocale::Indonesian, QLocale::Indonesia);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    if (language == Language::Indonesian)
        cal::ShowDatesIn(indonesian);
    else
        cal::ShowDatesAsDesigned();
    words::UseLocale(language == Language::English ? english : indonesian);
    QCoreApplication::removeTranslator(&m_program);
    QCoreApplication::removeTranslator(&m_qt);
    if (language == Language::Original) return; // removing sent the change already
    const QString code =
        language == Language::English ? QStringLiteral("en") : QStringLiteral("id");
    // Qt ships its dialogs' words in English only: Indonesian ones are ours.
    if (language == Language::Indonesian && m_qt.load(QStringLiteral(":/i18n/qt_id.qm")))
        QCoreApplication::installTranslator(&m_qt);
    if (m_program.load(QStringLiteral(":/i18n/ondulix_") + code + QStringLiteral(".qm")))
        QCoreApplication::installTranslator(&m_program);
}

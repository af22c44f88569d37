#include "ui/widgets/SettingsSaves.h"

#include "ui/widgets/MessageBoxes.h"
#include "util/Words.h"

#include <QDir>
#include <QtGlobal>

void SettingsSaves::Tell(const QString& reason) {
    m_messages->MsgBox(m_parent, m_store.SaveFailedMessage(reason),
                       MessageBoxes::OkOnly | MessageBoxes::Exclamation, AppTitle);
}

// A file that is not written this session was told of once, at the start;
// closing offers to save elsewhere.
void SettingsSaves::SavePersonal(const people::FriendList& friends) {
    if (const QString error = m_store.SavePersonal(friends);
        !error.isEmpty() && m_store.Blocked().isEmpty())
        Tell(error);
}

void SettingsSaves::SaveOptions(const settings::Options& options) {
    const QString error = m_store.SaveOptions(options);
    if (error.isEmpty() || m_toldOptionsFailure || !m_store.Blocked().isEmpty()) return;
    m_toldOptionsFailure = true;
    Tell(error);
}

void SettingsSaves::SaveLanguage(settings::Language language) {
    if (const QString error = m_store.SaveLanguage(language);
        !error.isEmpty() && m_store.Blocked().isEmpty())
        Tell(error);
}

bool SettingsSaves::SaveOnClosing(const people::FriendList& friends,
                                  const settings::Options& options, bool quietly) {
    QString error = m_store.SavePersonal(friends);
    if (error.isEmpty()) error = m_store.SaveOptions(options);
    while (!error.isEmpty()) {
        if (quietly) {
            qWarning("Ondulix: %s", qPrintable(m_store.CloseFailedMessage(error)));
            return true;
        }
        const bool blocked = !m_store.Blocked().isEmpty();
        const int answer = m_messages->MsgBox(
            m_parent, m_store.CloseFailedMessage(error),
            (blocked ? MessageBoxes::SaveElsewhereCloseCancel : MessageBoxes::RetryCloseCancel) |
                MessageBoxes::Exclamation,
            AppTitle);
        if (answer == MessageBoxes::SaveElsewhere) {
            const QString path = m_messages->AskSavePath(m_parent, AppTitle, m_store.Path());
            if (path.isEmpty()) continue; // cancelled: ask again
            const QString elsewhere = m_store.SaveAllTo(path, friends, options);
            if (elsewhere.isEmpty()) return true;
            error = words::Tr(QT_TRANSLATE_NOOP("Ondulix", "%1 could not be written either (%2)"))
                        .arg(QDir::toNativeSeparators(path), elsewhere);
            continue;
        }
        if (answer != MessageBoxes::Retry) return answer != MessageBoxes::Cancel;
        error = m_store.SavePersonal(friends);
        if (error.isEmpty()) error = m_store.SaveOptions(options);
    }
    return true;
}

#pragma once

#include "util/Words.h"

#include <QString>
#include <functional>

class QObject;

// The program's words in the language chosen. A word is marked where it is
// written, with QT_TRANSLATE_NOOP("Ondulix", "...") for a caption kept by
// Keep, or read at once with Tr; the translations live in translations/.
namespace words {

// Sets `set(Tr(source))` now and again at each change of language, while
// `owner` lives.
void Keep(QObject* owner, const char* source, std::function<void(const QString&)> set);

} // namespace words

namespace words {

// A widget's or action's text kept in the language in use.
template <class T>
void KeepText(T* target, const char* source) {
    Keep(target, source, [target](const QString& text) { target->setText(text); });
}
template <class T>
void KeepToolTip(T* target, const char* source) {
    Keep(target, source, [target](const QString& text) { target->setToolTip(text); });
}

} // namespace words

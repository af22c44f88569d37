#include "ui/widgets/Words.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <vector>

namespace words {
namespace {

// Every kept caption; an application-wide filter hears the change of language.
class Keeper final : public QObject {
public:
    struct Kept {
        QPointer<QObject> owner;
        const char* source;
        std::function<void(const QString&)> set;
    };
    Keeper() { QCoreApplication::instance()->installEventFilter(this); }
    void Add(Kept kept) {
        kept.set(Tr(kept.source));
        m_kept.push_back(std::move(kept));
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange) {
            std::erase_if(m_kept, [](const Kept& k) { return k.owner.isNull(); });
            for (const Kept& k : m_kept)
                k.set(Tr(k.source));
        }
        return false;
    }

private:
    std::vector<Kept> m_kept;
};

} // namespace

void Keep(QObject* owner, const char* source, std::function<void(const QString&)> set) {
    static Keeper* keeper = new Keeper; // lives with the application, as its filter
    keeper->Add({owner, source, std::move(set)});
}

} // namespace words

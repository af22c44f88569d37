#include "ui/widgets/Notice.h"

#include "ui/widgets/SpokenItems.h"

#include <QAccessibleWidget>
#include <QShortcut>
#include <QTimer>

namespace {

// A notification to screen readers: Orca speaks one as it shows (Qt 6.4 has
// no live regions).
QAccessibleInterface* Accessible(const QString&, QObject* object) {
    auto* notice = dynamic_cast<Notice*>(object);
    return notice ? new QAccessibleWidget(notice, QAccessible::Notification) : nullptr;
}

} // namespace

Notice::Notice(QWidget* parent) : QLabel(parent), m_timer(new QTimer(this)) {
    static const bool installed = (QAccessible::installFactory(Accessible), true);
    (void)installed;
    spoken::Renew(this);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // White on the window's black; the link in yellow, 19:1.
    setStyleSheet(QStringLiteral("QLabel { color: white; background: black; }"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &Notice::Dismiss);
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), parent->window(), [this] { Dismiss(); });
    m_escape->setEnabled(false);
    connect(this, &QLabel::linkActivated, this, [this] {
        const auto act = m_onLink; // it may say something new
        if (act) act();
    });
    hide();
}

void Notice::Say(const QString& text, const QString& link, std::function<void()> onLink,
                 int forMs) {
    m_said = text;
    m_onLink = std::move(onLink);
    setText(text.toHtmlEscaped() +
            (link.isEmpty()
                 ? QString()
                 : QStringLiteral(" &nbsp;<a href=\"act\" style=\"color:#ffe600\">%1</a>")
                       .arg(link.toHtmlEscaped())));
    setAccessibleName(text);
    hide(); // shown anew: each notice is heard, even the same words twice
    show();
    raise();
    if (forMs > 0)
        m_timer->start(forMs);
    else
        m_timer->stop();
    m_escape->setEnabled(forMs <= 0);
}

void Notice::Dismiss() {
    m_timer->stop();
    m_escape->setEnabled(false);
    m_said.clear();
    m_onLink = nullptr;
    hide();
}

#include "ui/window/Notice.h"

#include <QTimer>

Notice::Notice(QWidget* parent) : QLabel(parent), m_timer(new QTimer(this)) {
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // White on the window's black; the link in yellow, 19:1.
    setStyleSheet(QStringLiteral("QLabel { color: white; background: black; }"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &Notice::Dismiss);
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
    show();
    raise();
    if (forMs > 0)
        m_timer->start(forMs);
    else
        m_timer->stop();
}

void Notice::Dismiss() {
    m_timer->stop();
    m_said.clear();
    m_onLink = nullptr;
    hide();
}

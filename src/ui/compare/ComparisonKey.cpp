#include "ui/compare/ComparisonKey.h"

#include "chart/ChartReadout.h"
#include "chart/ChartState.h"
#include "util/Words.h"

ComparisonKey::ComparisonKey(QWidget* parent, const chart::ChartState& state)
    : QLabel(parent), m_state(state) {
    setTextFormat(Qt::PlainText);
    setAccessibleName(words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Kunci grafik")));
    hide();
    connect(&state, &chart::ChartState::Changed, this, &ComparisonKey::Follow);
    connect(&state, &chart::ChartState::Renamed, this, &ComparisonKey::Follow);
}

void ComparisonKey::Follow() {
    const chart::ChartOptions& options = m_state.Options();
    setVisible(options.compare.isValid() && m_state.Span());
    if (isHidden()) return;
    const QString solid = chart::FirstKeyName(options), dashed = chart::SecondKeyName(options);
    const auto key = [](const QString& a, const QString& b) {
        return QStringLiteral("\u2501\u2501 %1    \u254D\u254D %2").arg(a, b);
    };
    QString text = key(solid, dashed);
    if (fontMetrics().horizontalAdvance(text) > width()) // the names alone
        text = key(chart::FirstPersonName(options), chart::SecondPersonName(options));
    setText(fontMetrics().elidedText(text, Qt::ElideRight, width()));
    setAccessibleDescription(
        words::Tr(QT_TRANSLATE_NOOP("Ondulix", "Garis penuh: %1. Garis putus-putus: %2."))
            .arg(solid, dashed));
}

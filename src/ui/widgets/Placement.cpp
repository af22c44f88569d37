#include "ui/widgets/Placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {

constexpr int Gap = 8;

QPoint OnScreen(QPoint at, const QSize& size, const QRect& screen) {
    return {std::clamp(at.x(), screen.left(),
                       std::max(screen.left(), screen.right() + 1 - size.width())),
            std::clamp(at.y(), screen.top(),
                       std::max(screen.top(), screen.bottom() + 1 - size.height()))};
}

} // namespace

QPoint BesidePosition(const QRect& main, const QSize& size, const QRect& screen,
                      const QRect& keep) {
    // Right, left, below, above; then the screen's corners. Each moved onto the screen.
    const QPoint wanted[] = {{main.right() + 1 + Gap, main.top()},
                             {main.left() - Gap - size.width(), main.top()},
                             {main.left(), main.bottom() + 1 + Gap},
                             {main.left(), main.top() - Gap - size.height()},
                             screen.topRight() - QPoint(size.width() - 1, 0),
                             screen.bottomRight() - QPoint(size.width() - 1, size.height() - 1),
                             screen.topLeft(),
                             screen.bottomLeft() - QPoint(0, size.height() - 1)};
    std::vector<QPoint> places;
    for (const QPoint& at : wanted)
        places.push_back(OnScreen(at, size, screen));
    for (int side = 0; side < 4; ++side)
        if (screen.contains(QRect(places[side], size)) &&
            !QRect(places[side], size).intersects(main))
            return places[side];
    // No side has room: the place that hides least of what matters, the first of equals.
    const auto covered = [&](QPoint at) {
        const QRect over = QRect(at, size).intersected(keep);
        return over.isEmpty() ? 0LL : qint64(over.width()) * over.height();
    };
    return *std::min_element(places.begin(), places.end(),
                             [&](QPoint a, QPoint b) { return covered(a) < covered(b); });
}
void PlaceBeside(QWidget* window, const QWidget* main) {
    const QWidget* keep = main->findChild<QWidget*>(QStringLiteral("chart"));
    if (!keep) keep = main;
    const QScreen* screen = main->screen();
    if (!screen || !main->isVisible()) return; // where the system puts it
    // The new window's frame is not known before it shows: the main one's borders.
    const QRect frame = main->frameGeometry();
    const QSize size = window->size() + frame.size() - main->size();
    const QRect chart(keep->mapToGlobal(QPoint(0, 0)), keep->size());
    window->move(BesidePosition(frame, size, screen->availableGeometry(), chart));
}

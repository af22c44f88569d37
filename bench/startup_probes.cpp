// Two programs for the start-up benchmark, each ending as soon as its first
// picture is on screen: the real Ondulix window with its first chart, and a
// bare Qt window of the same size.
#include "ui/chartview/FormCanvas.h"
#include "ui/window/App.h"
#include "ui/window/frmOndulix.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

// Quits once `widget` has painted while `ready` holds.
class QuitAfterPaint final : public QObject {
public:
    QuitAfterPaint(QWidget* widget, std::function<bool()> ready)
        : m_widget(widget), m_ready(std::move(ready)) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_widget && event->type() == QEvent::Paint && m_ready())
            QTimer::singleShot(0, qApp, [] { QApplication::quit(); });
        return false;
    }

private:
    QWidget* m_widget;
    std::function<bool()> m_ready;
};

class BareWindow final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        QApplication app(argc, argv);
        BareWindow window;
        window.setFixedSize(710, 482);
        QuitAfterPaint quit(&window, [] { return true; });
        window.show();
        return QApplication::exec();
    }
    std::unique_ptr<QuitAfterPaint> quit;
    return ondulix::RunOndulix(argc, argv, [&quit](frmOndulix& window) {
        quit = std::make_unique<QuitAfterPaint>(window.canvas,
                                                [&window] { return window.DrawRuns() > 0; });
    });
}

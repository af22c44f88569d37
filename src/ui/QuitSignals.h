#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C in a terminal) end the
// program the way its Close button does. The handler only writes the signal's
// number to a socket; the event loop reads it and calls `onSignal`.
class QuitSignals final : public QObject {
public:
    explicit QuitSignals(std::function<void(int)> onSignal);
    ~QuitSignals() override; // the default handlers again

private:
    std::function<void(int)> m_onSignal;
    QSocketNotifier* m_notifier = nullptr;
};

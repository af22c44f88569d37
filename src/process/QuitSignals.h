#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C in a terminal) end the
// program at every moment.
//
// Until DeliverToEventLoop(), nothing is open that needs saving, and a signal
// ends the program at once, even inside a message box or a blocking wait.
// From then on it ends the way the Close button does: the handler only writes
// the signal's number to a socket; the event loop reads it and calls
// `onSignal`.
class QuitSignals final : public QObject {
public:
    explicit QuitSignals(std::function<void(int)> onSignal);
    ~QuitSignals() override; // the default handlers again

    void DeliverToEventLoop();

private:
    std::function<void(int)> m_onSignal;
    QSocketNotifier* m_notifier = nullptr;
};

// Turns SIGTERM, SIGINT and SIGHUP (a session ending, Ctrl+C in the
// terminal) into an orderly close on the event loop, so the main window
// unloads as it does by its close box and nothing it wrote is left behind.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace presenter {

class TerminationSignals : public QObject {
public:
    // Calls onSignal on the event loop after one of the signals arrives.
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void Drain();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace presenter

#include "presenter/Application.h"

#include <QApplication>
#include <QEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "host/Form.h"
#include "presenter/FormWindow.h"
#include "presenter/ProcessUsage.h"
#include "presenter/QtPresenter.h"
#include "presenter/TerminationSignals.h"

namespace presenter {
namespace {

std::int64_t MonotonicNanoseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The earliest moment the program's own code can take: when this file's
// statics are set up, before main() (the loader's work comes before it).
const std::int64_t processStart = MonotonicNanoseconds();

// Watches the main window for its first paint.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(const Application& options) : options_(options) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || done_) return false;
        done_ = true;
        // Let the paint finish first, then report.
        auto* window = static_cast<QWidget*>(watched);
        QMetaObject::invokeMethod(
            this, [this, window] { Report(window, MonotonicNanoseconds()); }, Qt::QueuedConnection);
        return false;
    }

private:
    void Report(QWidget* window, std::int64_t paintedAt) {
        if (options_.reportFirstPaint) {
            // The moment itself too, so a launcher can count from its fork.
            std::printf(
                "first paint after %.1f ms, at %.6f s on the monotonic clock, %.1f ms of CPU, peak resident "
                "%ld KiB\n",
                double(paintedAt - processStart) / 1e6, double(paintedAt) / 1e9, CpuMilliseconds(),
                PeakResidentKiB());
            std::fflush(stdout);
        }
        if (!options_.screenshotPath.empty()) {
            window->grab().save(QString::fromUtf8(options_.screenshotPath), "PNG");
        }
        QCoreApplication::quit();
    }

    const Application& options_;
    bool done_ = false;
};

}  // namespace

struct Application::Impl {
    std::unique_ptr<QApplication> qt;
    std::unique_ptr<QtPresenter> presenter;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
    const char* probe = std::getenv("CORVALMIRE_FIRST_PAINT");
    reportFirstPaint = probe && *probe && std::strcmp(probe, "0") != 0;
    impl_->qt = std::make_unique<QApplication>(argc, argv);
    impl_->presenter = std::make_unique<QtPresenter>();
}

Application::~Application() {
    impl_->presenter.reset();
    impl_->qt.reset();
}

int Application::Run(host::Form& mainForm, std::function<void()> started) {
    if (!desktopEntry.empty()) QGuiApplication::setDesktopFileName(QString::fromUtf8(desktopEntry));
    mainForm.Unloaded.Connect([] { QCoreApplication::quit(); });
    // Asked to end by the session or the terminal: close as the close box does.
    TerminationSignals termination([&mainForm] { mainForm.Unload(host::UnloadMode::AppWindows); });
    FirstPaintProbe probe(*this);
    mainForm.Show();
    if (!mainForm.Shown()) return 0;
    if (reportFirstPaint || !screenshotPath.empty()) {
        if (FormWindow* window = impl_->presenter->WindowOf(mainForm)) window->installEventFilter(&probe);
    }
    if (started) QMetaObject::invokeMethod(qApp, std::move(started), Qt::QueuedConnection);
    return QApplication::exec();
}

}  // namespace presenter

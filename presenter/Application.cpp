#include "presenter/Application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "host/Form.h"
#include "presenter/FormWindow.h"
#include "presenter/QtPresenter.h"
#include "presenter/TerminationSignals.h"

namespace presenter {
namespace {

// Watches the main window for its first paint.
class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe(const QElapsedTimer& sinceStart, const Application& options)
        : sinceStart_(sinceStart), options_(options) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || done_) return false;
        done_ = true;
        const double ms = sinceStart_.nsecsElapsed() / 1e6;
        // Let the paint finish first, then report.
        auto* window = static_cast<QWidget*>(watched);
        QMetaObject::invokeMethod(
            this, [this, window, ms] { Report(window, ms); }, Qt::QueuedConnection);
        return false;
    }

private:
    void Report(QWidget* window, double ms) {
        if (options_.reportFirstPaint) {
            std::printf("first paint after %.1f ms\n", ms);
            std::fflush(stdout);
        }
        if (!options_.screenshotPath.empty()) {
            window->grab().save(QString::fromUtf8(options_.screenshotPath), "PNG");
        }
        QCoreApplication::quit();
    }

    const QElapsedTimer& sinceStart_;
    const Application& options_;
    bool done_ = false;
};

}  // namespace

struct Application::Impl {
    QElapsedTimer sinceStart;
    std::unique_ptr<QApplication> qt;
    std::unique_ptr<QtPresenter> presenter;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
    impl_->sinceStart.start();
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
    FirstPaintProbe probe(impl_->sinceStart, *this);
    mainForm.Show();
    if (!mainForm.Shown()) return 0;
    if (reportFirstPaint || !screenshotPath.empty()) {
        if (FormWindow* window = impl_->presenter->WindowOf(mainForm)) window->installEventFilter(&probe);
    }
    if (started) QMetaObject::invokeMethod(qApp, std::move(started), Qt::QueuedConnection);
    return QApplication::exec();
}

}  // namespace presenter

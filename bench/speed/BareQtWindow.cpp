// The start-up anchor: a plain Qt Widgets window with the same widgets as
// the program's main window (labels, three line edits, the output box, three
// buttons), Qt's own fonts and no icons. Prints when its first frame is
// painted, on the monotonic clock, and its peak resident size, and quits.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <cstdio>
#include <ctime>

#include "presenter/ProcessUsage.h"

namespace {

double MonotonicSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint || done_) return false;
        done_ = true;
        QMetaObject::invokeMethod(
            this,
            [] {
                std::printf(
                    "first paint at %.6f s on the monotonic clock, %.1f ms of CPU, peak resident %ld KiB\n",
                    MonotonicSeconds(), presenter::CpuMilliseconds(), presenter::PeakResidentKiB());
                std::fflush(stdout);
                QCoreApplication::quit();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    bool done_ = false;
};

// Twips, as the form description gives them, to pixels.
QRect Twips(int x, int y, int w, int h) { return QRect(x / 15, y / 15, w / 15, h / 15); }

template <typename W>
W* Place(W* widget, const QRect& where) {
    widget->setGeometry(where);
    return widget;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Corvalmire (MADE::BY::SKARNHOLT)");
    window.resize(5595 / 15, 2625 / 15);
    Place(new QLabel("File Sorgente  (NRG):", &window), Twips(270, 240, 1845, 195));
    Place(new QLineEdit(&window), Twips(165, 465, 3585, 285));
    Place(new QPushButton("Apri", &window), Twips(3900, 495, 1605, 405));
    Place(new QLabel("File di Destinazione (ISO)", &window), Twips(255, 765, 2190, 195));
    Place(new QLineEdit(&window), Twips(150, 975, 3585, 285));
    Place(new QPushButton("Converti", &window), Twips(3915, 945, 1590, 405));
    auto* outputs = Place(new QPlainTextEdit(&window), Twips(165, 1425, 5370, 630));
    QPalette black = outputs->palette();
    black.setColor(QPalette::Base, Qt::black);
    black.setColor(QPalette::Text, Qt::white);
    outputs->setPalette(black);
    Place(new QPushButton("Esci", &window), Twips(3915, 2130, 1560, 405));
    Place(new QLabel("(c) 2026 MADE::BY::SKARNHOLT", &window), Twips(2355, 150, 3105, 195));
    Place(new QLabel("(c) 2026 MADE::BY::SKARNHOLT", &window), Twips(2370, 165, 3105, 195));
    Place(new QLineEdit(&window), Twips(75, 3600, 7080, 285));
    Place(new QLabel("https://corvalmire.example.org", &window), Twips(90, 3960, 2430, 180));
    Place(new QLabel("skarnholt@example.org", &window), Twips(3210, 3960, 2205, 180));
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}

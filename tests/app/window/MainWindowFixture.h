// The main window on Qt's offscreen platform, driven through its real
// widgets, with scripted file dialogs, recorded message boxes and the real
// converter: the fixture the window tests share.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "NrgFixture.h"
#include "app/frmDOSOutput.h"
#include "host/MsgBox.h"
#include "platform/comdlg/FileDialogProvider.h"
#include "presenter/FormWindow.h"
#include "presenter/QtPresenter.h"

namespace window_test {

namespace fs = std::filesystem;

class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "app_main_window_test";
        static char* argv[] = {name, nullptr};
        // Never destroyed: at exit Qt's own globals (among them the input
        // devices QTest's events use) are already gone.
        static QApplication* qt = new QApplication(argc, argv);
        (void)qt;
        static presenter::QtPresenter presenter;
        presenter_ = &presenter;
    }

    void SetUp() override {
        previousFolder_ = fs::current_path();
        fs::current_path(work_.path());
    }

    void TearDown() override {
        window_.reset();
        QCoreApplication::processEvents();  // windows go with deleteLater
        // Outside any event loop a deferred delete waits for one; carry it
        // out now, so no window outlives the test (and the application).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        fs::current_path(previousFolder_);
    }

    void Open() {
        window_ = std::make_unique<app::frmDOSOutput>();
        window_->Show();
        QCoreApplication::processEvents();
    }

    presenter::FormWindow* Window() const { return presenter_->WindowOf(window_->Form()); }
    template <typename T>
    T* Widget(const char* objectName) const {
        return Window() ? Window()->findChild<T*>(objectName) : nullptr;
    }
    // With the pointer, as a user does: it moves onto the button, then clicks.
    void Click(const char* button) const {
        QWidget* widget = Widget<QWidget>(button);
        ASSERT_NE(widget, nullptr) << button;
        const QPoint centre = widget->rect().center();
        QTest::mouseMove(widget, centre);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, centre);
    }
    fs::path MakeImage(const fs::path& nrg) const {
        const fs::path iso = work_.path() / "original.iso";
        fixture::MakeNrg(iso, nrg);
        return iso;
    }
    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const auto& box : boxes_.boxes) {
            EXPECT_EQ(box.title, "Corvalmire");
            EXPECT_EQ(box.buttons, host::vbOKOnly);
            prompts.push_back(box.prompt);
        }
        return prompts;
    }

    static inline presenter::QtPresenter* presenter_ = nullptr;
    fixture::TempFolder work_{"corvalmire-window"};
    fs::path previousFolder_;
    host::RecordedMessageBoxes boxes_;
    win32::ScriptedFileDialogs dialogs_;
    std::unique_ptr<app::frmDOSOutput> window_;
};

}  // namespace window_test

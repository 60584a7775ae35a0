// The presenter's file dialog with names outside ASCII, on the offscreen
// platform: it hands back a file's name as the bytes it has on disk.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "presenter/PathOnDisk.h"
#include "presenter/QtFileDialogs.h"

namespace {

namespace fs = std::filesystem;

class DialogText : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "presenter_dialog_test";
        static char* argv[] = {name, nullptr};
        static QApplication* qt = new QApplication(argc, argv);  // never destroyed, as QTest needs
        (void)qt;
    }
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("corvalmire-dialog-text-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string Make(const std::string& relative) const {
        const fs::path path = folder_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
        return path.string();
    }
    // Runs `answer` on the modal dialog once it is up. Any dialog after it
    // is a failure, and is closed so that the test ends.
    void WhenShown(std::function<void(QWidget*)> answer) {
        QTimer::singleShot(0, &closer_, [this, answer] {
            answer(QApplication::activeModalWidget());
            closer_.start(0);
        });
        QObject::connect(&closer_, &QTimer::timeout, [] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            ADD_FAILURE() << "unexpected dialog: " << dialog->windowTitle().toStdString();
            dialog->reject();
        });
    }

    fs::path folder_;
    QTimer closer_;  // stops with the test
};

TEST_F(DialogText, PathsFindTheirBytesOnDisk) {
    const std::string latin1 = Make("vecchi\xE8/disco\xFF.nrg");
    const std::string utf8 = Make("per\xC3\xB2/disco.nrg");
    Make("twins/a\xFE.nrg");
    Make("twins/a\xFF.nrg");
    const std::string root = folder_.string();
    const struct {
        std::string shown;  // as Qt has it, in UTF-8
        std::string onDisk;
        const char* why;
    } rows[] = {
        {utf8, utf8, "valid UTF-8 is its own bytes"},
        {root + "/vecchi\xEF\xBF\xBD/disco\xEF\xBF\xBD.nrg", latin1,
         "folder and file found by how they show"},
        {root + "/vecchi\xEF\xBF\xBD/nuovo.nrg", root + "/vecchi\xE8/nuovo.nrg",
         "a new name in a found folder"},
        {root + "/twins/a\xEF\xBF\xBD.nrg", root + "/twins/a\xEF\xBF\xBD.nrg",
         "two entries show alike: no guess"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(presenter::PathOnDisk(QString::fromUtf8(row.shown)), row.onDisk) << row.why;
}

TEST_F(DialogText, TheFileDialogAnswersWithTheNamesBytes) {
    const std::string file = Make("disco\xFF.nrg");
    WhenShown([](QWidget* shown) {
        auto* dialog = qobject_cast<QFileDialog*>(shown);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromUtf8("disco\xFF.nrg"));
        static_cast<QDialog*>(dialog)->accept();  // the Open button
    });
    win32::FileDialogRequest request;
    request.initialDir = folder_.string();
    const auto answer = presenter::QtFileDialogs().Run(request);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->path, file);
}

}  // namespace

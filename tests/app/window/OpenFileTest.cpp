// An image named outside the window, on the command line or dropped from the
// file manager, is prepared exactly as a choice in the open dialog is; on
// Qt's offscreen platform, with the real converter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <memory>

#include "MainWindowFixture.h"
#include "NrgFixture.h"
#include "app/frmDOSOutput.h"
#include "control/raReruri.h"
#include "host/MsgBox.h"
#include "host/TextBox.h"
#include "platform/kernel/CommandLine.h"
#include "presenter/FormWindow.h"
#include "presenter/QtPresenter.h"

namespace {

namespace fs = std::filesystem;

class OpenFile : public window_test::MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        // A whole image, so the window has no warning about it to add.
        fixture::MakeNeroImage(work_.path() / "original.iso", image_, "DISK");
        Open();
    }

    QWidget* Target(const char* name) const {
        QWidget* window = Window();
        if (std::string(name) == "window") return window;
        QWidget* widget = window->findChild<QWidget*>(name);
        // A multi-line box takes drops on its viewport.
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) return box->viewport();
        return widget;
    }

    // Drags the URLs over the target and drops them, as the file manager
    // does; true when the window took the drag.
    bool Drop(const char* target, const QList<QUrl>& urls) const {
        QMimeData data;
        data.setUrls(urls);
        QWidget* widget = Target(target);
        const QPoint at(2, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }

    static QUrl FileUrl(const std::string& path) {
        return QUrl::fromEncoded("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"));
    }

    // The window holds the path as chosen in the dialog.
    void ExpectPrepared(const std::string& path, const std::string& output) const {
        EXPECT_EQ(window_->txtCommand().Text(), path);
        EXPECT_EQ(window_->txtOutput().Text(), path + ".iso");
        EXPECT_EQ(window_->txtComando().Text(), "cmd /c " + app::frmDOSOutput::ConverterPath() + " " +
                                                    win32::QuoteCommandLineArgument(path) + " " +
                                                    win32::QuoteCommandLineArgument(path + ".iso"));
        EXPECT_EQ(window_->txtOutputs().Text(), output);
        EXPECT_TRUE(window_->cmdExecute().Value());
        EXPECT_EQ(window_->LastFileName, fs::path(path).filename().string());
    }

    const fs::path image_ = work_.path() / "image.nrg";
};

TEST_F(OpenFile, ArgumentOrDropPreparesTheImageAsTheDialogDoes) {
    const struct {
        const char* how;  // "argument", or where the file is dropped
        const char* name;
    } rows[] = {
        {"argument", "with blanks/\xC3\xA8.nrg"},
        {"window", "with blanks/\xC3\xA8.nrg"},
        {"txtCommand", "disk one.nrg"},  // a text box would take it as text
        {"txtOutputs", "disk two.nrg"},
        {"cmdOpen", "not utf-8 \xE8.nrg"},  // the bytes on disk, not the name as text
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.how) + " " + row.name);
        const fs::path nrg = work_.path() / row.name;
        fs::create_directories(nrg.parent_path());
        fs::copy_file(image_, nrg, fs::copy_options::overwrite_existing);
        window_->txtOutputs().SetText("earlier output");
        window_->cmdExecute().SetValue(false);
        if (std::string(row.how) == "argument") {
            EXPECT_TRUE(window_->OpenFile(nrg.string()));
        } else {
            EXPECT_TRUE(Drop(row.how, {FileUrl(nrg.string())}));
        }
        ExpectPrepared(nrg.string(), "");
    }
    EXPECT_TRUE(boxes_.boxes.empty());
}

TEST_F(OpenFile, SeveralDroppedFilesPrepareTheFirstWithANote) {
    const fs::path second = work_.path() / "second.nrg";
    std::ofstream(second) << "x";
    EXPECT_TRUE(Drop("window", {FileUrl(image_.string()), FileUrl(second.string())}));
    ExpectPrepared(image_.string(),
                   "Si converte un file alla volta: \xC3\xA8 pronto il primo dei 2 file rilasciati.\r\n");
}

TEST_F(OpenFile, DragsOfNoLocalFileAreNotTaken) {
    EXPECT_FALSE(Drop("window", {QUrl("https://example.org/disk.nrg")}));
    EXPECT_FALSE(Drop("window", {}));
    EXPECT_EQ(window_->txtCommand().Text(), "");
    EXPECT_FALSE(window_->cmdExecute().Value());
}

TEST_F(OpenFile, AMissingFileIsReportedAndTheWindowStaysEmpty) {
    const std::string missing = (work_.path() / "gone.nrg").string();
    EXPECT_FALSE(window_->OpenFile(missing));
    EXPECT_FALSE(window_->OpenFile(work_.path().string()));  // a folder is no image either
    ASSERT_EQ(boxes_.boxes.size(), 2u);
    EXPECT_EQ(boxes_.boxes[0].prompt,
              missing + "\nFile non trovato.\nVerificare che il nome del file sia corretto.");
    EXPECT_EQ(boxes_.boxes[0].title, "Corvalmire");
    EXPECT_EQ(boxes_.boxes[0].buttons, host::vbOKOnly);
    for (const auto* box : {&window_->txtCommand(), &window_->txtOutput(), &window_->txtComando()}) {
        EXPECT_EQ(box->Text(), "");
    }
    EXPECT_FALSE(window_->cmdExecute().Value());
}

TEST_F(OpenFile, APreparedArgumentConverts) {
    const fs::path nrg = work_.path() / "with blanks" / "\xC3\xA8.nrg";
    fs::create_directories(nrg.parent_path());
    fixture::MakeNrg(work_.path() / "plain.iso", nrg);
    ASSERT_TRUE(window_->OpenFile(nrg.string()));
    QWidget* execute = Target("cmdExecute");
    QTest::mouseMove(execute, execute->rect().center());
    QTest::mouseClick(execute, Qt::LeftButton, Qt::NoModifier, execute->rect().center());
    EXPECT_EQ(fixture::ReadFile(nrg.string() + ".iso"), fixture::ReadFile(work_.path() / "plain.iso"))
        << window_->txtOutputs().Text();
    EXPECT_TRUE(boxes_.boxes.empty());
}

}  // namespace

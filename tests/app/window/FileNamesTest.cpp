// File names as Linux users have them, from the dialog through the three
// boxes to the converter's arguments and back in its output: UTF-8 text,
// bytes that are not UTF-8, wildcards, line breaks and long paths.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <filesystem>
#include <string>

#include "MainWindowFixture.h"
#include "host/TextBox.h"
#include "platform/kernel/CommandLine.h"

namespace {

namespace fs = std::filesystem;
using fixture::ReadFile;
using window_test::MainWindow;

// About 1000 bytes below the test's folder, in components of 200.
std::string LongRelativePath() {
    std::string path;
    for (char c = 'a'; c <= 'e'; ++c) path += std::string(196, c) + "/";
    return path + "disco.nrg";
}

// What a box shows of some bytes, as UTF-8: the bytes read as UTF-8, each
// byte that is not UTF-8 shown as a replacement character.
std::string AsDisplayed(const std::string& bytes) { return QString::fromUtf8(bytes).toStdString(); }

class FileNames : public MainWindow {
protected:
    std::string Shown(const char* box) const { return Widget<QLineEdit>(box)->text().toStdString(); }
};

TEST_F(FileNames, ReachTheBoxesAndTheConverterByteForByte) {
    const struct {
        const char* what;
        std::string relative;
    } names[] = {
        {"Italian letters", "Immagini \xC3\xA8 pi\xC3\xB9/disco per\xC3\xB2.nrg"},
        {"CJK", "\xE6\x97\xA5\xE6\x9C\xAC/\xE3\x83\x87\xE3\x82\xA3\xE3\x82\xB9\xE3\x82\xAF.nrg"},
        {"bytes that are not UTF-8", "vecchi\xE8/disco\xFF.nrg"},
        {"wildcards and a leading dash", "a?b*c/-disco.nrg"},
        {"a line break", "due\nrighe.nrg"},
        {"a path of 1000 bytes", LongRelativePath()},
    };
    const fs::path original = MakeImage(work_.path() / "original.nrg");
    Open();
    for (const auto& name : names) {
        const fs::path nrg = work_.path() / name.relative;
        fs::create_directories(nrg.parent_path());
        fs::copy_file(work_.path() / "original.nrg", nrg);
        const std::string p = nrg.string();
        dialogs_.Choose(p);
        Click("cmdOpen");

        EXPECT_EQ(window_->txtCommand().Text(), p) << name.what;
        EXPECT_EQ(window_->txtOutput().Text(), p + ".iso") << name.what;
        EXPECT_EQ(window_->txtComando().Text(), "cmd /c " + app::frmDOSOutput::ConverterPath() + " " +
                                                    win32::QuoteCommandLineArgument(p) + " " +
                                                    win32::QuoteCommandLineArgument(p + ".iso"))
            << name.what;
        EXPECT_EQ(Shown("txtCommand"), AsDisplayed(p)) << name.what;
        EXPECT_EQ(Shown("txtOutput"), AsDisplayed(p + ".iso")) << name.what;
        EXPECT_EQ(Shown("txtComando"), AsDisplayed(window_->txtComando().Text())) << name.what;

        Click("cmdExecute");
        EXPECT_EQ(ReadFile(p + ".iso"), ReadFile(original)) << name.what;
        EXPECT_NE(window_->txtOutputs().Text().find(p + ".iso written"), std::string::npos) << name.what;
        const std::string output = Widget<QPlainTextEdit>("txtOutputs")->toPlainText().toStdString();
        EXPECT_NE(output.find(AsDisplayed(p + ".iso written")), std::string::npos) << name.what;
    }
    EXPECT_TRUE(Prompts().empty());
}

TEST_F(FileNames, APathThatCannotBeReadIsReportedAndChangesNothing) {
    const fs::path disk = work_.path() / "disk.nrg";
    MakeImage(disk);
    Open();
    dialogs_.Choose(disk.string());
    Click("cmdOpen");
    // The open dialog lets the user name a file that does not exist.
    dialogs_.Choose((work_.path() / "missing.nrg").string());
    Click("cmdOpen");

    EXPECT_EQ(Prompts(), std::vector<std::string>{"Impossibile leggere il percorso del file"});
    EXPECT_EQ(window_->txtCommand().Text(), disk.string());
    EXPECT_EQ(window_->txtOutput().Text(), disk.string() + ".iso");
    EXPECT_EQ(window_->txtComando().Text(), "cmd /c " + app::frmDOSOutput::ConverterPath() + " " +
                                                disk.string() + " " + disk.string() + ".iso");
    EXPECT_EQ(window_->LastFileName, "disk.nrg");
}

TEST_F(FileNames, TypedTextIsKeptAsUtf8) {
    Open();
    QLineEdit* box = Widget<QLineEdit>("txtOutput");
    box->setFocus();
    // As a keyboard layout types them: keys that carry their text.
    for (const QChar c : QString::fromUtf8("\xE2\x82\xAC \xC3\xA8 \xE6\x97\xA5"))
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(window_->txtOutput().Text(), "\xE2\x82\xAC \xC3\xA8 \xE6\x97\xA5");
}

}  // namespace

// The main window on Qt's offscreen platform, driven through its real
// widgets, with scripted file dialogs, recorded message boxes and the real
// converter.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

#include "MainWindowFixture.h"
#include "app/ConversionTexts.h"
#include "control/raReruri.h"
#include "host/FileLease.h"
#include "host/TextBox.h"
#include "host/Twips.h"
#include "platform/user/Window.h"

namespace {

namespace fs = std::filesystem;
using fixture::ReadFile;
using window_test::MainWindow;

const std::string kUnrecognised = "Attenzione: formato NRG non riconosciuto.\r\n";
using app::texts::GroupedNumber;

// Records what a text box showed at each paint of its viewport.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QPlainTextEdit* box) : box_(box) { box->viewport()->installEventFilter(this); }
    std::vector<std::string> shown;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) shown.push_back(box_->toPlainText().toStdString());
        return false;
    }

private:
    QPlainTextEdit* box_;
};

TEST_F(MainWindow, LayoutIsTheDescriptionsTwipsInPixels) {
    Open();
    ASSERT_NE(Window(), nullptr);
    EXPECT_EQ(Window()->size(), QSize(373, 175));
    EXPECT_EQ(Window()->windowTitle(), "Corvalmire (MADE::BY::SKARNHOLT)");
    int checked = 0;
    for (const auto& control : window_->Form().Controls()) {
        const std::string name = control->name + (control->index >= 0 ? std::to_string(control->index) : "");
        QWidget* widget = Window()->findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->pos(),
                  QPoint(host::TwipsToPixels(control->left), host::TwipsToPixels(control->top)))
            << name;
        if (control->Kind() != host::ControlKind::Label) {
            EXPECT_EQ(widget->size(),
                      QSize(host::TwipsToPixels(control->width), host::TwipsToPixels(control->height)))
                << name;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 13);
    // Spot checks against the numbers themselves.
    EXPECT_EQ(Widget<QWidget>("txtOutputs")->geometry(), QRect(11, 95, 358, 42));
    EXPECT_EQ(Widget<QWidget>("cmdExit")->geometry(), QRect(261, 142, 104, 27));
    EXPECT_EQ(Widget<QWidget>("txtComando")->pos(), QPoint(5, 240));  // below the client area
    EXPECT_EQ(Widget<QLabel>("lblCopyRight1")->pos() + QPoint(1, 1), Widget<QLabel>("lblCopyRight0")->pos());
    EXPECT_EQ(QApplication::focusWidget(), Widget<QWidget>("txtOutputs"));
    EXPECT_EQ(window_->cmdExecute().Caption(), "Converti");
    EXPECT_TRUE(window_->cmdExecute().Font().bold);
    EXPECT_EQ(window_->cmdExecute().Style(), 5);
    EXPECT_EQ(window_->cmdOpen().UserControl().Extender().ToolTipText(), "Apri file da convertire");
}

// The views are made under the form's font, which is handed back after.
TEST_F(MainWindow, OpeningLeavesTheApplicationFontAndGivesEachBoxItsOwn) {
    const QFont before = QApplication::font();
    Open();
    EXPECT_EQ(QApplication::font(), before);
    const struct {
        const char* name;
        int pixels;
    } rows[] = {{"txtCommand", 11}, {"txtOutputs", 11}, {"Label1", 11}, {"lblEmail", 9}};
    for (const auto& row : rows) {
        QWidget* widget = Widget<QWidget>(row.name);
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->font().pixelSize(), row.pixels) << row.name;
    }
}

TEST_F(MainWindow, TabAndTheArrowKeysMoveBetweenTheButtons) {
    Open();
    QWidget* execute = Widget<QWidget>("cmdExecute");
    QWidget* exit = Widget<QWidget>("cmdExit");
    int leaves = 0;
    window_->cmdExecute().MouseLeave.Connect([&] { ++leaves; });
    execute->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(window_->cmdExecute().HasFocus());
    QTest::keyClick(execute, Qt::Key_Tab);  // the labels between them take no focus
    EXPECT_EQ(QApplication::focusWidget(), exit);
    EXPECT_EQ(leaves, 1) << "Tab going down raises MouseLeave";
    EXPECT_EQ(win32::GetFocus(), window_->cmdExit().UserControl().hWnd());
    EXPECT_FALSE(window_->cmdExecute().HasFocus());
    EXPECT_TRUE(window_->cmdExit().HasFocus());
    QTest::keyClick(exit, Qt::Key_Left);  // previous control
    EXPECT_EQ(QApplication::focusWidget(), execute);
    QTest::keyClick(execute, Qt::Key_Down);  // next control
    EXPECT_EQ(QApplication::focusWidget(), exit);
}

TEST_F(MainWindow, ChoosingFillsTheBoxesAndCancellingChangesNothing) {
    const fs::path disk = work_.path() / "DISK.NRG";
    std::ofstream(disk) << "x";
    Open();
    window_->txtOutputs().SetText("old output");
    dialogs_.Choose(disk.string());
    Click("cmdOpen");

    const std::string p = disk.string();
    // The converter written out at load runs by its full path.
    const std::string command = "cmd /c " + app::frmDOSOutput::ConverterPath() + " " + p + " " + p + ".iso";
    EXPECT_EQ(window_->txtCommand().Text(), p);
    EXPECT_EQ(window_->txtOutput().Text(), p + ".iso");
    EXPECT_EQ(window_->txtComando().Text(), command);
    EXPECT_EQ(window_->txtOutputs().Text(), kUnrecognised) << "a one-byte file is no NRG";
    EXPECT_EQ(Widget<QLineEdit>("txtCommand")->text().toStdString(), p);
    EXPECT_TRUE(window_->cmdExecute().Value());
    EXPECT_EQ(window_->LastFileName, "DISK.NRG");
    EXPECT_TRUE(Prompts().empty());

    // A cancel hands back the name the dialog was given: still a cancel.
    dialogs_.Cancel();
    Click("cmdOpen");
    EXPECT_EQ(Prompts(), std::vector<std::string>{"Operazione annullata"});
    EXPECT_EQ(window_->txtCommand().Text(), p);
    EXPECT_EQ(window_->txtComando().Text(), command);
    // The second dialog started in the folder of the first choice.
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[1].request.initialDir, work_.path().string() + "/");
    EXPECT_EQ(dialogs_.shown[1].request.fileName, "DISK.NRG");
    EXPECT_EQ(dialogs_.shown[1].request.title, "Apri File NRG di Nero");
    EXPECT_TRUE(dialogs_.shown[1].request.flags & 0x20) << "placed by the hook";
}

TEST_F(MainWindow, ChoosingTheSameImageAgainAfterARunPreparesItAgain) {
    const fs::path nrg = work_.path() / "image.nrg";
    MakeImage(nrg);
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    Click("cmdExecute");
    ASSERT_EQ(window_->txtCommand().Text(), "");

    // The dialog offers the last image; the user takes it as it is.
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    ASSERT_EQ(dialogs_.shown.size(), 2u);
    EXPECT_EQ(dialogs_.shown[1].request.fileName, "image.nrg");
    EXPECT_TRUE(Prompts().empty());
    EXPECT_EQ(window_->txtCommand().Text(), nrg.string());
    EXPECT_EQ(window_->txtOutputs().Text(), kUnrecognised) << "the fixture has no footer";
}

TEST_F(MainWindow, FirstCancelShowsTheNoticeAndExecuteRefusesWithoutSource) {
    Open();
    dialogs_.Cancel();
    Click("cmdOpen");
    Click("cmdExecute");
    EXPECT_EQ(Prompts(), (std::vector<std::string>{"Operazione annullata",
                                                   "nessun file selezionato per la conversione"}));
    EXPECT_EQ(window_->txtComando().Text(), "");
}

TEST_F(MainWindow, ConvertsARealImageAndShowsTheOutputLive) {
    const fs::path nrg = work_.path() / "image.nrg";
    const fs::path iso = MakeImage(nrg);
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    Click("cmdExecute");

    EXPECT_EQ(ReadFile(nrg.string() + ".iso"), ReadFile(iso));
    const std::string& output = window_->txtOutputs().Text();
    EXPECT_NE(output.find("image.nrg.iso written"), std::string::npos) << output;
    EXPECT_NE(output.find("[100%]"), std::string::npos);
    EXPECT_EQ(window_->txtOutputs().SelStart(), output.size());
    QPlainTextEdit* box = Widget<QPlainTextEdit>("txtOutputs");
    EXPECT_TRUE(box->textCursor().atEnd());
    // The progress bar was rewritten in place: one line of it, then the result.
    const QString shown = box->toPlainText();
    EXPECT_EQ(shown.count("[100%]"), 1);
    EXPECT_EQ(shown.count("%]"), 1) << shown.toStdString();
    EXPECT_EQ(window_->txtCommand().Text(), "");
    EXPECT_EQ(window_->txtOutput().Text(), "");
    EXPECT_FALSE(window_->txtComando().Text().empty());

    Click("cmdExecute");  // nothing chosen since the run
    EXPECT_EQ(Prompts(), std::vector<std::string>{"nessun file selezionato per la conversione"});

    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    EXPECT_FALSE(box->toPlainText().contains("written")) << "a new choice empties the box on screen too";
}

// A real-world image holding audio tracks, no ISO 9660 data: the converter
// still writes its result and reports success; the window says before the
// run what will go wrong, and after it that the ISO is not valid.
TEST_F(MainWindow, AnAudioImageIsFlaggedBeforeAndAfterTheRun) {
    const char* sourceFolder = std::getenv("CORVALMIRE_SOURCE");
    fs::path source = fs::path(sourceFolder ? sourceFolder : ".") / "../shared/testdata/p1.nrg";
    if (!fs::exists(source)) source = "/work/shared/testdata/p1.nrg";
    if (!fs::exists(source)) GTEST_SKIP() << "the shared test data is not on this machine";
    const fs::path nrg = work_.path() / "p1.nrg";
    fs::copy_file(source, nrg);
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    EXPECT_EQ(window_->txtOutputs().Text(),
              "Attenzione: nessuna traccia dati Mode 1 da 2048 byte, l'ISO non sarà valida.\r\n"
              "Attenzione: 2 tracce audio, nrg2iso le copierà nell'ISO come dati.\r\n");
    Click("cmdExecute");

    const auto image = ReadFile(nrg);
    const auto result = ReadFile(nrg.string() + ".iso.incompleto");
    ASSERT_EQ(result.size(), image.size() - 307200);
    EXPECT_TRUE(std::equal(result.begin(), result.end(), image.begin() + 307200));
    EXPECT_FALSE(fs::exists(nrg.string() + ".iso"));
    const std::string& output = window_->txtOutputs().Text();
    EXPECT_NE(output.find("p1.nrg.iso written : 756270 bytes"), std::string::npos) << output;
    EXPECT_TRUE(
        output.ends_with("\nISO non valida: il file non contiene un volume ISO 9660. Rinominato in "
                         "p1.nrg.iso.incompleto.\r\n"))
        << output;
    EXPECT_TRUE(boxes_.boxes.empty());
    EXPECT_EQ(window_->txtCommand().Text(), "");
}

// Output is painted at most once a frame while it floods in, and what has
// come is on screen before the run waits for more: two lines close
// together, then a pause, and the second line shows before the third comes.
TEST_F(MainWindow, OutputIsShownBeforeTheRunWaitsWhileInputWaitsAndACloseFollowsTheRun) {
    Open();
    window_->txtCommand().SetText("paced");
    window_->txtComando().SetText("childprog paced first +5 second +300 third");
    PaintRecorder recorder(Widget<QPlainTextEdit>("txtOutputs"));
    int chunks = 0;
    window_->objDOS()->ReceiveOutputs.Connect([&](const std::string& chunk) {
        if (chunk.empty() || ++chunks > 1) return;
        // The user clicks Apri and closes the window while the child runs.
        QWidget* open = Widget<QWidget>("cmdOpen");
        const QPointF at(5, 5);
        QCoreApplication::postEvent(open, new QMouseEvent(QEvent::MouseButtonPress, at, open->mapToGlobal(at),
                                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(
            open, new QMouseEvent(QEvent::MouseButtonRelease, at, open->mapToGlobal(at), Qt::LeftButton,
                                  Qt::NoButton, Qt::NoModifier));
        QCoreApplication::postEvent(Window(), new QCloseEvent);
    });
    Click("cmdExecute");

    EXPECT_GE(chunks, 2);
    const auto& shown = recorder.shown;
    EXPECT_NE(std::find(shown.begin(), shown.end(), "first\nsecond\n"), shown.end())
        << "the second line reached the screen before the pause ended";
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back(), "first\nsecond\nthird\n");
    EXPECT_TRUE(dialogs_.shown.empty()) << "the click made during the run was dropped";
    EXPECT_TRUE(window_->Form().Loaded()) << "the close waits for the end of the run";
    QCoreApplication::processEvents();
    EXPECT_FALSE(window_->Form().Loaded());
    EXPECT_FALSE(fs::exists(app::frmDOSOutput::ConverterPath()));
}

TEST_F(MainWindow, PathsWithBlanksAndShellCharactersConvertAndTouchNothingElse) {
    const fs::path folder = work_.path() / "my images; $(touch pwned) & 'x'";
    fs::create_directories(folder);
    const fs::path nrg = folder / "disk \"one\" & co.nrg";
    const fs::path iso = MakeImage(nrg);
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    EXPECT_EQ(window_->txtCommand().Text(), nrg.string());  // the boxes show the plain paths
    EXPECT_NE(window_->txtComando().Text().find("\"" + folder.string()), std::string::npos);
    Click("cmdExecute");

    EXPECT_EQ(ReadFile(nrg.string() + ".iso"), ReadFile(iso)) << window_->txtOutputs().Text();
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(work_.path())) {
        names.insert(entry.path().lexically_relative(work_.path()).string());
    }
    const std::string f = folder.filename().string();
    EXPECT_EQ(names, (std::set<std::string>{"original.iso", f, f + "/disk \"one\" & co.nrg",
                                            f + "/disk \"one\" & co.nrg.iso"}));
    EXPECT_TRUE(Prompts().empty());
}

TEST_F(MainWindow, ConverterIsWrittenAtLoadReplacingAnOlderOneAndDeletedByTheCloseBox) {
    const std::string converter = app::frmDOSOutput::ConverterPath();
    std::ofstream(converter) << "an older converter";
    Open();
    EXPECT_EQ(ReadFile(converter), ReadFile(fs::canonical("/usr/bin/nrg2iso")));
    EXPECT_TRUE(fs::status(converter).permissions() != fs::perms::none);
    EXPECT_EQ(::access(converter.c_str(), X_OK), 0);

    Window()->close();
    EXPECT_FALSE(window_->Form().Loaded());
    EXPECT_FALSE(fs::exists(converter));
    EXPECT_TRUE(Prompts().empty());
}

// A program of that name planted in the current folder, where the
// interpreter looks first, is never what runs.
TEST_F(MainWindow, APlantedConverterInTheCurrentFolderIsNeverRun) {
    const fs::path planted = work_.path() / "nrg2iso.exe";
    std::ofstream(planted) << "#!/bin/sh\ntouch " << (work_.path() / "pwned").string() << "\n";
    fs::permissions(planted, fs::perms(0755));
    const fs::path nrg = work_.path() / "image.nrg";
    const fs::path iso = MakeImage(nrg);
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    Click("cmdExecute");
    EXPECT_EQ(ReadFile(nrg.string() + ".iso"), ReadFile(iso)) << window_->txtOutputs().Text();
    EXPECT_FALSE(fs::exists(work_.path() / "pwned"));
}

// Another copy of the program started from the same folder holds its lease
// on the converter: closing this window leaves the file to it.
TEST_F(MainWindow, ClosingLeavesTheConverterToAnotherCopyStillRunning) {
    const std::string converter = app::frmDOSOutput::ConverterPath();
    host::FileLease otherCopy(converter);
    ASSERT_TRUE(otherCopy.Held());
    Open();
    Click("cmdExit");
    EXPECT_FALSE(window_->Form().Loaded());
    EXPECT_EQ(ReadFile(converter), ReadFile(fs::canonical("/usr/bin/nrg2iso")));
    EXPECT_TRUE(otherCopy.Release()) << "the other copy closes last";
    EXPECT_FALSE(fs::exists(converter));
}

TEST_F(MainWindow, AnUnwritableProgramFolderStillConvertsThroughPath) {
    // A folder where the converter should go: it can be neither written nor
    // deleted, whoever runs the test.
    const std::string converter = app::frmDOSOutput::ConverterPath();
    fs::create_directory(converter);
    const fs::path nrg = work_.path() / "image.nrg";
    const fs::path iso = MakeImage(nrg);
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    Click("cmdExecute");
    EXPECT_EQ(ReadFile(nrg.string() + ".iso"), ReadFile(iso));
    Click("cmdExit");
    EXPECT_FALSE(window_->Form().Loaded());
    EXPECT_TRUE(Prompts().empty());
    fs::remove(converter);
}

// Files this process and its children write stop growing at `bytes`, as on a
// full disk: writes past it fail instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t previousHandler_;
};

// Folder permissions do not bind root: run as nobody for a while (children
// too), so a read-only folder is read-only for the converter as well.
class WithoutRoot {
public:
    WithoutRoot() : dropped_(::geteuid() == 0 && ::seteuid(65534) == 0) {}
    ~WithoutRoot() {
        if (dropped_) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }

private:
    bool dropped_;
};

TEST_F(MainWindow, AnExistingDestinationIsReplacedOnlyAfterYes) {
    const fs::path nrg = work_.path() / "image.nrg";
    const fs::path iso = MakeImage(nrg);
    const std::string destination = nrg.string() + ".iso";
    std::ofstream(destination, std::ios::binary) << "the user's own file";
    const auto before = ReadFile(destination);
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    int chunks = 0;
    window_->objDOS()->ReceiveOutputs.Connect([&](const std::string&) { ++chunks; });

    boxes_.answers = {host::vbNo};
    Click("cmdExecute");
    ASSERT_EQ(boxes_.boxes.size(), 2u);
    EXPECT_EQ(boxes_.boxes[0].prompt, "Il file image.nrg.iso esiste già. Sovrascriverlo?");
    EXPECT_EQ(boxes_.boxes[0].buttons, host::vbYesNo | host::vbQuestion | host::vbDefaultButton2);
    EXPECT_EQ(boxes_.boxes[0].title, "Corvalmire");
    EXPECT_EQ(boxes_.boxes[1].prompt, "Operazione annullata");
    EXPECT_EQ(ReadFile(destination), before);
    EXPECT_EQ(chunks, 0) << "nothing ran";
    EXPECT_EQ(window_->txtCommand().Text(), nrg.string());
    EXPECT_EQ(window_->txtOutput().Text(), destination);
    EXPECT_EQ(window_->txtOutputs().Text(), kUnrecognised);

    boxes_.answers = {host::vbYes};
    Click("cmdExecute");
    EXPECT_EQ(boxes_.boxes.size(), 3u);
    EXPECT_EQ(ReadFile(destination), ReadFile(iso));
    EXPECT_GT(chunks, 0);
    const std::string& output = window_->txtOutputs().Text();
    EXPECT_TRUE(output.ends_with("\nISO valida: " + GroupedNumber(fs::file_size(iso)) +
                                 " byte, etichetta \"CDROM\".\r\n"))
        << output;
}

TEST_F(MainWindow, AGoodNeroImageIsConfirmedWithItsSizeAndLabel) {
    const fs::path nrg = work_.path() / "nero.nrg";
    fixture::MakeNeroImage(work_.path() / "original.iso", nrg, "CORVALMIRE_1");
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    EXPECT_EQ(window_->txtOutputs().Text(), "") << "nothing to warn about";
    Click("cmdExecute");

    // The converter copies everything after the pregap, chunks and footer too.
    const std::uintmax_t size = fs::file_size(nrg) - 307200;
    EXPECT_EQ(fs::file_size(nrg.string() + ".iso"), size);
    const std::string& output = window_->txtOutputs().Text();
    EXPECT_TRUE(
        output.ends_with("\nISO valida: " + GroupedNumber(size) + " byte, etichetta \"CORVALMIRE_1\".\r\n"))
        << output;
    EXPECT_TRUE(Prompts().empty());
}

TEST_F(MainWindow, ADiskFullDuringTheRunIsReportedAndTheIsoSetAside) {
    const fs::path nrg = work_.path() / "image.nrg";
    const auto iso = ReadFile(MakeImage(nrg));
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    {
        FileSizeLimit full(65536);
        Click("cmdExecute");
    }
    const std::string& output = window_->txtOutputs().Text();
    EXPECT_TRUE(output.ends_with("\nISO non valida: il file è troncato, 65.536 byte dei " +
                                 GroupedNumber(iso.size()) +
                                 " dichiarati (disco pieno o conversione interrotta). Rinominato in "
                                 "image.nrg.iso.incompleto.\r\n"))
        << output;
    EXPECT_EQ(fs::file_size(nrg.string() + ".iso.incompleto"), 65536u);
    EXPECT_FALSE(fs::exists(nrg.string() + ".iso"));
    EXPECT_TRUE(Prompts().empty());
}

TEST_F(MainWindow, AnUnwritableFolderShowsTheConvertersDeathAndNoIso) {
    const fs::path folder = work_.path() / "read-only";
    fs::create_directory(folder);
    const fs::path nrg = folder / "image.nrg";
    MakeImage(nrg);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    Open();
    dialogs_.Choose(nrg.string());
    Click("cmdOpen");
    {
        WithoutRoot nobody;
        Click("cmdExecute");
    }
    const std::string& output = window_->txtOutputs().Text();
    EXPECT_NE(output.find(app::frmDOSOutput::ConverterPath() +
                          ": terminated by signal 11 (Segmentation fault)\r\n"),
              std::string::npos)
        << output;
    EXPECT_TRUE(output.ends_with("\nISO non valida: il file non è stato creato.\r\n")) << output;
    EXPECT_FALSE(fs::exists(nrg.string() + ".iso"));
    EXPECT_TRUE(Prompts().empty());
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);  // so the folder can be removed
}

}  // namespace

#include "PersonAtX.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QTimer>
#include <cstdlib>

extern char** environ;

namespace x11_test {
namespace {

pid_t Spawn(Words words, posix_spawn_file_actions_t* actions = nullptr) {
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    return ::posix_spawnp(&pid, argv[0], actions, nullptr, argv.data(), environ) == 0 ? pid : 0;
}

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string rest = path ? path : "";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        if (::access((rest.substr(0, colon) + "/" + program).c_str(), X_OK) == 0) return true;
        rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
    }
    return false;
}

// What a dialog left open says, for the failure message.
std::string Describe(const QDialog& dialog) {
    std::string text = dialog.windowTitle().toStdString();
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        text += " [" + label->text().toStdString() + "]";
    return text;
}

}  // namespace

bool StartOwnDisplay() {
    // Looked for, not run: a client that came and went before ours would
    // end the server.
    int link[2];
    if (!OnPath("xdotool") || ::pipe(link) != 0) return false;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addclose(&actions, link[0]);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const pid_t server = Spawn({"Xvfb", "-displayfd", std::to_string(link[1]), "-terminate", "-nolisten",
                                "tcp", "-screen", "0", "1024x768x24", "-ardelay", "100", "-arinterval", "20"},
                               &actions);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(link[1]);
    std::string number;
    char c = 0;
    while (server != 0 && ::read(link[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(link[0]);
    if (number.empty()) return false;
    ::setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
}

void Act(const std::vector<Step>& steps) {
    posix_spawn_file_actions_t quiet;
    ::posix_spawn_file_actions_init(&quiet);
    ::posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    std::size_t next = 0;
    pid_t pid = 0;
    bool ended = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        int status = 0;
        if (ended || (pid != 0 && ::waitpid(pid, &status, WNOHANG) == 0)) return;
        if (pid != 0 && (!WIFEXITED(status) || WEXITSTATUS(status) != 0)) ADD_FAILURE() << "xdotool failed";
        pid = 0;
        if (next < steps.size()) {
            if (auto words = steps[next]()) {
                ++next;
                words->insert(words->begin(), "xdotool");
                // A query last: xdotool waits for its answer, and the server
                // answers only after the events asked for before it went out.
                words->push_back("getmouselocation");
                pid = Spawn(*words, &quiet);
                if (pid == 0) ADD_FAILURE() << "xdotool cannot be started";
            }
            return;
        }
        // One a tick: each dialog closes when its own loop runs again.
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "a dialog is left open: " << Describe(*dialog);
            dialog->reject();
            return;
        }
        ended = true;
    });
    watch.start(5);
    while (!ended) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ::posix_spawn_file_actions_destroy(&quiet);
    // xdotool is gone, but on a busy machine the events it caused may still
    // be on their way: a round trip to the server brings them all in.
    QGuiApplication::sync();
}

void Act(const Words& words) {
    Act({[words]() -> std::optional<Words> { return words; }});
}

Step DoubleClickInFileDialog(const std::string& name) {
    return [name]() -> std::optional<Words> {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return std::nullopt;
        for (const QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>()) {
            const QAbstractItemModel* model = view->model();
            if (!view->isVisible() || !model) continue;
            const QModelIndexList found = model->match(model->index(0, 0, view->rootIndex()), Qt::DisplayRole,
                                                       QString::fromUtf8(name), 1, Qt::MatchExactly);
            if (found.isEmpty()) continue;
            const QPoint at = view->viewport()->mapToGlobal(view->visualRect(found.first()).center());
            return Words{
                "mousemove", std::to_string(at.x()), std::to_string(at.y()), "click", "--repeat", "2", "1"};
        }
        return std::nullopt;  // not listed yet
    };
}

}  // namespace x11_test

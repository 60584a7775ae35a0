#include "presenter/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <string>
#include <vector>

#include "host/Form.h"

namespace presenter {
namespace {

// The local files a drag carries, as their bytes on disk, in its order.
std::vector<std::string> LocalFiles(const QMimeData& data) {
    std::vector<std::string> files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == "localhost")) continue;
        // Decoding the encoded path gives the name's bytes, also when they
        // are not UTF-8.
        const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        if (!path.isEmpty()) files.emplace_back(path.constData(), path.size());
    }
    return files;
}

}  // namespace

FileDrop::FileDrop(QWidget& window, host::Form& form) : form_(form) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    // A text box would take a dropped file as text.
    for (QWidget* child : window.findChildren<QWidget*>()) child->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> files = LocalFiles(*drop->mimeData());
    if (files.empty() || form_.Busy()) return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // After the drop is over: the form may show a message box.
        QMetaObject::invokeMethod(
            this, [this, files = std::move(files)] { form_.OLEDragDrop.Raise(files); }, Qt::QueuedConnection);
    }
    return true;
}

}  // namespace presenter

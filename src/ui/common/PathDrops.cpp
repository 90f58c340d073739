#include "ui/common/PathDrops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <algorithm>

namespace dirforge::ui {

namespace {

/// The local paths of a drag, or none when any of its URLs is not a local file.
QStringList LocalPaths(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

class PathDropFilter : public QObject {
public:
    PathDropFilter(QWidget& target, DropRule rule, DropAction take)
        : QObject(&target), target_(target), rule_(std::move(rule)), take_(std::move(take)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool drag = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove;
        if (watched != &target_ || (!drag && event->type() != QEvent::Drop))
            return QObject::eventFilter(watched, event);
        auto* dropEvent = static_cast<QDropEvent*>(event);
        const QStringList paths = LocalPaths(dropEvent->mimeData());
        if (paths.isEmpty()) // not files: the control's own handling (text into a field)
            return QObject::eventFilter(watched, event);
        if (!target_.isEnabled() || !rule_(paths)) {
            dropEvent->ignore();
            return true;
        }
        dropEvent->acceptProposedAction();
        if (!drag)
            take_(paths);
        return true;
    }

private:
    QWidget& target_;
    DropRule rule_;
    DropAction take_;
};

} // namespace

void AcceptPathDrops(QWidget& target, DropRule rule, DropAction take) {
    target.setAcceptDrops(true);
    target.installEventFilter(new PathDropFilter(target, std::move(rule), std::move(take)));
}

bool AllFolders(const QStringList& paths) {
    return std::all_of(paths.begin(), paths.end(),
                       [](const QString& path) { return QFileInfo(path).isDir(); });
}

bool OneListFile(const QStringList& paths) {
    if (paths.size() != 1 || !QFileInfo(paths.front()).isFile())
        return false;
    const QString suffix = QFileInfo(paths.front()).suffix().toLower();
    return suffix == QLatin1String("txt") || suffix == QLatin1String("csv");
}

} // namespace dirforge::ui

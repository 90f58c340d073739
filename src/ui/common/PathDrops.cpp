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
        if (watched != &target_)
            return QObject::eventFilter(watched, event);
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (takes(drag->mimeData()))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QStringList paths = LocalPaths(drop->mimeData());
            if (!takes(drop->mimeData())) {
                drop->ignore();
                return true;
            }
            drop->acceptProposedAction();
            take_(paths);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    bool takes(const QMimeData* data) const {
        const QStringList paths = LocalPaths(data);
        return target_.isEnabled() && !paths.isEmpty() && rule_(paths);
    }

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

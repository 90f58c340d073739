#include "helpers/TemporaryCurrentFolder.h"

#include <QDir>

namespace dirforge::testing {

TemporaryCurrentFolder::TemporaryCurrentFolder() : previous_(QDir::currentPath()) {
    valid_ = folder_.isValid() && QDir::setCurrent(folder_.path());
}

TemporaryCurrentFolder::~TemporaryCurrentFolder() {
    QDir::setCurrent(previous_);
}

std::string TemporaryCurrentFolder::drivePath() const {
    QString host = QDir(folder_.path()).canonicalPath();
    host.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return "c:" + host.toStdString();
}

} // namespace dirforge::testing

#pragma once
// A fresh temporary folder made the process's current folder for the lifetime of this object
// (the start-up steps create their working folders there); the previous one is restored after.

#include <QString>
#include <QTemporaryDir>

namespace dirforge::testing {

class TemporaryCurrentFolder {
public:
    TemporaryCurrentFolder();
    ~TemporaryCurrentFolder();
    TemporaryCurrentFolder(const TemporaryCurrentFolder&) = delete;
    TemporaryCurrentFolder& operator=(const TemporaryCurrentFolder&) = delete;

    bool isValid() const { return valid_; }
    /// The host path of the temporary folder.
    QString path() const { return folder_.path(); }
    /// Its drive form under the default map (c: is "/"): "c:\tmp\...".
    std::string drivePath() const;

private:
    QTemporaryDir folder_;
    QString previous_;
    bool valid_ = false;
};

} // namespace dirforge::testing

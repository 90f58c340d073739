#include "ui/seams/QtFolderPicker.h"

#include "ui/seams/ModalRunner.h"
#include "ui/windows/FolderBrowserDialog.h"

namespace dirforge::ui {

std::string QtFolderPicker::browseForFolder(const std::string& title,
                                            const std::string& startFolder) {
    ModalRunner direct;
    return BrowseForFolder(owner_.data(), title, drives_, runner_ ? *runner_ : direct, startFolder);
}

} // namespace dirforge::ui

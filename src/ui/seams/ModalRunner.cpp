#include "ui/seams/ModalRunner.h"

#include <QDialog>

namespace dirforge::ui {

int ModalRunner::run(QDialog& dialog) {
    return dialog.exec();
}

} // namespace dirforge::ui

#include "ui/app/TfrmAbout.h"

#include "ui/app/AppInfo.h"
#include "ui/common/WindowStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dirforge::ui {

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About %1").arg(QString::fromLatin1(kProductName)));
    setModal(true);
    ApplyBackground(*this);

    auto* lblAboutProduct = new QLabel(QString::fromLatin1(kProductName), this);
    lblAboutProduct->setObjectName(QStringLiteral("lblAboutProduct"));
    QFont productFont = lblAboutProduct->font();
    productFont.setPointSize(productFont.pointSize() + 10);
    productFont.setBold(true);
    lblAboutProduct->setFont(productFont);
    lblAboutProduct->setAlignment(Qt::AlignCenter);

    auto* lblAboutVersion =
        new QLabel(QStringLiteral("Version %1").arg(QString::fromLatin1(kProductVersion)), this);
    lblAboutVersion->setObjectName(QStringLiteral("lblAboutVersion"));
    lblAboutVersion->setAlignment(Qt::AlignCenter);

    auto* lblAboutDescription = new QLabel(QString::fromLatin1(kProductTagline), this);
    lblAboutDescription->setObjectName(QStringLiteral("lblAboutDescription"));
    lblAboutDescription->setAlignment(Qt::AlignCenter);
    lblAboutDescription->setWordWrap(true);
    lblAboutDescription->setFixedWidth(380);

    auto* btnAboutOk = new QPushButton(QStringLiteral("OK"), this);
    btnAboutOk->setObjectName(QStringLiteral("btnAboutOk"));
    btnAboutOk->setDefault(true);
    connect(btnAboutOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAboutOk);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(lblAboutProduct);
    layout->addWidget(lblAboutVersion);
    layout->addWidget(lblAboutDescription);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace dirforge::ui

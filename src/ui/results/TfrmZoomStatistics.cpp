#include "ui/results/TfrmZoomStatistics.h"

#include "ui/common/WindowStyle.h"
#include "ui/results/ResultListModel.h"
#include "ui/results/ResultListView.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dirforge::ui {

using engine::ResultList;

TfrmZoomStatistics::TfrmZoomStatistics(const VisualLogTwin& twin, const Models& models,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QString::fromStdString(ZoomWindowName(twin)));
    setWindowTitle("Zoom Window.");
    resize(817, 600);
    ApplyBackground(*this);

    const QString prefix = QString("%1ZoomStatistics").arg(VolInfix(twin));
    auto* layout = new QVBoxLayout(this);

    // The selectors only record which list is shown; the user never sees them.
    auto* selectorGroup = new QGroupBox(twin.selectorGroup, this);
    selectorGroup->setObjectName("grp" + prefix + "WindowToZoom");
    auto* selectorLayout = new QVBoxLayout(selectorGroup);

    for (int i = 0; i < engine::ResultListCount; ++i) {
        const auto list = static_cast<ResultList>(i);
        const QString suffix = ResultListTwinFor(list).zoomListSuffix;

        titles_[i] = new QLabel(ZoomTitleFor(twin, list), this);
        titles_[i]->setObjectName("lbl" + prefix + suffix);
        QFont bold = titles_[i]->font();
        bold.setBold(true);
        titles_[i]->setFont(bold);
        lists_[i] = MakeResultListView("lst" + prefix + suffix, models[i], kResultListExtent, this);
        layout->addWidget(titles_[i]);
        layout->addWidget(lists_[i], 1);

        selectors_[i] = new QRadioButton(SelectorCaptionFor(twin, list), selectorGroup);
        selectors_[i]->setObjectName("rdo" + prefix + suffix);
        selectorLayout->addWidget(selectors_[i]);
        connect(selectors_[i], &QRadioButton::clicked, this, [this, list] { showOnly(list); });
    }
    selectorGroup->setEnabled(false);
    selectorGroup->hide();
    layout->addWidget(selectorGroup);

    auto* close = new QPushButton("Close", this);
    close->setObjectName("btn" + prefix + "Close");
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    selectors_[0]->setChecked(true);
    showOnly(ResultList::FoldersCreated);
}

void TfrmZoomStatistics::zoom(ResultList list) {
    for (QRadioButton* selector : selectors_) {
        selector->setAutoExclusive(false);
        selector->setChecked(false);
        selector->setAutoExclusive(true);
    }
    selectors_[static_cast<std::size_t>(list)]->setChecked(true);
    showOnly(list);
    show();
    raise();
    activateWindow();
}

void TfrmZoomStatistics::showOnly(ResultList list) {
    shown_ = list;
    for (int i = 0; i < engine::ResultListCount; ++i) {
        const bool visible = i == static_cast<int>(list);
        titles_[i]->setVisible(visible);
        lists_[i]->setVisible(visible);
    }
}

} // namespace dirforge::ui

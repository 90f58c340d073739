#include "ui/common/ChoiceBoxes.h"

#include "core/CaseFold.h"
#include "core/TextRules.h"
#include "ui/common/QtText.h"

#include <QComboBox>

#include <algorithm>

namespace dirforge::ui {

void FillChoiceBox(QComboBox& box, const std::vector<std::string>& shared,
                   const std::vector<std::string>& defaults) {
    std::vector<std::string> entries = shared;
    if (entries.empty())
        for (const auto& entry : defaults)
            entries.push_back(core::FoldCase(core::Trim(entry)));
    std::vector<std::string> added;
    for (const auto& entry : entries) {
        const bool held = std::any_of(added.begin(), added.end(), [&](const std::string& other) {
            return core::EqualsIgnoreCase(other, entry);
        });
        if (held)
            continue;
        added.push_back(entry);
        box.addItem(ToQt(entry));
    }
    if (box.count() > 0)
        box.setCurrentIndex(0);
}

} // namespace dirforge::ui

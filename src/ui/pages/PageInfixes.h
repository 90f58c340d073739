#pragma once
// The infixes a page's control names are made with: "Vol02" in the page's own controls and its
// zoom window's (btnVol02CreateFolders, lstVol02ZoomStatisticsFoldersCreated), "Stat02" in its
// visual log's (lblStat02FoldersCreated). The digits are the page's number in those names:
// 02 the strings page, 04 the paths page, 03 the increased-numbers page. This is the one place
// that pairs a page with its infixes.

#include "engine/PageKind.h"

namespace dirforge::ui {

struct PageInfixes {
    const char* vol;  ///< "Vol02"
    const char* stat; ///< "Stat02"
};

constexpr PageInfixes InfixesOf(engine::PageKind page) {
    switch (page) {
    case engine::PageKind::Paths:
        return {"Vol04", "Stat04"};
    case engine::PageKind::Numbers:
        return {"Vol03", "Stat03"};
    case engine::PageKind::Strings:
        break;
    }
    return {"Vol02", "Stat02"};
}

} // namespace dirforge::ui

#include "engine/PageTexts.h"

namespace dirforge::engine {

const PageTexts& TextsFor(PageKind page) {
    switch (page) {
    case PageKind::Strings:
        return StringsPageTexts();
    case PageKind::Paths:
        return PathsPageTexts();
    case PageKind::Numbers:
        break;
    }
    return NumbersPageTexts();
}

} // namespace dirforge::engine

#include "ui/PageRow.h"

namespace dirforge::ui {

namespace {

#define VOL02_AREA "Creating Folder(s).-From a String List."
#define BLANKS "            "

constexpr PageRow kStringsRow = {
    engine::PageKind::Strings,
    "Vol02",
    "btnVol02ListHelp",
    "btnVol02Statistic",
    HelpTopic::StringsPage,
    HelpTopic::StringsPageExamples,
    {
        VOL02_AREA BLANKS "Warning no: 20003.",
        VOL02_AREA BLANKS "Warning no: 20004.",
        VOL02_AREA BLANKS "Warning no: 20006.",
        VOL02_AREA BLANKS "Warning no: 20007.",
        VOL02_AREA BLANKS "Warning no: 20008.",
        VOL02_AREA "          Warning no: 20009.",
        VOL02_AREA BLANKS "Warning no: 20010.",
        VOL02_AREA BLANKS "Warning no: 20021.",
        VOL02_AREA BLANKS "Warning no: 20026.",
        VOL02_AREA BLANKS "Warning no: 20027.",
        VOL02_AREA BLANKS "Warning no: 20029.",
        VOL02_AREA BLANKS "Warning no: 20030.",
        VOL02_AREA "             Warning no: 20031.",
        VOL02_AREA BLANKS "Warning no: 20032.",
        VOL02_AREA BLANKS "Warning no: 20033.",
        VOL02_AREA "           Warning no: 20052.",
        VOL02_AREA "             Warning no: 20036.",
        VOL02_AREA BLANKS "Warning no: 20037.",
        VOL02_AREA BLANKS "Warning no: 20038.",
        VOL02_AREA BLANKS "Warning no: 20040.",
        VOL02_AREA BLANKS "Warning no: 20041.",
        VOL02_AREA BLANKS "Warning no: 20042.",
        VOL02_AREA BLANKS "Warning no: 20043.",
        VOL02_AREA BLANKS "Information no: 20044.",
        VOL02_AREA BLANKS "Information no: 20045.",
        VOL02_AREA "           Warning no: 20051.",
    },
    "IncludeStrings",
    "ExcludeStrings",
    "AllFromInc",
    "AllFromExc",
    core::NameList::Order::Alphabetical,
    &core::StringsPagePairTexts,
};

#undef VOL02_AREA
#undef BLANKS

} // namespace

const PageRow& StringsPageRow() { return kStringsRow; }

QString ControlName(const PageRow& row, const char* kind, const char* role) {
    return QString::fromLatin1(kind) + QString::fromLatin1(row.infix) + QString::fromLatin1(role);
}

} // namespace dirforge::ui

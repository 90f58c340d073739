#include "settings/PageChoices.h"

#include "core/TextRules.h"

namespace dirforge::settings {

namespace {

using engine::AttachMode;
using engine::CopyVariant;

/// The seven attach radios of one page's records.
struct RadioSlots {
    std::int32_t* nothing;
    std::int32_t* relativePaths;
    std::int32_t* fullPaths;
    std::int32_t* mainWithFiles;
    std::int32_t* mainWithoutFiles;
    std::int32_t* subWithFiles;
    std::int32_t* subWithoutFiles;
};

template <class Page> RadioSlots SlotsOf(Page& p);

template <> RadioSlots SlotsOf(StringsPageSettings& p) {
    return {&p.rdoVol02AttachNothing,
            &p.rdoVol02StructureImportRelativePaths,
            &p.rdoVol02StructureImportFullPaths,
            &p.rdoVol02AttachMainFolderWithFiles,
            &p.rdoVol02AttachMainFolderWithoutFiles,
            &p.rdoVol02AttachSubFoldersOnlyWithFiles,
            &p.rdoVol02AttachSubFoldersOnlyWithoutFiles};
}
template <> RadioSlots SlotsOf(PathsPageSettings& p) {
    return {&p.rdoVol04AttachNothing,
            &p.rdoVol04StructureImportRelativePaths,
            &p.rdoVol04StructureImportFullPaths,
            &p.rdoVol04AttachMainFolderWithFiles,
            &p.rdoVol04AttachMainFolderWithoutFiles,
            &p.rdoVol04AttachSubFoldersOnlyWithFiles,
            &p.rdoVol04AttachSubFoldersOnlyWithoutFiles};
}
template <> RadioSlots SlotsOf(NumbersPageSettings& p) {
    return {&p.rdoVol03AttachNothing,
            &p.rdoVol03StructureImportRelativePaths,
            &p.rdoVol03StructureImportFullPaths,
            &p.rdoVol03AttachMainFolderWithFiles,
            &p.rdoVol03AttachMainFolderWithoutFiles,
            &p.rdoVol03AttachSubFoldersOnlyWithFiles,
            &p.rdoVol03AttachSubFoldersOnlyWithoutFiles};
}

/// The radios as the page reads them: Attach Nothing wins, then the text templates, else existing.
void ReadRadios(const RadioSlots& r, PageChoices& c) {
    c.mode = *r.nothing != 0         ? AttachMode::Nothing
             : *r.relativePaths != 0 ? AttachMode::TextTemplates
                                     : AttachMode::Existing;
    c.variant = *r.mainWithFiles != 0     ? CopyVariant::MainFolderWithFiles
                : *r.subWithFiles != 0    ? CopyVariant::SubFoldersOnlyWithFiles
                : *r.subWithoutFiles != 0 ? CopyVariant::SubFoldersOnlyWithoutFiles
                                          : CopyVariant::MainFolderWithoutFiles;
}

void WriteRadios(const PageChoices& c, const RadioSlots& r) {
    *r.nothing = c.mode == AttachMode::Nothing ? 1 : 0;
    *r.relativePaths = c.mode == AttachMode::TextTemplates ? 1 : 0;
    *r.fullPaths = c.mode == AttachMode::Existing ? 1 : 0;
    *r.mainWithFiles = c.variant == CopyVariant::MainFolderWithFiles ? 1 : 0;
    *r.mainWithoutFiles = c.variant == CopyVariant::MainFolderWithoutFiles ? 1 : 0;
    *r.subWithFiles = c.variant == CopyVariant::SubFoldersOnlyWithFiles ? 1 : 0;
    *r.subWithoutFiles = c.variant == CopyVariant::SubFoldersOnlyWithoutFiles ? 1 : 0;
}

template <class Page> PageChoices Read(const Page& page) {
    PageChoices c;
    ReadRadios(SlotsOf(const_cast<Page&>(page)), c); // the slots are only read here
    return c;
}

} // namespace

PageChoices ChoicesOf(const StringsPageSettings& p) {
    PageChoices c = Read(p);
    c.prefix = p.edtVol02Prefix;
    c.suffix = p.edtVol02Suffix;
    c.hyphen = p.chkVol02Hyphen != 0;
    c.structures = p.lstVol02AddFolderStructure;
    c.showVisualLog = p.chkVol02ViewDetailedResults != 0;
    c.fillExisting = p.chkVol02FillExisting != 0;
    c.tokens = p.chkVol02Tokens != 0;
    c.showExplorer = p.chkVol02ViewDestFolder != 0;
    return c;
}

PageChoices ChoicesOf(const PathsPageSettings& p) {
    PageChoices c = Read(p);
    c.prefix = p.edtVol04Prefix;
    c.suffix = p.edtVol04Suffix;
    c.hyphen = p.chkVol04Hyphen != 0;
    c.structures = p.lstVol04AddFolderStructure;
    c.showVisualLog = p.chkVol04ViewDetailedResults != 0;
    c.fillExisting = p.chkVol04FillExisting != 0;
    c.tokens = p.chkVol04Tokens != 0;
    return c;
}

PageChoices ChoicesOf(const NumbersPageSettings& p) {
    PageChoices c = Read(p);
    c.prefix = p.edtVol03Prefix;
    c.suffix = p.edtVol03Suffix;
    c.hyphen = p.chkVol03Hyphen != 0;
    c.structures = p.lstVol03AddFolderStructure;
    c.showVisualLog = p.chkVol03ViewDetailedResults != 0;
    c.fillExisting = p.chkVol03FillExisting != 0;
    c.tokens = p.chkVol03Tokens != 0;
    c.showExplorer = p.chkVol03ViewDestFolder != 0;
    return c;
}

void StoreChoices(const PageChoices& c, StringsPageSettings& p) {
    WriteRadios(c, SlotsOf(p));
    p.edtVol02Prefix = c.prefix;
    p.edtVol02Suffix = c.suffix;
    p.chkVol02Hyphen = c.hyphen ? 1 : 0;
    p.lstVol02AddFolderStructure = c.structures;
    p.chkVol02ViewDetailedResults = c.showVisualLog ? 1 : 0;
    p.chkVol02FillExisting = c.fillExisting ? 1 : 0;
    p.chkVol02Tokens = c.tokens ? 1 : 0;
    p.chkVol02ViewDestFolder = c.showExplorer ? 1 : 0;
}

void StoreChoices(const PageChoices& c, PathsPageSettings& p) {
    WriteRadios(c, SlotsOf(p));
    p.edtVol04Prefix = c.prefix;
    p.edtVol04Suffix = c.suffix;
    p.chkVol04Hyphen = c.hyphen ? 1 : 0;
    p.lstVol04AddFolderStructure = c.structures;
    p.chkVol04ViewDetailedResults = c.showVisualLog ? 1 : 0;
    p.chkVol04FillExisting = c.fillExisting ? 1 : 0;
    p.chkVol04Tokens = c.tokens ? 1 : 0;
}

void StoreChoices(const PageChoices& c, NumbersPageSettings& p) {
    WriteRadios(c, SlotsOf(p));
    p.edtVol03Prefix = c.prefix;
    p.edtVol03Suffix = c.suffix;
    p.chkVol03Hyphen = c.hyphen ? 1 : 0;
    p.lstVol03AddFolderStructure = c.structures;
    p.chkVol03ViewDetailedResults = c.showVisualLog ? 1 : 0;
    p.chkVol03FillExisting = c.fillExisting ? 1 : 0;
    p.chkVol03Tokens = c.tokens ? 1 : 0;
    p.chkVol03ViewDestFolder = c.showExplorer ? 1 : 0;
}

std::string SavedDestination(const std::string& boxText) {
    return core::Trim(boxText);
}

} // namespace dirforge::settings

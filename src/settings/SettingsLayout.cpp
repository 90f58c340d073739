#include "settings/SettingsLayout.h"

#include <array>
#include <cstddef>

namespace dirforge::settings {

namespace {

template <typename Store> class LayoutBuilder {
public:
    using Binding = RecordBinding<Store>;

    template <typename Slot>
    void add(std::int32_t number, std::string_view key, Slot* slot,
             BlankRule blank = BlankRule::AsIs, bool trimWhenRead = false) {
        rows_.push_back(Binding{number, key, slot, blank, trimWhenRead});
    }

    /// Consecutive record numbers from first on, one per element of slots, keyed one to one.
    template <typename Slots, std::size_t N>
    void addRange(std::int32_t first, const std::array<std::string_view, N>& keys, Slots& slots) {
        static_assert(N == std::tuple_size_v<std::remove_const_t<Slots>>);
        for (std::size_t i = 0; i < N; ++i)
            add(first + static_cast<std::int32_t>(i), keys[i], &slots[i]);
    }

    void addEndMarker() { rows_.push_back(Binding{kEndMarkerRecord, "VEGVEGEVE", EndMarker{}}); }

    std::vector<Binding> take() { return std::move(rows_); }

private:
    std::vector<Binding> rows_;
};

template <typename... Keys>
constexpr std::array<std::string_view, sizeof...(Keys)> keys(Keys... k) {
    return {std::string_view(k)...};
}

} // namespace

template <typename Store> std::vector<RecordBinding<Store>> BindRecords(Store& s) {
    constexpr auto blank = BlankRule::SpaceIfEmpty;
    constexpr auto trimmedBlank = BlankRule::SpaceIfTrimmedEmpty;
    auto& tools = s.fileTools;
    auto& vol02 = s.strings;
    auto& vol04 = s.paths;
    auto& vol03 = s.numbers;
    auto& kept = s.kept;

    LayoutBuilder<Store> b;
    b.add(1, "APPNAME", &s.applicationIdentifier, blank);
    b.add(2, "DEFDIRECTRY", &s.startupFolder, blank);
    b.add(3, "SELSEDELIM", &s.selectedDelimiter, blank);
    b.add(4, "DELIMLIST", &s.delimiterList);
    b.add(5, "SELSEQUOT", &s.selectedQuotationMark, blank);
    b.add(6, "QUOTLIST", &s.quotationMarkList);

    b.add(7, "FMNAMESRDO", &tools.selectByFileNames);
    b.add(8, "FMNAMESRDO", &tools.selectByFileTypes);
    b.add(9, "FMNAMESTXT", &tools.fileNamePattern, trimmedBlank);
    b.add(10, "FMDEQINC", &tools.fileNamePatternHistory);
    b.add(11, "FMDEQINC", &tools.fileNameTerms);
    b.add(12, "FMALLTYPES", &tools.allFileTypes);
    b.add(13, "FMINCTYPES", &tools.includedTypesOnly);
    b.add(14, "FMINCTYPES", &tools.allTypesExceptExcluded);
    b.add(15, "FMONETYPES", &tools.oneSelectedType);
    b.add(16, "FMONEFILE", &tools.selectedType);
    b.add(17, "FMDEQINC", &tools.includedFileTypes);
    b.add(18, "FMDEQEXC", &tools.excludedFileTypes);
    b.add(19, "FMDEQEXC", &tools.reserveFileTypes);
    b.add(20, "FMINCCHECK", &tools.includeTermsOn);
    b.add(21, "FMNAMESTXT", &tools.includeTermsText, trimmedBlank, true);
    b.add(22, "FMDEQINC", &tools.includeTermsHistory);
    b.add(23, "FMDEQINC", &tools.includeTerms);
    b.add(24, "FMINCCHECK", &tools.excludeTermsOn);
    b.add(25, "FMNAMESTXT", &tools.excludeTermsText, trimmedBlank, true);
    b.add(26, "FMDEQINC", &tools.excludeTermsHistory);
    b.add(27, "FMDEQINC", &tools.excludeTerms);

    b.add(28, "VOL02DEST", &vol02.cboVol02DestFoldersHistory);
    b.add(29, "VOL03DEST", &vol03.cboVol03DestFoldersHistory);

    b.add(31, "VOL0201", &vol02.rdoVol02AttachNothing);
    b.add(32, "VOL0202", &vol02.rdoVol02StructureImportRelativePaths);
    b.add(33, "VOL0203", &vol02.rdoVol02StructureImportFullPaths);
    b.add(34, "VOL0204", &vol02.rdoVol02AttachMainFolderWithFiles);
    b.add(35, "VOL0205", &vol02.rdoVol02AttachMainFolderWithoutFiles);
    b.add(36, "VOL0206", &vol02.rdoVol02AttachSubFoldersOnlyWithFiles);
    b.add(37, "VOL0207", &vol02.rdoVol02AttachSubFoldersOnlyWithoutFiles);
    b.add(38, "VOL0208", &vol02.edtVol02Prefix);
    b.add(39, "VOL0209", &vol02.chkVol02Hyphen);
    b.add(40, "VOL0210", &vol02.edtVol02Suffix);

    b.add(41, "VOL0401", &vol04.rdoVol04AttachNothing);
    b.add(42, "VOL0402", &vol04.rdoVol04StructureImportRelativePaths);
    b.add(43, "VOL0403", &vol04.rdoVol04StructureImportFullPaths);
    b.add(44, "VOL0404", &vol04.rdoVol04AttachMainFolderWithFiles);
    b.add(45, "VOL0405", &vol04.rdoVol04AttachMainFolderWithoutFiles);
    b.add(46, "VOL0406", &vol04.rdoVol04AttachSubFoldersOnlyWithFiles);
    b.add(47, "VOL0407", &vol04.rdoVol04AttachSubFoldersOnlyWithoutFiles);
    b.add(48, "VOL0408", &vol04.edtVol04Prefix);
    b.add(49, "VOL0409", &vol04.chkVol04Hyphen);
    b.add(50, "VOL0410", &vol04.edtVol04Suffix);

    b.add(51, "VOL0301", &vol03.edtVol03StartNumber);
    b.add(52, "VOL0302", &vol03.edtVol03EndNumber);
    b.add(53, "VOL0303", &vol03.edtVol03Prefix);
    b.add(54, "VOL0304", &vol03.edtVol03Suffix);
    b.add(55, "VOL0305", &vol03.chkVol03Hyphen);
    b.add(56, "VOL0306", &vol03.chkVol03PaddedZeroes);
    b.add(57, "VOL0307", &vol03.rdoVol03AttachNothing);
    b.add(58, "VOL0308", &vol03.rdoVol03StructureImportRelativePaths);
    b.add(59, "VOL0309", &vol03.rdoVol03StructureImportFullPaths);
    b.add(60, "VOL0310", &vol03.rdoVol03AttachMainFolderWithFiles);
    b.add(61, "VOL0311", &vol03.rdoVol03AttachMainFolderWithoutFiles);
    b.add(62, "VOL0312", &vol03.rdoVol03AttachSubFoldersOnlyWithFiles);
    b.add(63, "VOL0313", &vol03.rdoVol03AttachSubFoldersOnlyWithoutFiles);
    b.add(64, "VOL0314", &vol03.chkVol03AddIncNumbersAsSuffix);

    b.addRange(65, keys("VOL0601", "VOL0602"), kept.vol06Numbers);
    b.addRange(67, keys("VOL0603", "VOL0604", "VOL0605", "VOL0606", "VOL0607"), kept.vol06Texts);
    b.addRange(72, keys("VOL0701", "VOL0702", "VOL0703", "VOL0704", "VOL0705"), kept.vol07Numbers);

    // These keys repeat earlier ones; they are written as the file has always carried them.
    b.add(77, "VOL0210", &vol02.chkVol02ViewDestFolder);
    b.add(78, "VOL0210", &vol02.chkVol02ViewDetailedResults);
    b.add(79, "VOL0410", &vol04.chkVol04ViewDetailedResults);
    b.add(80, "VOL0210", &vol03.chkVol03ViewDestFolder);
    b.add(81, "VOL0210", &vol03.chkVol03ViewDetailedResults);
    b.add(82, "VOL0705", &kept.vol0705Repeated);

    b.addRange(83,
               keys("VOL0801", "VOL0802", "VOL0803", "VOL0804", "VOL0805", "VOL0806", "VOL0807"),
               kept.vol08Numbers);
    b.addRange(90,
               keys("VOL1001", "VOL1002", "VOL1003", "VOL1004", "VOL1005", "VOL1006", "VOL1007",
                    "VOL1008"),
               kept.vol10Numbers);
    b.addRange(98, keys("VOL1101", "VOL1102", "VOL1103", "VOL1104", "VOL1105"), kept.vol11Numbers);
    b.addRange(103, keys("VOL1201", "VOL1202"), kept.vol12Numbers);
    b.addRange(105, keys("VOL1203", "VOL1204", "VOL1205", "VOL1206", "VOL1207", "VOL1208"),
               kept.vol12Texts);
    b.addRange(111, keys("VOL1209", "VOL1210", "VOL1211", "VOL1212", "VOL1213", "VOL1214"),
               kept.vol12MoreNumbers);
    b.add(117, "VOL0715", &kept.vol0715);
    b.addRange(118,
               keys("VOL1501", "VOL1502", "VOL1503", "VOL1504", "VOL1505", "VOL1506", "VOL1507"),
               kept.vol15Numbers);

    b.add(125, "IEMPLATE", &s.templateOptions);
    b.add(126, "VOL126", &s.rememberStartChoice);
    b.add(127, "VOL126", &s.startWith);

    b.add(128, "VOL02", &vol02.lstVol02IncludeStrings);
    b.add(129, "VOL02", &vol02.lstVol02ExcludeStrings);
    b.add(130, "VOL02", &vol02.lstVol02AddFolderStructure);
    b.add(131, "VOL03", &vol03.lstVol03AddFolderStructure);
    b.add(132, "VOL04", &vol04.lstVol04IncludeFolderList);
    b.add(133, "VOL04", &vol04.lstVol04ExcludeFolderList);
    b.add(134, "VOL04", &vol04.lstVol04AddFolderStructure);
    b.addRange(135, keys("VOL06", "VOL06"), kept.vol06Lists);
    b.addRange(137, keys("VOL07", "VOL07"), kept.vol07Lists);
    b.addRange(139, keys("VOL08", "VOL08", "VOL08"), kept.vol08Lists);
    b.addRange(142, keys("VOL10", "VOL10", "VOL10"), kept.vol10Lists);
    b.addRange(145, keys("VOL11", "VOL11"), kept.vol11Lists);
    b.addRange(147, keys("VOL12", "VOL12"), kept.vol12Lists);
    b.addRange(149, keys("VOL15", "VOL15", "VOL15"), kept.vol15Lists);

    b.add(152, "FMNAMESTXT", &vol02.cboVol02DestFoldersText, trimmedBlank);
    b.add(153, "FMNAMESTXT", &vol03.cboVol03DestFoldersText, trimmedBlank);
    b.add(154, "VOL02AD", &vol02.edtVol02AddToList);
    b.add(155, "VOL04AD", &vol04.edtVol04AddToList);
    b.addEndMarker();
    return b.take();
}

template std::vector<RecordBinding<SettingsStore>> BindRecords(SettingsStore&);
template std::vector<RecordBinding<const SettingsStore>> BindRecords(const SettingsStore&);

} // namespace dirforge::settings

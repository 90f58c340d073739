#include "ui/windows/ExamplesPages.h"

namespace dirforge::ui {

namespace {

#define ATTACH_TEMPLATES "Attach Folder Templates to Each Created Folder"
#define ATTACH_STRUCTURES "Attach Existing Folder Structures to Each Created Folder"

constexpr ExamplesPage kStringsExamples = {
    engine::PageKind::Strings,
    "TfrmDriveSelect",
    "Examples - Creating Multiple Folders from a List of Strings.",
    "ExCrStrings",
    "You can test different options by selecting different radio buttons",
    {{
        {"rdoExCrStringsAttachFolderTemplates", ATTACH_TEMPLATES},
        {"rdoExCrStringsAttachFolderStructures", ATTACH_STRUCTURES},
        {"rdoExCrStringsAttachNothing", "Attach Nothing"},
        {"rdoExCrStringsAttachMainFolders", "Main Folders and their Subfolders"},
        {"rdoExCrStringsAttachSubFoldersOnly", "Subfolders Only"},
        {"rdoExCrStringsAttachMainFoldersWithFiles",
         "Main Folders and their Subfolders - with Files"},
        {"rdoExCrStringsAttachSubFoldersOnlyWithFiles", "Subfolders Only - With Files"},
    }},
    "f:\\Clients",
    "INCLUDE list",
    {"Customer1", "Customer2"},
    "2015",
    "July",
    {"f:\\Clients\\2015-Customer1-July", "f:\\Clients\\2015-Customer2-July"},
    "Emails",
};

constexpr ExamplesPage kPathsExamples = {
    engine::PageKind::Paths,
    "TfrmExamplesCreateFolders",
    "Examples - Creating Multiple Folders using a List of Folders",
    "ExCrFolders",
    "You can test different options by selecting different radio buttons.",
    {{
        {"rdoExCrFoldersAttachFolderTemplates", ATTACH_TEMPLATES},
        {"rdoExCrFoldersAttachFolderStructures", ATTACH_STRUCTURES "."},
        {"rdoExCrFoldersAttachNothing", "Attach Nothing"},
        {"rdoExCrFoldersMainFolders", "Main Folders and their Subfolders"},
        {"rdoExCrFoldersSubFoldersOnly", "Subfolders Only"},
        {"rdoExCrFoldersMainFoldersWithFiles", "Main Folders and their Subfolders - with Files"},
        {"rdoExCrFoldersSubFoldersOnlyWithFiles", "Subfolders Only - with Files."},
    }},
    nullptr,
    "Include Folder list",
    {"f:\\Clients\\Company01", "f:\\Clients\\Company02"},
    "2015",
    "July",
    {"f:\\Clients\\2015-Company01-July", "f:\\Clients\\2015-Company02-July"},
    "E-mails",
};

constexpr ExamplesPage kNumbersExamples = {
    engine::PageKind::Numbers,
    "TfrmExamplesIncreasedNumbers",
    "Examples - Creating Multiple Folders using Increased  Numbers.",
    "ExCrInc",
    "You can test different options by selecting different radio buttons.",
    {{
        {"rdoExCrIncAttachFolderTemplates", ATTACH_TEMPLATES},
        {"rdoExCrIncAttachFolderStructures", ATTACH_STRUCTURES},
        {"rdoExCrIncAttachNothing", "Attach Nothing"},
        {"rdoExCrIncAttachMainFolders", "Main Folders and their Subfolders. "},
        {"rdoExCrIncAttachSubFoldersOnly", "Subfolders Only"},
        {"rdoExCrIncAttachMainFoldersWithFiles", "Main Folders with their Subfolders-with Files."},
        {"rdoExCrIncAttachSubFoldersOnlyWithFiles", "Subfolders Only - with Files."},
    }},
    "f:\\Clients",
    nullptr,
    {"1", "2"},
    "Customer",
    "2015",
    {"f:\\Clients\\Customer-1-2015", "f:\\Clients\\Customer-2-2015"},
    "Emails",
};

#undef ATTACH_TEMPLATES
#undef ATTACH_STRUCTURES

/// The lines below one created folder under option; the subfolder of e:\Marketing is spelled
/// as the window spells it.
std::vector<std::string> LinesBelow(ExampleOption option, const std::string& emails) {
    switch (option) {
    case ExampleOption::Templates:
        return ExampleTemplates(); // relative lines, kept as they are
    case ExampleOption::Nothing:
        return {""};
    case ExampleOption::Structures: // which selects "Main Folders and their Subfolders"
    case ExampleOption::MainFolders:
        return {"\\Marketing\\" + emails, "\\Programs\\Beta"};
    case ExampleOption::SubFoldersOnly:
        return {"\\" + emails, "\\Beta"};
    case ExampleOption::MainFoldersWithFiles:
        return {"\\Marketing\\" + emails + "\\Brochure.txt", "\\Programs\\Beta\\anchors.cpp"};
    case ExampleOption::SubFoldersOnlyWithFiles:
        return {"\\" + emails + "\\Brochure.txt", "\\Beta\\anchors.cpp"};
    }
    return {};
}

} // namespace

const ExamplesPage& ExamplesPageOf(engine::PageKind page) {
    switch (page) {
    case engine::PageKind::Paths:
        return kPathsExamples;
    case engine::PageKind::Numbers:
        return kNumbersExamples;
    case engine::PageKind::Strings:
        break;
    }
    return kStringsExamples;
}

const std::vector<std::string>& ExampleTemplates() {
    static const std::vector<std::string> templates = {"\\Seo\\Seo1", "\\Seo\\Seo2"};
    return templates;
}

const std::vector<std::string>& ExampleStructures() {
    static const std::vector<std::string> structures = {"e:\\Marketing", "f:\\Programs"};
    return structures;
}

const std::vector<std::string>& ExampleStructureInputs(ExampleOption option, ExampleChoices choices,
                                                       engine::PageKind page) {
    static const std::vector<std::string> itemTemplates = {"\\{item} Docs", "\\Seo\\{name}"};
    static const std::vector<std::string> nameTemplates = {"\\{name} Docs", "\\Seo\\{name}"};
    if (option != ExampleOption::Templates)
        return ExampleStructures();
    if (!choices.tokens)
        return ExampleTemplates();
    return page == engine::PageKind::Paths ? nameTemplates : itemTemplates;
}

std::vector<std::string> ExampleResultLines(const ExamplesPage& page, ExampleOption option,
                                            ExampleChoices choices) {
    const std::vector<std::string> below = LinesBelow(option, page.emailsFolder);
    std::vector<std::string> lines;
    lines.reserve(below.size() * page.createdFolders.size());
    for (std::size_t entry = 0; entry < page.createdFolders.size(); ++entry) {
        const std::string folder = page.createdFolders[entry];
        const std::string name = folder.substr(folder.rfind('\\') + 1);
        // {item} on the strings and numbers pages, {name} on the paths page.
        const std::string docsName =
            page.page == engine::PageKind::Paths ? name : std::string(page.inputs[entry]);
        for (std::size_t at = 0; at < below.size(); ++at) {
            // The first entry's folder holds its first line already: it is not made again.
            if (choices.fillExisting && entry == 0 && at == 0)
                continue;
            if (choices.tokens && option == ExampleOption::Templates)
                lines.push_back(folder + (at == 0 ? "\\" + docsName + " Docs" : "\\Seo\\" + name));
            else
                lines.push_back(folder + below[at]);
        }
    }
    return lines;
}

} // namespace dirforge::ui

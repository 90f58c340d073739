#include "engine/TemplateRules.h"

#include <gtest/gtest.h>

namespace dirforge::engine {
namespace {

_tagFoldersTemplateOptions Record(int code, std::string searchText = {}) {
    _tagFoldersTemplateOptions record;
    record.ReplaceNo = code == 1;
    record.ReplaceRemainder = code == 2;
    record.RemainderText = std::move(searchText);
    record.ReplaceFirst = code == 3;
    record.ReplaceAll = code == 4;
    return record;
}

TEST(TemplateOptionsTest, CodesInTheirTestingOrder) {
    MAP_FOLDER_TEMPLATE_OPTIONS options;
    std::string search = "stale";
    EXPECT_EQ(TemplateOptionFor(options, PageKind::Strings, search),
              1); // missing page: the default record
    EXPECT_EQ(search, "");

    struct Case {
        _tagFoldersTemplateOptions record;
        int code;
        const char* search;
    };
    _tagFoldersTemplateOptions noFlags = Record(0, "ignored");
    _tagFoldersTemplateOptions firstAndAll = Record(3);
    firstAndAll.ReplaceAll = 1;
    _tagFoldersTemplateOptions noAndAll = Record(4);
    noAndAll.ReplaceNo = 1;
    const Case cases[] = {
        {Record(1), 1, ""}, {Record(2, "Customer_Code"), 2, "Customer_Code"},
        {Record(3), 3, ""}, {Record(4), 4, ""},
        {noFlags, 1, ""},   {firstAndAll, 3, ""},
        {noAndAll, 1, ""},
    };
    for (const Case& c : cases) {
        SetTemplateOptions(options, PageKind::Paths, c.record);
        EXPECT_EQ(TemplateOptionFor(options, PageKind::Paths, search), c.code);
        EXPECT_EQ(search, c.search);
        EXPECT_EQ(TemplateOptionFor(options, PageKind::Numbers, search),
                  1); // other pages untouched
    }
}

TEST(TemplateRulesTest, WorkedExampleOfTheFourOptions) {
    const std::string target = "f:\\Customers\\Acme";
    const std::string temp = "\\Customer_Code\\Temp\\E-mails",
                      docs = "\\Customer_Code\\Docs\\Customer_code\\Pdf";
    struct Case {
        _tagFoldersTemplateOptions record;
        const char* tempFolder;
        const char* docsFolder;
    };
    const Case cases[] = {
        {Record(1), "f:\\Customers\\Acme\\Customer_Code\\Temp\\E-mails",
         "f:\\Customers\\Acme\\Customer_Code\\Docs\\Customer_code\\Pdf"},
        {Record(3), "f:\\Customers\\Acme\\Temp\\E-mails",
         "f:\\Customers\\Acme\\Docs\\Customer_code\\Pdf"},
        {Record(4), "f:\\Customers\\Acme\\Temp\\E-mails", "f:\\Customers\\Acme\\Docs\\Acme\\Pdf"},
        {Record(2, "Customer_Code"), "f:\\Customers\\Acme\\Acme\\Temp\\E-mails",
         "f:\\Customers\\Acme\\Acme\\Docs\\Acme\\Pdf"},
    };
    for (const Case& c : cases) {
        MAP_FOLDER_TEMPLATE_OPTIONS options;
        SetTemplateOptions(options, PageKind::Strings, c.record);
        EXPECT_EQ(JoinTemplatePath(target,
                                   TransformTemplateLine(options, PageKind::Strings, temp, target)),
                  c.tempFolder);
        EXPECT_EQ(JoinTemplatePath(target,
                                   TransformTemplateLine(options, PageKind::Strings, docs, target)),
                  c.docsFolder);
    }
}

TEST(TemplateRulesTest, SplitFirstFolder) {
    using Split = std::pair<std::string, std::string>;
    const std::pair<const char*, Split> cases[] = {
        {"\\A\\B\\C", {"A", "\\B\\C"}},
        {"\\Single", {"Single", ""}},
        {"A", {"A", ""}},
        {"/A/B", {"A", "\\B"}},
        {"f:\\A\\B", {"A", "\\B"}},
        {"\\\\A", {"", "\\A"}},
        {"", {"", ""}},
    };
    for (const auto& [line, split] : cases)
        EXPECT_EQ(SplitFirstFolder(line), split) << line;
}

TEST(TemplateRulesTest, FirstFolderNameReplacedAnywhereInAnyLetterCase) {
    struct Case {
        const char* line;
        const char* target;
        const char* result;
    };
    const Case cases[] = {
        {"\\Cust\\Customers", "f:\\x\\Acme", "\\Acmeomers"}, // inside longer names too
        {"\\Customer_Code\\Docs\\CUSTOMER_code", "f:\\x\\Acme", "\\Docs\\Acme"},
        {"\\Ärzte\\ÄRZTE\\ärzte-Liste", "f:/x/ Praxis ",
         "\\Praxis\\Praxis-Liste"}, // beyond ASCII, name trimmed
        {"\\Σχέδια\\ΣΧΈΔΙΑ", "f:\\x\\Plans", "\\Plans"},
        {"\\aa\\aaa", "f:\\x\\b", "\\ba"},      // matches do not overlap
        {"\\a\\a\\A", "f:\\x\\aa", "\\aa\\aa"}, // replacements are not searched again
        {"\\Single", "f:\\x\\Acme", ""},
        {"\\\\Docs", "f:\\x\\Acme", "\\Docs"}, // an empty first name replaces nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceFirstFolderName(c.line, c.target), c.result) << c.line;
}

TEST(TemplateRulesTest, SearchTextReplacement) {
    EXPECT_EQ(ReplaceSearchText("\\CODE\\x\\code", "Code", "f:\\C\\P-A-S"), "\\P-A-S\\x\\P-A-S");
    EXPECT_EQ(ReplaceSearchText("\\Code\\x", "", "f:\\C\\A"), "\\Code\\x");
    EXPECT_EQ(ReplaceSearchText("\\Öl\\öL", "öl", "f:\\C\\A"), "\\A\\A");
}

TEST(TemplateRulesTest, JoinStaysInsideTheNewFolder) {
    const std::pair<const char*, const char*> cases[] = {
        {"\\B\\", "f:\\A\\B"},
        {"//B//C", "f:\\A\\B\\C"},
        {"c:\\B", ""},
        {"\\..\\Other", ""},
        {"\\B\\..", ""},
        {"/../x", ""},
        {"\\..dotsdir", "f:\\A\\..dotsdir"},
        {"\\a..b\\c..", "f:\\A\\a..b\\c.."},
    };
    for (const auto& [relative, joined] : cases)
        EXPECT_EQ(JoinTemplatePath("f:\\A", relative), joined) << relative;
    EXPECT_EQ(JoinTemplatePath("f:\\A\\", "\\B"), "f:\\A\\B");
}

TEST(TemplateRulesTest, NumberAppendedToEveryElement) {
    struct Case {
        const char* relative;
        const char* prefix;
        const char* result;
    };
    const Case cases[] = {
        {"\\Docs\\Images", "P", "\\Docs7\\Images7"},
        {"\\Docs\\Images", "P  ", "\\Docs  7\\Images  7"},
        {"\\Docs", "P\t", "\\Docs 7"},  // any trailing control character becomes one blank
        {"\\Docs\\", "", "\\Docs7\\7"}, // a trailing backslash gets an element of its own
        {"c:\\Docs", "", "\\Docs7"},
        {"Docs", "", "\\Docs7"},
        {"", "P", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AppendNumberToElements(c.relative, c.prefix, "7"), c.result)
            << c.relative << "|" << c.prefix;
}

} // namespace
} // namespace dirforge::engine

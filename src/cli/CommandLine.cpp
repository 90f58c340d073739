#include "cli/CommandLine.h"

#include "DirforgeVersion.h"

#include <CLI/CLI.hpp>

#include <cctype>
#include <limits>
#include <map>

namespace dirforge::cli {

namespace {

using engine::AttachMode;
using engine::CopyVariant;

const std::map<std::string, AttachMode> kAttachModes{{"nothing", AttachMode::Nothing},
                                                     {"existing", AttachMode::Existing},
                                                     {"templates", AttachMode::TextTemplates}};

const std::map<std::string, CopyVariant> kCopyVariants{
    {"main", CopyVariant::MainFolderWithoutFiles},
    {"sub", CopyVariant::SubFoldersOnlyWithoutFiles},
    {"main-files", CopyVariant::MainFolderWithFiles},
    {"sub-files", CopyVariant::SubFoldersOnlyWithFiles}};

constexpr const char* kReplaceTextPrefix = "replace-text=";

/// Accepts one of the map's keys, any letter case (the text is lower-cased for the lookup after
/// parsing).
template <typename Value> CLI::Validator OneOf(const std::map<std::string, Value>& choices) {
    return CLI::Validator(
        [&choices](std::string& text) {
            for (char& c : text)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (choices.count(text) != 0)
                return std::string();
            std::string names;
            for (const auto& choice : choices)
                names += (names.empty() ? "" : ", ") + choice.first;
            return "\"" + text + "\" is not one of " + names;
        },
        "");
}

struct OptionText {
    const char* name;
    const char* help;
};

/// A list given either as a file or item by item (not both).
void AddListSource(CLI::App& command, OptionText fileOption, std::string& file,
                   OptionText itemOption, const char* itemType, std::vector<std::string>& items) {
    CLI::Option* fromFile =
        command.add_option(fileOption.name, file, fileOption.help)->type_name("FILE");
    command.add_option(itemOption.name, items, itemOption.help)
        ->type_name(itemType)
        ->excludes(fromFile);
}

/// Names built from several columns of a separated --names file (strings only).
void AddColumnOptions(CLI::App& command, BatchOptions& options) {
    command
        .add_option("--columns", options.columns,
                    "Read --names FILE as a separated file: one name per row built from its "
                    "columns, such as \"{1} {2} ({3})\" (or one column number)")
        ->type_name("PATTERN");
    command
        .add_option("--delimiter", options.delimiter,
                    "What separates the columns for --columns; \"space\" for a blank (default: "
                    "a comma)")
        ->type_name("TEXT");
    command
        .add_option("--quote", options.quote,
                    "The quotation mark around columns holding the delimiter, for --columns "
                    "(default: the double quote)")
        ->type_name("CHAR");
}

/// The options the three creation commands share, and the option handles the later checks need.
struct CommonOptions {
    std::string attach = "nothing";
    std::string copy = "main";
    CLI::Option* structure = nullptr;
    CLI::Option* copyOption = nullptr;
    CLI::Option* templates = nullptr;
    CLI::Option* templateFiles = nullptr;
    CLI::Option* templateOption = nullptr;
    CLI::Option* numberSuffix = nullptr;
};

void AddQuietFlag(CLI::App& command, BatchOptions& options) {
    command.add_flag("--quiet", options.quiet, "No progress line on standard error");
}

void AddCommonOptions(CLI::App& command, BatchOptions& options, CommonOptions& common,
                      std::string& templateOption) {
    command.add_option("--prefix", options.prefix, "Text put before every new folder's name");
    command.add_option("--suffix", options.suffix, "Text put after every new folder's name");
    command.add_flag("--hyphen", options.hyphen, "Join prefix, name and suffix with hyphens");
    command
        .add_option("--attach", common.attach, "What each new folder receives (default: nothing)")
        ->check(OneOf(kAttachModes))
        ->type_name("nothing|existing|templates");
    common.structure =
        command
            .add_option("--structure", options.structures,
                        "A folder tree copied into each new folder (--attach existing)")
            ->type_name("PATH");
    common.copyOption =
        command
            .add_option("--copy", common.copy, "What of each structure is copied (default: main)")
            ->check(OneOf(kCopyVariants))
            ->type_name("main|sub|main-files|sub-files");
    common.templates =
        command
            .add_option("--template", options.templates,
                        "A relative template line such as \\Docs\\Drafts (--attach templates)")
            ->type_name("TEXT");
    common.templateFiles = command
                               .add_option("--templates", options.templateFiles,
                                           "A text file of relative template lines, one per line")
                               ->type_name("FILE");
    common.templateOption = command
                                .add_option("--template-option", templateOption,
                                            "How template lines are transformed (default: keep)")
                                ->type_name("keep|drop-first|replace-first|replace-text=TEXT");
    command.add_flag("--fill-existing", options.fillExisting,
                     "Also complete folders that already exist: only what is missing is made");
    command.add_flag("--tokens", options.tokens,
                     "Replace {name}, {item}, {date}, {yyyy}, {mm} and {dd} in prefix, suffix, "
                     "template lines, copied names and small text files");
    command.add_flag("--simulate", options.simulate,
                     "Only show what a run would do; nothing is written");
    command
        .add_option("--journal", options.journal,
                    "Write the run's undo journal here (left untouched by --simulate)")
        ->type_name("FILE");
    command.add_flag("--json", options.json, "Print the outcome as one JSON object");
    command
        .add_option(
            "--profile", options.profile,
            "A profile saved by the window (File > Save Profile...): the page's set-up fills every "
            "option not given here")
        ->type_name("FILE");
    AddQuietFlag(command, options);
}

/// The long names (without dashes) of the command's options given on the command line.
std::set<std::string> GivenOptions(const CLI::App& command) {
    std::set<std::string> given;
    for (const CLI::Option* option : command.get_options())
        if (option->count() > 0)
            given.insert(option->get_single_name());
    return given;
}

} // namespace

std::string CheckRunOptions(const BatchOptions& options) {
    const bool fromProfile = !options.profile.empty();
    const char* profileNote = fromProfile ? " (the profile has none)" : "";
    if (options.command == Command::Strings && options.namesFile.empty() && options.names.empty())
        return std::string("strings needs --names FILE or at least one --name TEXT") + profileNote;
    if (options.command == Command::Paths && options.pathsFile.empty() && options.paths.empty())
        return std::string("paths needs --paths FILE or at least one --path PATH") + profileNote;
    if (options.wasGiven("columns") && options.namesFile.empty())
        return "--columns needs --names FILE";
    if ((options.wasGiven("delimiter") || options.wasGiven("quote")) &&
        !options.wasGiven("columns"))
        return "--delimiter and --quote need --columns";
    if (options.quote.size() != 1)
        return "--quote takes one character, such as \"";
    if ((options.command == Command::Strings || options.command == Command::Numbers) &&
        options.destination.empty())
        return std::string("--dest is required") + profileNote;
    if (options.command == Command::Numbers && !fromProfile &&
        !(options.wasGiven("start") && options.wasGiven("end")))
        return "numbers needs --start and --end (or a --profile)";
    if (options.attach != AttachMode::Existing &&
        (options.wasGiven("structure") || options.wasGiven("copy")))
        return "--structure and --copy need --attach existing";
    const bool templateOptionsGiven =
        options.wasGiven("template") || options.wasGiven("templates") ||
        options.wasGiven("template-option") || options.wasGiven("number-suffix");
    if (options.attach != AttachMode::TextTemplates && templateOptionsGiven)
        return "--template, --templates, --template-option and --number-suffix need --attach "
               "templates";
    return {};
}

bool ParseTemplateOption(const std::string& text, engine::_tagFoldersTemplateOptions& record,
                         std::string& error) {
    record = engine::_tagFoldersTemplateOptions{};
    if (text == "keep")
        return true;
    record.ReplaceNo = 0;
    if (text == "drop-first") {
        record.ReplaceFirst = 1;
    } else if (text == "replace-first") {
        record.ReplaceAll = 1;
    } else if (text.rfind(kReplaceTextPrefix, 0) == 0) {
        record.ReplaceRemainder = 1;
        record.RemainderText = text.substr(std::string(kReplaceTextPrefix).size());
    } else {
        record = engine::_tagFoldersTemplateOptions{};
        error = "--template-option: \"" + text +
                "\" is not one of keep, drop-first, replace-first, replace-text=TEXT";
        return false;
    }
    return true;
}

std::optional<int> ParseCommandLine(int argc, const char* const* argv, BatchOptions& options,
                                    std::ostream& out, std::ostream& err) {
    CLI::App app{"Creates many folders at once, simulates a run first, or undoes the last one.",
                 "dirforge-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("dirforge-cli ") + kVersion,
                         "Print the version and exit");
    app.add_option("--drive", options.driveMappings,
                   "Map a drive letter to a host folder (adds to DIRFORGE_DRIVES)")
        ->type_name("L=HOSTDIR");

    std::string templateOption = "keep";
    CLI::App* strings =
        app.add_subcommand("strings", "Create one folder per name under a destination");
    strings
        ->add_option("--dest", options.destination,
                     "Destination folder (required without --profile)")
        ->type_name("PATH");
    AddListSource(*strings, {"--names", "Text file with one name per line"}, options.namesFile,
                  {"--name", "One name"}, "TEXT", options.names);
    AddColumnOptions(*strings, options);
    CommonOptions stringsCommon;
    AddCommonOptions(*strings, options, stringsCommon, templateOption);

    CLI::App* paths = app.add_subcommand("paths", "Create every listed full path");
    AddListSource(*paths, {"--paths", "Text file with one full path per line"}, options.pathsFile,
                  {"--path", "One full path"}, "PATH", options.paths);
    CommonOptions pathsCommon;
    AddCommonOptions(*paths, options, pathsCommon, templateOption);

    CLI::App* numbers =
        app.add_subcommand("numbers", "Create one folder per number from start to end");
    numbers
        ->add_option("--dest", options.destination,
                     "Destination folder (required without --profile)")
        ->type_name("PATH");
    numbers->add_option("--start", options.startNumber, "First number (required without --profile)")
        ->check(CLI::Range(1, std::numeric_limits<std::int32_t>::max()));
    numbers->add_option("--end", options.endNumber, "Last number (required without --profile)")
        ->check(CLI::Range(1, std::numeric_limits<std::int32_t>::max()));
    numbers->add_flag("--pad", options.padded,
                      "Pad numbers with zeroes to the width of the end number");
    CommonOptions numbersCommon;
    AddCommonOptions(*numbers, options, numbersCommon, templateOption);
    numbersCommon.numberSuffix =
        numbers->add_flag("--number-suffix", options.numberSuffix,
                          "Append the number to every template subfolder (--attach templates)");

    CLI::App* undo = app.add_subcommand("undo", "Remove what the run recorded in a journal made");
    undo->add_option("--journal", options.journal, "The run's undo journal")
        ->required()
        ->type_name("FILE");
    undo->add_flag("--json", options.json, "Print the outcome as one JSON object");
    AddQuietFlag(*undo, options);

    for (CLI::App* command : {strings, paths, numbers, undo})
        command->fallthrough(); // --drive may also follow the command

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        app.exit(e, out, err);
        return e.get_exit_code() == 0 ? ExitCompleted : ExitUsage;
    }

    const CommonOptions* common = nullptr;
    if (strings->parsed()) {
        options.command = Command::Strings;
        common = &stringsCommon;
        options.given = GivenOptions(*strings);
    } else if (paths->parsed()) {
        options.command = Command::Paths;
        common = &pathsCommon;
        options.given = GivenOptions(*paths);
    } else if (numbers->parsed()) {
        options.command = Command::Numbers;
        common = &numbersCommon;
        options.given = GivenOptions(*numbers);
    } else {
        options.command = Command::Undo;
        return std::nullopt;
    }
    options.attach = kAttachModes.at(common->attach);
    options.copy = kCopyVariants.at(common->copy);
    // With a profile the checks wait until it has filled the options not given (RunBatch).
    std::string error = options.profile.empty() ? CheckRunOptions(options) : std::string();
    if (error.empty())
        ParseTemplateOption(templateOption, options.templateOption, error);
    if (!error.empty()) {
        err << "dirforge-cli: " << error << "\nRun with --help for more information.\n";
        return ExitUsage;
    }
    return std::nullopt;
}

} // namespace dirforge::cli

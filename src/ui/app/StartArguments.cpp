#include "ui/app/StartArguments.h"

#include "DirforgeVersion.h"
#include "platform/TypedPaths.h"
#include "ui/app/AppContext.h"
#include "ui/app/TfrmMain.h"
#include "ui/common/QtText.h"
#include "ui/pages/strings/StringsPage.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTabWidget>

namespace dirforge::ui {

const char* const kStartUsage =
    "Usage: dirforge [--help] [--version] [Qt options such as -platform NAME] "
    "[FOLDER | PROFILE.set]...\n"
    "\n"
    "Creates many folders at once from names, full paths or number ranges, in one window.\n"
    "\n"
    "  FOLDER        becomes the destination of the strings page, as if chosen with Browse\n"
    "  PROFILE.set   is opened as File > Open Profile... does\n"
    "  -h, --help    prints this text\n"
    "  --version     prints the version\n"
    "\n"
    "Paths may be host paths (/srv/data/Clients, relative ones from the current folder) or\n"
    "drive paths (f:\\Clients).\n"
    "Its own files (default.set and the WorkingDir folders) are kept in $DIRFORGE_HOME when\n"
    "set, else in $XDG_DATA_HOME/dirforge, else in ~/.local/share/dirforge.\n"
    "Drive letters beyond c: (which is /) come from DIRFORGE_DRIVES, e.g. 'f=/srv/data'.\n";

namespace {

constexpr const char* kTryHelp = "\nTry 'dirforge --help' for more information.";

/// The parser of the program's own options; positional arguments are the paths.
struct StartParser {
    StartParser() {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(QStringLiteral("paths"),
                                     QStringLiteral("Folders and profiles to open."),
                                     QStringLiteral("[FOLDER | PROFILE.set]..."));
    }

    /// --help or --version when given, else Start.
    StartArguments information() const {
        StartArguments answer;
        if (parser.isSet(help)) {
            answer.outcome = StartArguments::Outcome::Answered;
            answer.message = kStartUsage;
        } else if (parser.isSet(version)) {
            answer.outcome = StartArguments::Outcome::Answered;
            answer.message = std::string("dirforge ") + kVersion + "\n";
        }
        return answer;
    }

    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};
};

StartArguments Refused(const std::string& reason) {
    StartArguments refused;
    refused.outcome = StartArguments::Outcome::Refused;
    refused.message = "dirforge: " + reason + kTryHelp + "\n";
    return refused;
}

/// A drive path ("f:\Clients") is taken as it is; anything else is a host path, a relative
/// one from the current folder.
std::string AbsoluteArgument(const QString& argument) {
    const bool drivePath = argument.size() >= 2 && argument[1] == QLatin1Char(':') &&
                           argument[0].isLetter() && argument[0].unicode() < 128;
    if (drivePath || argument.startsWith(QLatin1Char('~')))
        return FromQt(argument);
    return FromQt(QFileInfo(argument).absoluteFilePath());
}

} // namespace

StartArguments ReadInformationArguments(const QStringList& arguments) {
    StartParser start;
    start.parser.parse(arguments); // unknown options wait for the full reading
    return start.information();
}

StartArguments ReadStartArguments(const QStringList& arguments, const platform::DriveMap& drives) {
    StartParser start;
    if (!start.parser.parse(arguments))
        return Refused(FromQt(start.parser.errorText()));
    StartArguments answer = start.information();
    if (answer.outcome != StartArguments::Outcome::Start)
        return answer;
    for (const QString& argument : start.parser.positionalArguments()) {
        const platform::TypedPath typed = platform::TypedPathToDrive(
            drives, AbsoluteArgument(argument), platform::HostHomeFolder());
        if (typed.kind == platform::TypedPath::Kind::Unmapped)
            return Refused("'" + FromQt(argument) + "' lies on no drive; " +
                           "DIRFORGE_DRIVES can map a letter to a folder above it.");
        const std::optional<std::string> host = drives.toHost(typed.path);
        const QFileInfo found(host ? ToQt(*host) : QString());
        if (!host || !found.exists())
            return Refused("'" + FromQt(argument) + "': no such folder or profile file.");
        answer.paths.push_back(
            {found.isDir() ? StartPath::Kind::Folder : StartPath::Kind::Profile, typed.path});
    }
    return answer;
}

void ApplyStartArguments(AppContext& context, const std::vector<StartPath>& paths) {
    TfrmMain& window = context.mainWindow();
    for (const StartPath& start : paths) {
        if (start.kind == StartPath::Kind::Profile) {
            window.openProfile(start.path);
            continue;
        }
        window.findChild<QTabWidget*>(QStringLiteral("pgeMain"))
            ->setCurrentWidget(&window.tabSheet(engine::PageKind::Strings));
        static_cast<StringsPage*>(window.page(engine::PageKind::Strings))
            ->SetDestination(start.path);
    }
}

} // namespace dirforge::ui

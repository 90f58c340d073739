// dirforge-cli's reports tell the truth: --simulate reports what the run then does, and a
// destination on a drive that is not there is refused with a message naming the drive.

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace dirforge::testing {
namespace {

using Strings = std::vector<std::string>;

struct TruthCase {
    const char* what;
    Strings args;
};

TEST(CliReportTruth, TheSimulationReportsWhatTheRunDoes) {
    const TruthCase cases[] = {
        {"duplicate names",
         {"strings", "--dest", "f:\\Top\\D", "--name", "A", "--name", "A", "--name", "A\\B",
          "--name", "A/B", "--name", "C\\D", "--name", "C"}},
        {"template line twice",
         {"strings", "--dest", "f:\\Top\\D", "--name", "\\sub", "--name", "X", "--attach",
          "templates", "--template", "\\T", "--template", "\\T"}},
        {"structure around the destination",
         {"numbers", "--dest", "f:\\Top\\D", "--start", "1", "--end", "6", "--attach", "existing",
          "--structure", "f:\\Top"}},
    };
    for (const TruthCase& c : cases) {
        TempDrives drives;
        drives.makeFolder("f:\\Top\\D");
        drives.makeFile("f:\\Top\\D\\F", "a file where a folder could go");
        Strings simulate = c.args;
        simulate.insert(simulate.end(), {"--simulate", "--json"});
        Strings real = c.args;
        real.push_back("--json");
        const CliResult dry = RunCli(drives, simulate);
        const CliResult run = RunCli(drives, real);
        ASSERT_EQ(dry.status, 0) << c.what << dry.err;
        ASSERT_EQ(run.status, 0) << c.what << run.err;
        EXPECT_EQ(dry.json().at("counters"), run.json().at("counters")) << c.what;
        EXPECT_EQ(dry.json().at("lists"), run.json().at("lists")) << c.what;
    }
}

TEST(CliReportTruth, ADestinationOnADriveThatIsNotThereIsRefused) {
    TempDrives drives;
    for (const bool simulate : {false, true}) {
        Strings args{"strings", "--dest", "q:\\D", "--name", "A", "--json"};
        if (simulate)
            args.push_back("--simulate");
        const CliResult result = RunCli(drives, args);
        EXPECT_EQ(result.status, 1) << result.err;
        const nlohmann::json messages = result.json().at("messages");
        ASSERT_EQ(messages.size(), 1u) << messages.dump();
        EXPECT_EQ(messages[0].at("title"),
                  "Creating Folder(s).-From a String List.            Warning no: 20079.");
        EXPECT_NE(messages[0].at("text").get<std::string>().find("The disk q:\\ is not available"),
                  std::string::npos);
    }
}

} // namespace
} // namespace dirforge::testing

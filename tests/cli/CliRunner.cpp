#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace dirforge::testing {

namespace {

std::string ReadAll(const std::string& hostPath) {
    std::ifstream in(hostPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

nlohmann::json CliResult::json() const {
    try {
        return nlohmann::json::parse(out);
    } catch (const nlohmann::json::exception& e) {
        ADD_FAILURE() << "not JSON (" << e.what() << "): " << out << "\nstderr: " << err;
        return nullptr;
    }
}

std::string DrivesEnvironment(const TempDrives& drives) {
    return "f=" + drives.hostRoot() + "/f;g=" + drives.hostRoot() + "/g";
}

CliResult RunCli(const TempDrives& drives, const std::vector<std::string>& args, const std::string& drivesOverride) {
    const std::string outPath = drives.hostRoot() + "/.cli-stdout";
    const std::string errPath = drives.hostRoot() + "/.cli-stderr";
    const std::string environment = drivesOverride.empty() ? DrivesEnvironment(drives) : drivesOverride;

    std::vector<char*> argv;
    std::string program = DIRFORGE_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        // Only async-signal-safe work between fork and exec: open, dup2, chdir, setenv is fine
        // in this single-threaded test binary.
        if (!freopen(outPath.c_str(), "w", stdout) || !freopen(errPath.c_str(), "w", stderr) ||
            chdir(drives.hostRoot().c_str()) != 0 || setenv("DIRFORGE_DRIVES", environment.c_str(), 1) != 0)
            _exit(127);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    CliResult result;
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        ADD_FAILURE() << "could not run " << program;
        return result;
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadAll(outPath);
    result.err = ReadAll(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return result;
}

} // namespace dirforge::testing

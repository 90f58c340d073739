#include "CliRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string_view>
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

/// The process environment with DIRFORGE_DRIVES set to drivesValue.
std::vector<std::string> ChildEnvironment(const std::string& drivesValue) {
    const std::string key = "DIRFORGE_DRIVES=";
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry)
        if (std::string_view(*entry).substr(0, key.size()) != key)
            entries.emplace_back(*entry);
    entries.push_back(key + drivesValue);
    return entries;
}

std::vector<char*> NullTerminated(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
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

CliChild StartCli(const TempDrives& drives, const std::vector<std::string>& args,
                  const std::string& drivesOverride) {
    CliChild started{-1, drives.hostRoot() + "/.cli-stdout", drives.hostRoot() + "/.cli-stderr"};
    std::vector<std::string> environment =
        ChildEnvironment(drivesOverride.empty() ? DrivesEnvironment(drives) : drivesOverride);
    const std::string program = DIRFORGE_CLI_PATH;
    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), args.begin(), args.end());

    // posix_spawn rather than fork: window tests that run the binary have threads of their own.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, started.outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, started.errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&actions, drives.hostRoot().c_str());
    pid_t child = -1;
    const int spawned =
        posix_spawn(&child, program.c_str(), &actions, nullptr, NullTerminated(arguments).data(),
                    NullTerminated(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        ADD_FAILURE() << "could not run " << program;
    else
        started.pid = child;
    return started;
}

CliResult WaitCli(CliChild& child) {
    CliResult result;
    int status = 0;
    if (child.pid <= 0 || waitpid(child.pid, &status, 0) != child.pid) {
        ADD_FAILURE() << "dirforge-cli did not run";
        return result;
    }
    child.pid = -1;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadAll(child.outPath);
    result.err = ReadAll(child.errPath);
    std::remove(child.outPath.c_str());
    std::remove(child.errPath.c_str());
    return result;
}

CliResult RunCli(const TempDrives& drives, const std::vector<std::string>& args,
                 const std::string& drivesOverride) {
    CliChild child = StartCli(drives, args, drivesOverride);
    return WaitCli(child);
}

engine::RunJournal JournalIn(const TempDrives& drives, const std::string& name) {
    std::string error;
    auto journal =
        engine::JournalFromJson(drives.readText("c:" + drives.hostRoot() + "/" + name), error);
    EXPECT_TRUE(journal.has_value()) << error;
    return journal ? std::move(*journal) : engine::RunJournal{};
}

} // namespace dirforge::testing

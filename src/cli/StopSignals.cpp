#include "cli/StopSignals.h"

#include <csignal>

namespace dirforge::cli {

namespace {

volatile std::sig_atomic_t caughtSignal = 0;

struct sigaction previousInt {};
struct sigaction previousTerm {};

extern "C" void RememberStopSignal(int signal) {
    if (caughtSignal == 0)
        caughtSignal = signal;
}

} // namespace

StopSignals::StopSignals() {
    caughtSignal = 0;
    struct sigaction action {};
    action.sa_handler = RememberStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART; // file-system calls go on; the work stops between items
    sigaction(SIGINT, &action, &previousInt);
    sigaction(SIGTERM, &action, &previousTerm);
}

StopSignals::~StopSignals() {
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
}

int StopSignals::Caught() {
    return caughtSignal;
}

} // namespace dirforge::cli

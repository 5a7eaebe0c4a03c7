#include "sim/sim_loop.h"

#include "sim/paced_output.h"
#include "sim/simulated_transmitter.h"
#include "sim/state_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace skarvion::sim {

namespace {

constexpr int IdlePollMs = 200;
constexpr int MaxPacingPollMs = 10;
constexpr int NoProgramRetryMs = 50;

std::int64_t nowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

class Simulator {
  public:
    Simulator(const SimOptions& options, int fd)
        : options_(options), fd_(fd), device_(options.transmitter, initialData(options)) {}

    int run(const volatile std::sig_atomic_t& stop) {
        while (!stop) {
            if (!step()) return 1;
        }
        return 0;
    }

  private:
    static std::string initialData(const SimOptions& options) {
        if (!options.statePath.empty())
            if (auto stored = LoadState(options.statePath)) return *stored;
        return SimulatedTransmitter::FactoryData();
    }

    void report(const std::string& line) const {
        if (!options_.quiet) std::fprintf(stderr, "skarvion-sim: %s\n", line.c_str());
    }

    int pollTimeoutMs(std::int64_t now) const {
        const auto next = output_.nextDueUs();
        if (!next) return IdlePollMs;
        return static_cast<int>(
            std::clamp<std::int64_t>((*next - now + 999) / 1000, 0, MaxPacingPollMs));
    }

    void sendDue(std::int64_t now) {
        const std::string due = output_.due(now);
        if (due.empty()) return;
        const ssize_t written = ::write(fd_, due.data(), due.size());
        if (written > 0)
            output_.consume(static_cast<std::size_t>(written));
        else if (written < 0 && errno != EAGAIN && errno != EINTR)
            output_.clear();
    }

    void received(const char* bytes, std::size_t count, std::int64_t now) {
        connected_ = true;
        const int commitsBefore = device_.commits();
        for (Answer& a : device_.receive({bytes, count}))
            output_.schedule(a.bytes, now + std::int64_t{a.delayMs} * 1000);
        for (const std::string& line : device_.takeLog())
            report(line);
        if (device_.commits() != commitsBefore && !options_.statePath.empty() &&
            !SaveState(options_.statePath, device_.storedData()))
            report("cannot write the state file " + options_.statePath);
    }

    // No program has the terminal open: drop what was half received and wait.
    void programGone() {
        if (connected_) report("the program closed the terminal");
        connected_ = false;
        device_.lineDropped();
        output_.clear();
        ::usleep(NoProgramRetryMs * 1000);
    }

    bool step() {
        sendDue(nowUs());
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, pollTimeoutMs(nowUs()));
        if (ready < 0) {
            if (errno == EINTR) return true;
            report(std::string("poll failed: ") + std::strerror(errno));
            return false;
        }
        if (ready == 0) return true;
        if (p.revents & POLLIN) {
            char buffer[4096];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n > 0) {
                received(buffer, static_cast<std::size_t>(n), nowUs());
                return true;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) return true;
        }
        programGone();
        return true;
    }

    const SimOptions& options_;
    int fd_;
    SimulatedTransmitter device_;
    PacedOutput output_;
    bool connected_ = false;
};

} // namespace

int RunSimulator(const SimOptions& options, PseudoTerminal& terminal,
                 const volatile std::sig_atomic_t& stop) {
    Simulator simulator(options, terminal.masterFd());
    return simulator.run(stop);
}

} // namespace skarvion::sim

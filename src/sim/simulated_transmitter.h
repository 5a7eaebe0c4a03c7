#pragma once

// The CPU block of a transmitter as the configuration program meets it: it
// answers the probes, the dump header and the read command, takes a
// configuration frame, echoes it and commits it when its code digest matches
// the work code.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skarvion::sim {

struct TransmitterOptions {
    bool silent = false;                          // answers nothing at all
    std::string dumpHeader = "DUMP005";           // another value: a wrong dump header
    std::string identification = " SK2050 v5.10"; // follows the dump header
    bool corruptEcho = false;                     // echoes the frame with one byte changed
    std::string workCode = "8461";
};

// Bytes to send, and how long the device takes before it starts sending them.
struct Answer {
    std::string bytes;
    int delayMs = 0;
};

class SimulatedTransmitter {
  public:
    // storedData: what "#####" returns before the first commit (payload and trailer).
    SimulatedTransmitter(TransmitterOptions options, std::string storedData);

    // The data of a device that was never written: a freshly reset configuration.
    static std::string FactoryData();

    // Bytes from the program, in arrival order; returns the answers they call for.
    std::vector<Answer> receive(std::string_view bytes);
    // The program went away: a half-received command or frame is dropped.
    void lineDropped();

    const std::string& storedData() const { return stored_; }
    int commits() const { return commits_; }
    // The account bytes of the last "OBJ" command.
    const std::string& account() const { return account_; }
    // What happened since the last call, one line per event.
    std::vector<std::string> takeLog();

  private:
    void onByte(char byte, std::vector<Answer>& answers);
    bool onCommand(std::vector<Answer>& answers);
    void onFrameComplete(std::vector<Answer>& answers);
    void onCommit(std::vector<Answer>& answers);
    void answer(std::vector<Answer>& answers, std::string bytes, int delayMs);

    TransmitterOptions options_;
    std::string stored_;
    std::string pending_; // command bytes received so far
    std::string frame_;   // the frame being received, or the last one complete
    std::size_t frameRemaining_ = 0;
    bool frameValid_ = false;
    std::string account_;
    int commits_ = 0;
    std::vector<std::string> log_;
};

} // namespace skarvion::sim

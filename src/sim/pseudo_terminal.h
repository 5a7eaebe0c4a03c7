#pragma once

// A pseudo-terminal pair: the simulator keeps the controlling (master) side,
// the program under test opens the terminal's path as its serial port.

#include <string>

namespace skarvion::sim {

class PseudoTerminal {
  public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Creates the pair in raw mode at 9600 baud; false with error() set on failure.
    bool create();
    void close();

    int masterFd() const { return master_; }
    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

  private:
    int master_ = -1;
    std::string path_;
    std::string error_;
};

} // namespace skarvion::sim

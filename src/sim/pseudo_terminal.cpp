#include "sim/pseudo_terminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace skarvion::sim {

PseudoTerminal::~PseudoTerminal() {
    close();
}

bool PseudoTerminal::create() {
    close();
    const auto fail = [this](const char* step) {
        error_ = std::string(step) + ": " + std::strerror(errno);
        close();
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return fail("posix_openpt");
    if (::grantpt(master_) != 0) return fail("grantpt");
    if (::unlockpt(master_) != 0) return fail("unlockpt");
    const char* name = ::ptsname(master_);
    if (!name) return fail("ptsname");
    path_ = name;

    // Settings made through the master apply to the terminal's side: raw bytes,
    // no echo, so a program sees exactly what the simulator sends.
    termios tio{};
    if (::tcgetattr(master_, &tio) != 0) return fail("tcgetattr");
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    if (::tcsetattr(master_, TCSANOW, &tio) != 0) return fail("tcsetattr");

    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) return fail("fcntl");
    return true;
}

void PseudoTerminal::close() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
    path_.clear();
}

} // namespace skarvion::sim

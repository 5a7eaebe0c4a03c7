#pragma once

// Bytes on their way to the program, released no faster than a 9600-baud
// line with 8 data bits, no parity and 1 stop bit carries them.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace skarvion::sim {

class PacedOutput {
  public:
    static constexpr std::int64_t BitsPerByte = 10; // start, 8 data, stop
    static constexpr std::int64_t BaudRate = 9600;

    // Queues bytes to start no earlier than notBeforeUs, after those queued before.
    void schedule(std::string_view bytes, std::int64_t notBeforeUs);
    // The bytes whose time has come, without removing them.
    std::string due(std::int64_t nowUs) const;
    // Removes the first `count` bytes (those written).
    void consume(std::size_t count);
    // When the next byte is due; none when the queue is empty.
    std::optional<std::int64_t> nextDueUs() const;
    void clear();
    bool empty() const { return queue_.empty(); }

  private:
    struct Timed {
        std::int64_t dueUs;
        char byte;
    };
    std::deque<Timed> queue_;
    std::int64_t lineFreeUs_ = 0; // when the last queued byte has left the line
};

} // namespace skarvion::sim

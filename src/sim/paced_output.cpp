#include "sim/paced_output.h"

#include <algorithm>

namespace skarvion::sim {

namespace {

// Start of byte i of a run that begins at `start`, in microseconds.
std::int64_t byteStart(std::int64_t start, std::int64_t i) {
    return start + i * PacedOutput::BitsPerByte * 1'000'000 / PacedOutput::BaudRate;
}

} // namespace

void PacedOutput::schedule(std::string_view bytes, std::int64_t notBeforeUs) {
    const std::int64_t start = std::max(notBeforeUs, lineFreeUs_);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        queue_.push_back({byteStart(start, static_cast<std::int64_t>(i)), bytes[i]});
    lineFreeUs_ = byteStart(start, static_cast<std::int64_t>(bytes.size()));
}

std::string PacedOutput::due(std::int64_t nowUs) const {
    std::string bytes;
    for (const Timed& t : queue_) {
        if (t.dueUs > nowUs) break;
        bytes += t.byte;
    }
    return bytes;
}

void PacedOutput::consume(std::size_t count) {
    queue_.erase(queue_.begin(),
                 queue_.begin() + static_cast<std::ptrdiff_t>(std::min(count, queue_.size())));
}

std::optional<std::int64_t> PacedOutput::nextDueUs() const {
    if (queue_.empty()) return std::nullopt;
    return queue_.front().dueUs;
}

void PacedOutput::clear() {
    queue_.clear();
    lineFreeUs_ = 0;
}

} // namespace skarvion::sim

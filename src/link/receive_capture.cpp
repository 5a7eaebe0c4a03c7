#include "link/receive_capture.h"

namespace skarvion {

void ReceiveCapture::setHandler(Handler handler) {
    (capturing_ ? saved_ : handler_) = std::move(handler);
}

void ReceiveCapture::deliver(const char* data, std::size_t count) {
    if (count == 0) return;
    if (handler_) handler_(data, count);
}

void ReceiveCapture::StartCapture() {
    if (capturing_) return;
    saved_ = std::move(handler_);
    handler_ = [this](const char* data, std::size_t count) { buffer_.append(data, count); };
    capturing_ = true;
}

void ReceiveCapture::StopCapture() {
    if (!capturing_) return;
    handler_ = std::move(saved_);
    saved_ = nullptr;
    capturing_ = false;
}

} // namespace skarvion

#include "link/receive_capture.h"

#include <gtest/gtest.h>

using namespace skarvion;

namespace {

struct Handlers {
    std::string first, second;
    ReceiveCapture::Handler toFirst() {
        return [this](const char* d, std::size_t n) { first.append(d, n); };
    }
    ReceiveCapture::Handler toSecond() {
        return [this](const char* d, std::size_t n) { second.append(d, n); };
    }
};

void deliver(ReceiveCapture& capture, std::string_view chunk) {
    capture.deliver(chunk.data(), chunk.size());
}

} // namespace

TEST(ReceiveCapture, CaptureTakesChunksAndGivesThemBack) {
    Handlers h;
    ReceiveCapture capture;
    capture.setHandler(h.toFirst());
    deliver(capture, "before");
    capture.StartCapture();
    deliver(capture, std::string_view("a\0b", 3));
    deliver(capture, "");
    deliver(capture, "c");
    EXPECT_EQ(capture.GetReceived(), std::string("a\0bc", 4));
    EXPECT_EQ(capture.GetReceived(), std::string("a\0bc", 4)) << "reading leaves the buffer";
    capture.StopCapture();
    deliver(capture, "after");
    EXPECT_EQ(h.first, "beforeafter");
    EXPECT_EQ(capture.GetReceived(), std::string("a\0bc", 4)) << "stopping keeps the buffer";
    capture.ClearReceived();
    EXPECT_EQ(capture.GetReceived(), "");
}

TEST(ReceiveCapture, SwitchingOnTwiceAndOffOnceRestoresTheFirstHandler) {
    Handlers h;
    ReceiveCapture capture;
    capture.setHandler(h.toFirst());
    capture.StartCapture();
    capture.StartCapture();
    capture.StopCapture();
    EXPECT_FALSE(capture.capturing());
    deliver(capture, "x");
    EXPECT_EQ(h.first, "x");
    capture.StopCapture(); // already off: nothing changes
    deliver(capture, "y");
    EXPECT_EQ(h.first, "xy");
    EXPECT_EQ(capture.GetReceived(), "");
}

TEST(ReceiveCapture, HandlerSetDuringCaptureTakesOverWhenItStops) {
    Handlers h;
    ReceiveCapture capture;
    capture.setHandler(h.toFirst());
    capture.StartCapture();
    capture.setHandler(h.toSecond());
    deliver(capture, "captured");
    capture.StopCapture();
    deliver(capture, "z");
    EXPECT_EQ(h.first, "");
    EXPECT_EQ(h.second, "z");
    EXPECT_EQ(capture.GetReceived(), "captured");
}

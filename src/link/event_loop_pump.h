#pragma once

// The real clock and event pump of the exchange: waits sleep in the Qt event
// loop, where the serial port's received bytes are delivered.

#include "link/link_interfaces.h"

namespace skarvion {

class SteadyMillisecondClock : public MillisecondClock {
  public:
    std::uint32_t tickCount() const override;
};

// Runs the event loop for up to maxWaitMs (a precise timer ends it); with 0 it
// processes the pending events once. Without an application object there is no
// event loop to run, so it only sleeps.
class EventLoopPump : public EventPump {
  public:
    void runEvents(int maxWaitMs) override;
};

} // namespace skarvion

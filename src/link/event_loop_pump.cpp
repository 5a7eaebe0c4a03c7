#include "link/event_loop_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <thread>

namespace skarvion {

std::uint32_t SteadyMillisecondClock::tickCount() const {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void EventLoopPump::runEvents(int maxWaitMs) {
    if (!QCoreApplication::instance()) {
        if (maxWaitMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(maxWaitMs));
        return;
    }
    if (maxWaitMs <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(maxWaitMs);
    loop.exec();
}

} // namespace skarvion

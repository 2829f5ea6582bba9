#pragma once
// Bounded waiting: the driver never sleeps for a fixed time; it polls a condition until it holds or
// the patience runs out, and then says what it was waiting for.
#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>

namespace e2e {

using namespace std::chrono_literals;
using Duration = std::chrono::milliseconds;

// How long the driver waits for the program by default. Generous: several builds may share the machine.
inline constexpr Duration kPatience = 10s;

// Raised when the program does not do what the driver needs to go on (no window, no answer, gone).
// GoogleTest reports it as a failure of the scenario with this text.
class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// True as soon as condition() holds; false when it still does not after timeout.
inline bool WaitUntil(const std::function<bool()>& condition, Duration timeout = kPatience) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (; !condition(); std::this_thread::sleep_for(2ms))
        if (std::chrono::steady_clock::now() >= deadline) return condition();
    return true;
}

// As WaitUntil, but raises DriverError("timed out after N ms waiting for <what>").
inline void WaitFor(const std::string& what, const std::function<bool()>& condition, Duration timeout = kPatience) {
    if (!WaitUntil(condition, timeout))
        throw DriverError("timed out after " + std::to_string(timeout.count()) + " ms waiting for " + what);
}

}  // namespace e2e

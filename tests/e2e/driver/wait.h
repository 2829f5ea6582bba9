#pragma once
// Bounded waiting: the driver never sleeps for a fixed time; it polls a condition until it holds or
// the patience runs out, and then says what it was waiting for.
#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>

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
bool WaitUntil(const std::function<bool()>& condition, Duration timeout = kPatience);

// As WaitUntil, but raises DriverError("timed out after N ms waiting for <what>").
void WaitFor(const std::string& what, const std::function<bool()>& condition, Duration timeout = kPatience);

}  // namespace e2e

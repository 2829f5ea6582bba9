#include "driver/wait.h"

#include <thread>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, Duration timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return condition();
        std::this_thread::sleep_for(2ms);
    }
}

void WaitFor(const std::string& what, const std::function<bool()>& condition, Duration timeout) {
    if (!WaitUntil(condition, timeout))
        throw DriverError("timed out after " + std::to_string(timeout.count()) + " ms waiting for " + what);
}

}  // namespace e2e

#pragma once
// A block of memory committed inside another process, released when the owner goes away.
#include <windows.h>

#include <cstddef>
#include <utility>

namespace capture {

class RemoteBlock {
public:
    RemoteBlock() = default;
    // process must stay open for the life of the block.
    RemoteBlock(HANDLE process, size_t size)
        : process_(process),
          address_(process ? VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                           : nullptr) {}
    ~RemoteBlock() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBlock(RemoteBlock&& other) noexcept
        : process_(other.process_), address_(std::exchange(other.address_, nullptr)) {}
    RemoteBlock& operator=(RemoteBlock&& other) noexcept {
        std::swap(process_, other.process_);
        std::swap(address_, other.address_);
        return *this;
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    void* address() const { return address_; }
    explicit operator bool() const { return address_ != nullptr; }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

}  // namespace capture

// A non-copyable, movable owner of one handle, freed by Free on every path.
#pragma once

#include <utility>

namespace halvorn {

template <typename Handle, auto Free>
class Unique_Handle {
public:
    Unique_Handle() = default;
    explicit Unique_Handle(Handle handle) : handle_(handle) {}
    Unique_Handle(Unique_Handle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Unique_Handle& operator=(Unique_Handle&& other) noexcept
    {
        if (this != &other) Reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    Unique_Handle(const Unique_Handle&) = delete;
    Unique_Handle& operator=(const Unique_Handle&) = delete;
    ~Unique_Handle() { Reset(); }

    Handle Get() const { return handle_; }
    // Gives the handle up, for an owner that takes it over (the clipboard, say).
    Handle Release() { return std::exchange(handle_, Handle{}); }
    void Reset(Handle handle = Handle{})
    {
        if (handle_) Free(handle_);
        handle_ = handle;
    }
    explicit operator bool() const { return handle_ != Handle{}; }

private:
    Handle handle_{};
};

}  // namespace halvorn

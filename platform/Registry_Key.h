// An open registry key, closed on every path. Movable, never copied.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace halvorn {

class Registry_Key {
public:
    Registry_Key() = default;
    explicit Registry_Key(HKEY key) : key_(key) {}
    Registry_Key(Registry_Key&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
    Registry_Key& operator=(Registry_Key&& other) noexcept
    {
        if (this != &other) Reset(std::exchange(other.key_, nullptr));
        return *this;
    }
    Registry_Key(const Registry_Key&) = delete;
    Registry_Key& operator=(const Registry_Key&) = delete;
    ~Registry_Key() { Reset(); }

    // Opens an existing key below root, never creating it; empty when it cannot be
    // opened with the rights asked for, and the reason in status when given.
    static Registry_Key Open(HKEY root, const std::wstring& path, REGSAM access, LSTATUS* status = nullptr);

    HKEY Get() const { return key_; }
    HKEY Release() { return std::exchange(key_, nullptr); }
    void Reset(HKEY key = nullptr);
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

}  // namespace halvorn

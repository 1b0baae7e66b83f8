#include "platform/Whole_File.h"

#include "platform/Unique_Handle.h"
#include "platform/Win_Text.h"

namespace halvorn {

namespace {

void Close_File(HANDLE file) { CloseHandle(file); }

// INVALID_HANDLE_VALUE is what CreateFileW fails with; the owner knows only null.
using File_Owner = Unique_Handle<HANDLE, Close_File>;
File_Owner Own(HANDLE file) { return File_Owner(file == INVALID_HANDLE_VALUE ? nullptr : file); }

[[noreturn]] void Fail_Write(const std::wstring& path, DWORD code)
{
    throw File_Write_Error(L"Cannot write file " + path + L": " + System_Error_Text(code));
}

// A name of its own beside the target, so that two writers never share one.
std::wstring Temporary_Name(const std::wstring& path, unsigned attempt)
{
    wchar_t suffix[40];
    wsprintfW(suffix, L".%lx-%lx.tmp", GetCurrentProcessId(), GetTickCount() + attempt * 7919u);
    return path + suffix;
}

}  // namespace

File_Write_Error::File_Write_Error(const std::wstring& text) : std::runtime_error(Narrow(text)), text_(text) {}

void Write_Whole_File(const std::wstring& path, const std::vector<std::uint8_t>& bytes)
{
    std::wstring temporary;
    File_Owner file;
    for (unsigned attempt = 0; !file && attempt < 16; ++attempt) {
        temporary = Temporary_Name(path, attempt);
        file = Own(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                               nullptr));
        if (!file && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (!file) throw File_Write_Error(L"Cannot create file " + path);

    DWORD failure = ERROR_SUCCESS;
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        failure = GetLastError();
    else if (written != bytes.size())
        failure = ERROR_DISK_FULL;
    else if (!FlushFileBuffers(file.Get()))
        failure = GetLastError();
    file.Reset();
    // The target may be open for a moment elsewhere (another copy reading or replacing it,
    // a virus scanner): the replacement is tried again for a while before it counts as failed.
    for (int attempt = 0; failure == ERROR_SUCCESS; ++attempt) {
        if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) break;
        failure = GetLastError();
        if ((failure == ERROR_ACCESS_DENIED || failure == ERROR_SHARING_VIOLATION) && attempt < 20) {
            failure = ERROR_SUCCESS;
            Sleep(10);
        }
    }
    if (failure != ERROR_SUCCESS) {
        DeleteFileW(temporary.c_str());
        Fail_Write(path, failure);
    }
}

std::vector<std::uint8_t> Read_Whole_File(const std::wstring& path)
{
    constexpr DWORD any_sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const File_Owner file =
        Own(CreateFileW(path.c_str(), GENERIC_READ, any_sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, {}));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > 64 * 1024 * 1024) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return {};
    bytes.resize(read);
    return bytes;
}

}  // namespace halvorn

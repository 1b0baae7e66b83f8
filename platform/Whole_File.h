// Files read and written whole. A write goes to a new file beside the target, reaches the
// disk, and only then takes the target's place, so that a kill, a full disk or a second
// copy of the program writing at the same moment leaves the old file or the new one,
// never a part of either.
#pragma once

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace halvorn {

// A write that failed. what() says which file and why, in Windows-1252 for the general
// error box; Text() is the same text as it was made.
class File_Write_Error : public std::runtime_error {
public:
    File_Write_Error(const std::wstring& text);
    const std::wstring& Text() const { return text_; }

private:
    std::wstring text_;
};

// Puts bytes in place of path. Raises File_Write_Error "Cannot create file <path>" when
// no file can be made beside it, and "Cannot write file <path>" with the system's reason
// when the data cannot be written or put in place; the old file then stays as it was.
void Write_Whole_File(const std::wstring& path, const std::vector<std::uint8_t>& bytes);

// The file's bytes; none when there is no such file or it cannot be read.
std::vector<std::uint8_t> Read_Whole_File(const std::wstring& path);

}  // namespace halvorn

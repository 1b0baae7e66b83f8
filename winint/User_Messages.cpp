#include "winint/User_Messages.h"

namespace halvorn {

std::wstring Shorten_Middle(std::wstring_view text, std::size_t length)
{
    constexpr std::wstring_view ellipsis = L"...";
    if (text.size() <= length) return std::wstring(text);
    if (length <= ellipsis.size()) return std::wstring(ellipsis.substr(0, length));
    const std::size_t kept = length - ellipsis.size();
    // The end of a path names the file, so it keeps the odd character.
    const std::size_t head = kept / 2;
    return std::wstring(text.substr(0, head)).append(ellipsis).append(text.substr(text.size() - (kept - head)));
}

}  // namespace halvorn

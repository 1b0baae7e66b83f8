#include "app/Ini_Text.h"

#include <algorithm>

namespace halvorn {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool Same_Name(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(x) == lower(y);
           });
}

// The section a header line opens, or nothing when the line is no header.
bool Section_Header(std::string_view line, std::string_view& name)
{
    line = Trimmed(line);
    if (line.empty() || line.front() != '[') return false;
    const auto close = line.find(']');
    name = Trimmed(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

struct Line {
    std::string_view Body;  // without its line ending
    std::string_view End;   // "\r\n", "\n" or nothing (the last line)
};

std::vector<Line> Split_Lines(std::string_view text)
{
    std::vector<Line> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            lines.push_back({text, {}});
            break;
        }
        const std::size_t body = end > 0 && text[end - 1] == '\r' ? end - 1 : end;
        lines.push_back({text.substr(0, body), text.substr(body, end + 1 - body)});
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

std::string Set_Ini_Values(std::string_view text, std::string_view section, const Ini_Values& values)
{
    const std::vector<Line> lines = Split_Lines(text);
    // The file's own line ending is kept for the lines added.
    const std::string_view ending = lines.empty() || lines.front().End != "\n" ? "\r\n" : "\n";
    const auto line_of = [](const std::pair<std::string_view, std::string>& value) {
        return std::string(value.first) + "=" + value.second;
    };

    std::string result;
    std::vector<bool> written(values.size(), false);
    bool inside = false, found = false;
    // Where the lines still missing from the section go: after its last non-empty line.
    std::size_t insert_at = std::string::npos;
    const auto close_section = [&] {
        if (!inside) return;
        std::string missing;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (!written[i]) missing += line_of(values[i]) + std::string(ending), written[i] = true;
        // A last line without an ending gets one before anything follows it.
        if (!missing.empty() && !result.empty() && result.back() != '\n' && insert_at == result.size())
            result += ending, insert_at = result.size();
        result.insert(insert_at, missing);
        inside = false;
    };

    for (const Line& line : lines) {
        std::string_view name;
        if (Section_Header(line.Body, name)) {
            close_section();
            if (Same_Name(name, section)) inside = found = true;
            result.append(line.Body).append(line.End);
            insert_at = result.size();
            continue;
        }
        if (inside) {
            const auto equals = line.Body.find('=');
            if (equals != std::string_view::npos) {
                const std::string_view key = Trimmed(line.Body.substr(0, equals));
                const auto match = std::find_if(values.begin(), values.end(),
                                                [&](const auto& value) { return Same_Name(value.first, key); });
                if (match != values.end()) {
                    const auto index = static_cast<std::size_t>(match - values.begin());
                    if (written[index]) continue;  // a second line of the key goes
                    written[index] = true;
                    result.append(line_of(*match)).append(line.End.empty() ? ending : line.End);
                    insert_at = result.size();
                    continue;
                }
            }
        }
        result.append(line.Body).append(line.End);
        if (inside && !Trimmed(line.Body).empty()) insert_at = result.size();
    }
    close_section();
    if (!found) {
        if (!result.empty() && result.back() != '\n') result += ending;
        result.append("[").append(section).append("]").append(ending);
        for (const auto& value : values) result += line_of(value) + std::string(ending);
    }
    return result;
}

}  // namespace halvorn

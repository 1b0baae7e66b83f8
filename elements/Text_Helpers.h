// Text helpers shared by the element build, the box names and the search.
// All texts are single-byte Windows-1252 strings.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace halvorn {

// Raised when a field does not convert to a number; the message names the text.
class Conversion_Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Replaces every occurrence of pattern in source, rescanning from the start after each
// replacement so that text formed across a replacement's edge is replaced too.
std::string Replace_Text(std::string_view source, std::string_view pattern,
                         std::string_view replacement);
// The same, on text in place.
void Replace_Text_In(std::string& text, std::string_view pattern, std::string_view replacement);

// The n-th field (counted from 1) of text split at separator; empty for n = 0, an empty
// separator, an empty text, or a field past the last separator.
std::string Get_Field(int n, std::string_view separator, std::string_view text);

// Strict decimal conversions that use "." whatever the user's locale. Surrounding blanks
// are allowed; anything else that is not part of the number raises Conversion_Error.
std::int32_t Text_To_Integer(std::string_view text);
double Text_To_Double(std::string_view text);

}  // namespace halvorn

# Writes a C++ source that holds a file's bytes and returns them from a function.
# Usage: cmake -DINPUT=file -DOUTPUT=file.cpp -DNAMESPACE=ns -DFUNCTION=name -P Embed_Text.cmake
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${bytes}")
string(REGEX REPLACE "(([^,]*,){24})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.\n#include <string_view>\n\nnamespace ${NAMESPACE} {\n\nnamespace {\nconstexpr char bytes[${size} + 1] = {\n    ${bytes}'\\0'};\n}\n\nstd::string_view ${FUNCTION}()\n{\n    return {bytes, ${size}};\n}\n\n}  // namespace ${NAMESPACE}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")

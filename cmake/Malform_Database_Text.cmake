# Writes a copy of the element database text whose third element row has an atomic weight
# that is no number (an "x" before it), for a program built to fail at start-up.
# Usage: cmake -DINPUT=text.tsv -DOUTPUT=copy.tsv -P Malform_Database_Text.cmake
file(READ "${INPUT}" text)
string(REGEX REPLACE "^([^\n]*\n[^\n]*\n[^\n]*\n[^\t]*\t[^\t]*\t[^\t]*\t)" "\\1x" text "${text}")
file(WRITE "${OUTPUT}" "${text}")

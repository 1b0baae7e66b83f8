// Writing, reading and deleting one string value in an existing registry key, telling
// the user what went wrong. None of them creates a key.
#pragma once

#include <string>

#include "winint/Registry_Access.h"
#include "winint/User_Messages.h"

namespace halvorn {

// Stores value under item in key and reads it back; true when it reads back exactly as
// written. A missing key, a key this user may not change, or a value that does not read
// back, is reported and gives false.
bool Write_Registry_String(Registry& registry, User_Messages& messages, Registry_Root root, const std::wstring& key,
                           const std::wstring& item, const std::wstring& value);

// The string value item of key; empty when the key or the value does not exist.
std::wstring Read_Registry_String(Registry& registry, Registry_Root root, const std::wstring& key,
                                  const std::wstring& item);

// Removes item from key; true when no such value exists afterwards, also when there was
// none before. A missing key, a key this user may not change, or a value still there, is
// reported and gives false.
bool Delete_Registry_Value(Registry& registry, User_Messages& messages, Registry_Root root, const std::wstring& key,
                           const std::wstring& item);

}  // namespace halvorn

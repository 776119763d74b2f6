#pragma once
// The four key-table bytes of every button function without parameters.
#include <array>
#include <cstdint>

using KeyEntry = std::array<uint8_t, 4>;

// The entry of a function code; 00 00 00 00 for a code the table does not list.
KeyEntry functionTableEntry(int fun);

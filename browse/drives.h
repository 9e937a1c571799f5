#pragma once

#include <cstdint>

// Fills slots 1..n of ShownEntries with the usable drives ("C:"), in letter
// order, sets the status text and returns n (0 to 26).
int32_t DiscoverDrives();

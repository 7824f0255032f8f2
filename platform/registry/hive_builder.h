#pragma once

#include "hive_key.h"
#include "reg_text_parser.h"

namespace tarnwick::registry {

// Applies one section below `root` (the key of the section's root): creates the key and sets
// or deletes its values, or deletes the key with its subkeys. Kept lines are not applied.
void applySection(HiveKey& root, const RegSection& section);

// The hive that a hive file's document describes. Kept lines stay with their section's key;
// those of a key that a later section deletes move to the leading lines, so nothing is lost.
Hive buildHive(const RegDocument& document);

} // namespace tarnwick::registry

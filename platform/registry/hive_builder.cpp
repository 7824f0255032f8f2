#include "hive_builder.h"

namespace tarnwick::registry {

void applySection(HiveKey& root, const RegSection& section) {
    if (section.removeKey) {
        if (HiveKey* parent = root.find(section.path.mid(0, section.path.size() - 1))) {
            parent->removeSubkey(section.path.back());
        }
        return;
    }
    HiveKey& key = root.findOrCreate(section.path);
    for (const RegEntry& entry : section.entries) {
        if (entry.value) {
            key.setValue(entry.name, *entry.value);
        } else {
            key.removeValue(entry.name);
        }
    }
}

Hive buildHive(const RegDocument& document) {
    Hive hive{HiveKey(), document.leadingLines};
    for (const RegSection& section : document.sections) {
        if (section.removeKey) {
            if (const HiveKey* removed = hive.root.find(section.path)) {
                hive.leadingLines += removed->keptLinesOfTree();
            }
            applySection(hive.root, section);
            hive.leadingLines += section.keptLines;
        } else {
            applySection(hive.root, section);
            hive.root.find(section.path)->keepLines(section.keptLines);
        }
    }
    return hive;
}

} // namespace tarnwick::registry

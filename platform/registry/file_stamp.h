#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace tarnwick::registry {

// What identifies one version of a file: an atomic save renames a new file (a new inode) into
// place, and its size and change times tell in-place edits apart, to the nanosecond.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file at `path`; nothing when there is none.
std::optional<FileStamp> fileStamp(const QString& path);

// The stamp of an open file.
std::optional<FileStamp> fileStamp(int descriptor);

} // namespace tarnwick::registry

#include "file_stamp.h"

#include <QFile>
#include <sys/stat.h>

namespace tarnwick::registry {

namespace {

FileStamp stampOf(const struct stat& status) {
    return {static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            status.st_mtim.tv_sec,
            status.st_mtim.tv_nsec,
            status.st_ctim.tv_sec,
            status.st_ctim.tv_nsec};
}

} // namespace

std::optional<FileStamp> fileStamp(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return stampOf(status);
}

std::optional<FileStamp> fileStamp(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return std::nullopt;
    }
    return stampOf(status);
}

} // namespace tarnwick::registry

#include "connection_file.h"

#include "shell/app_error.h"
#include "shell/file_access.h"
#include "shell/record_io.h"


namespace tarnwick {

QByteArray serializeConnectionProfile(const ConnectionProfile& profile) {
    RecordWriter w;
    w.text(profile.Port);
    w.text(profile.Addr);
    w.text(profile.SN);
    w.u8(profile.SL);
    w.text(profile.Password);
    return w.data();
}

ConnectionProfile parseConnectionProfile(const QByteArray& data) {
    RecordReader r(data);
    ConnectionProfile profile;
    profile.Port = r.text();
    profile.Addr = r.text();
    profile.SN = r.text();
    profile.SL = r.u8();
    profile.Password = r.text();
    return profile;
}

void WriteConnectionFile(const QString& path, const ConnectionProfile& profile) {
    std::optional<QFileDevice::Permissions> permissions;
    if (profile.Password != kPasswordNotSaved) {
        permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    }
    writeFileAtomically(path, serializeConnectionProfile(profile), permissions);
}

ConnectionProfile ReadConnectionFile(const QString& path) {
    const std::optional<QByteArray> data = readFileIfExists(path);
    if (!data) {
        throw AppError::standard(ErrorNumber::FileNotFound, path);
    }
    return parseConnectionProfile(*data);
}

} // namespace tarnwick

#include "frame_log_writer.h"

#include "connections/site_letters.h"
#include "shell/app_error.h"

#include <cstdio>

namespace tarnwick::stavikSim {

namespace {

QString letter(std::uint8_t site) {
    return QStringLiteral("\"%1\"").arg(IndexToSiteLetter(site));
}

} // namespace

QString frameLogLine(const sim::FrameRecord& record) {
    // Every value is a number or a fixed token, so nothing needs escaping.
    const QByteArray hex(reinterpret_cast<const char*>(record.bytes.data()),
                         static_cast<qsizetype>(record.bytes.size()));
    QString line = QStringLiteral("{\"t_ms\":%1,\"dir\":\"%2\",\"kind\":\"%3\"")
                       .arg(record.time.count())
                       .arg(record.direction == sim::FrameDirection::In ? QStringLiteral("in")
                                                                        : QStringLiteral("out"))
                       .arg(sim::frameKindName(record.kind));
    if (record.site) {
        line += QStringLiteral(",\"site\":") + letter(*record.site);
    }
    if (record.destination) {
        line += QStringLiteral(",\"dest\":") + letter(*record.destination);
    }
    if (record.block) {
        line += QStringLiteral(",\"block\":%1").arg(*record.block);
    }
    if (!record.checksumOk) {
        line += QStringLiteral(",\"checksum\":\"bad\"");
    }
    line += QStringLiteral(",\"hex\":\"%1\"}").arg(QString::fromLatin1(hex.toHex()));
    return line;
}

FrameLogWriter::FrameLogWriter(const QString& path) {
    bool opened = false;
    if (path.isEmpty()) {
        opened = m_file.open(stderr, QIODevice::WriteOnly);
    } else {
        m_file.setFileName(path);
        opened = m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    if (!opened) {
        throw AppError::standard(ErrorNumber::PathFileAccess, path);
    }
}

void FrameLogWriter::write(const sim::FrameRecord& record) {
    m_file.write((frameLogLine(record) + QLatin1Char('\n')).toUtf8());
    m_file.flush();
}

} // namespace tarnwick::stavikSim

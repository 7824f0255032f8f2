#include "config/settings_file.h"
#include "shell/app_error.h"
#include "sim/unit_memory.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::sim;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(UnitMemory, BlankUnitRunsFirmware56) {
    const ConfigImage memory = defaultUnitMemory();
    EXPECT_EQ(memory[31], 56);
    EXPECT_EQ(std::count(memory.begin(), memory.end(), 0), 2015);
}

TEST(UnitMemory, RawImageMustHoldExactly2016Bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    QByteArray bytes(2016, 0);
    bytes[2015] = '\x7E';
    writeBytes(path, bytes);
    EXPECT_EQ(loadRawMemory(path).memory[2015], 0x7E);
    EXPECT_FALSE(loadRawMemory(path).serialNumber);

    writeBytes(path, bytes + "x");
    EXPECT_THROW(loadRawMemory(path), AppError);
    EXPECT_THROW(loadRawMemory(dir.filePath(QStringLiteral("missing.bin"))), AppError);
}

TEST(UnitMemory, SettingsFileGivesImageAndSerialNumber) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.stv"));
    SettingsRecord record;
    record.sn = QStringLiteral("246810");
    record.image[500] = 0x33;
    writeSettingsFile(path, record);

    const LoadedMemory loaded = loadSettingsMemory(path);
    EXPECT_EQ(loaded.memory, record.image);
    EXPECT_EQ(loaded.serialNumber, QStringLiteral("246810"));

    writeBytes(path, "TARNWICK20 but not really");
    EXPECT_THROW(loadSettingsMemory(path), AppError);
}

} // namespace

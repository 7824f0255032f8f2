// The device list and modem names from the registry store.

#include "registry/registry_store.h"
#include "serial/serial_devices.h"

#include <QSerialPortInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::registry;

namespace {

class SerialDevicesTest : public ::testing::Test {
protected:
    void set(const QString& keyPath, const QString& name, ValueType type, const QByteArray& data) {
        KeyHandle key;
        ASSERT_EQ(store.createKey(HKEY_LOCAL_MACHINE, keyPath, KEY_ALL_ACCESS, key), ERROR_SUCCESS);
        ASSERT_EQ(store.setValue(key, name, type, data), ERROR_SUCCESS);
    }
    void setText(const QString& keyPath, const QString& name, const QString& text) {
        set(keyPath, name, REG_SZ, singleByteStringData(text));
    }
    std::vector<SerialDevice> devicesOf(SerialDevice::Kind kind) const {
        std::vector<SerialDevice> found;
        for (const SerialDevice& device : listSerialDevices(store)) {
            if (device.kind == kind) {
                found.push_back(device);
            }
        }
        return found;
    }
    static QStringList namesOf(const std::vector<SerialDevice>& devices) {
        QStringList names;
        for (const SerialDevice& device : devices) {
            names << device.name;
        }
        return names;
    }

    QTemporaryDir dir;
    RegistryStore store{dir.path()};
};

} // namespace

TEST_F(SerialDevicesTest, ListsSystemPortsThenExtraPortsOnceThenModemsByName) {
    setText(kSerialPortsKey, QStringLiteral("Bench unit"), QStringLiteral("/tmp/stavik"));
    setText(kSerialPortsKey, QStringLiteral("Same again"), QStringLiteral("/tmp/stavik"));
    setText(kSerialPortsKey, QStringLiteral("Empty"), QString());
    set(kSerialPortsKey, QStringLiteral("Number"), REG_DWORD, QByteArray("\x01\0\0\0", 4));
    qputenv("TARNWICK_TEST_PORT", "/dev/ttyTEST7");
    set(kSerialPortsKey, QStringLiteral("From environment"), REG_EXPAND_SZ,
        singleByteStringData(QStringLiteral("%TARNWICK_TEST_PORT%")));
    setText(kModemsKey, QStringLiteral("Office modem"), QStringLiteral("/dev/ttyACM0"));

    QStringList expectedPorts;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts()) {
        expectedPorts << port.systemLocation();
    }
    expectedPorts << QStringLiteral("/tmp/stavik") << QStringLiteral("/dev/ttyTEST7");
    EXPECT_EQ(namesOf(devicesOf(SerialDevice::Kind::Port)), expectedPorts);
    EXPECT_EQ(namesOf(devicesOf(SerialDevice::Kind::Modem)),
              QStringList{QStringLiteral("Office modem")});
    const std::vector<SerialDevice> all = listSerialDevices(store);
    EXPECT_EQ(all.back().kind, SerialDevice::Kind::Modem) << "modems come last";
}

TEST_F(SerialDevicesTest, WithoutTheKeysOnlyTheSystemPortsAreListed) {
    EXPECT_EQ(listSerialDevices(store).size(), QSerialPortInfo::availablePorts().size());
}

TEST_F(SerialDevicesTest, TheResolverTurnsModemNamesIntoTheirDevicesAsStoredWhenAsked) {
    const DeviceResolver resolve = registryDeviceResolver(store);
    EXPECT_EQ(resolve(QStringLiteral("Office modem")), QStringLiteral("Office modem"));
    setText(kModemsKey, QStringLiteral("Office modem"), QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(resolve(QStringLiteral("Office modem")), QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(resolve(QStringLiteral("/dev/ttyS1")), QStringLiteral("/dev/ttyS1"));
    EXPECT_EQ(resolve(QStringLiteral("office modem")), QStringLiteral("office modem"))
        << "names are matched exactly";
}

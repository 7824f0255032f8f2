// Writes values into a hive folder from its own process: registry_writer_helper <dir> <prefix>
// <count> sets "<prefix><n>" = n for n from 0 below count in HKEY_LOCAL_MACHINE\SOFTWARE\Race.
#include "registry/registry_store.h"

#include <QByteArray>
#include <QString>
#include <cstdlib>

using namespace tarnwick::registry;

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    RegistryStore store(QString::fromLocal8Bit(argv[1]));
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    KeyHandle key;
    if (store.createKey(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Race"), KEY_ALL_ACCESS,
                        key) != ERROR_SUCCESS) {
        return 1;
    }
    for (int n = 0; n < count; ++n) {
        const QByteArray data(4, static_cast<char>(n));
        if (store.setValue(key, prefix + QString::number(n), REG_BINARY, data) != ERROR_SUCCESS) {
            return 1;
        }
    }
    return 0;
}

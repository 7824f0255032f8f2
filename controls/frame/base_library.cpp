#include "base_library.h"

#include "message_box.h"

#include <QDir>
#include <QFile>
#include <dlfcn.h>

namespace tarnwick::frame {

namespace {

class SystemLibraryOpener : public LibraryOpener {
public:
    void* open(const QString& fileName) override {
        return dlopen(QFile::encodeName(fileName).constData(), RTLD_NOW | RTLD_LOCAL);
    }
    void* symbol(void* handle, const char* name) override { return dlsym(handle, name); }
    void close(void* handle) override { dlclose(handle); }
    QString lastError() override {
        const char* text = dlerror();
        return text != nullptr ? QString::fromLocal8Bit(text) : QString();
    }
};

} // namespace

LibraryOpener& systemLibraryOpener() {
    static SystemLibraryOpener opener;
    return opener;
}

bool BaseLibrary::load(const QString& ownFolder) {
    if (m_api != nullptr) {
        return true;
    }
    const QString bareName = QLatin1String(fenbase6::kFenBase6LibraryName);
    if (tryLoad(QDir(ownFolder).filePath(bareName)) || tryLoad(bareName)) {
        return true;
    }
    showMessageBox(nullptr, m_opener.lastError(), QStringLiteral("GetLastError"),
                   MessageIcon::Error);
    return false;
}

bool BaseLibrary::tryLoad(const QString& fileName) {
    void* handle = m_opener.open(fileName);
    if (handle == nullptr) {
        return false;
    }
    // dlsym answers a data pointer; POSIX guarantees it converts to the function's type.
    const auto getApi = reinterpret_cast<fenbase6::FenBase6GetApiFunction>(
        m_opener.symbol(handle, fenbase6::kFenBase6GetApi));
    const fenbase6::FenBase6Api* api =
        getApi != nullptr ? getApi(fenbase6::kFenBase6ApiVersion) : nullptr;
    if (api == nullptr) {
        m_opener.close(handle);
        return false;
    }
    m_handle = handle;
    m_api = api;
    return true;
}

void BaseLibrary::release() {
    if (m_api == nullptr) {
        return;
    }
    // A Caption or Key object a host still holds keeps its code here: unloading now would
    // leave the host calling into nothing, so the library then stays for the process.
    if (m_api->canUnloadNow()) {
        m_opener.close(m_handle);
    }
    m_handle = nullptr;
    m_api = nullptr;
}

} // namespace tarnwick::frame

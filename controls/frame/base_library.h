#pragma once

#include "fenbase6/fenbase6_api.h"

#include <QString>

namespace tarnwick::frame {

// How a library file is opened: the system's dynamic loader, or a test's stand-in.
class LibraryOpener {
public:
    virtual ~LibraryOpener() = default;
    // A handle, or null when the file cannot be loaded (lastError() says why).
    virtual void* open(const QString& fileName) = 0;
    virtual void* symbol(void* handle, const char* name) = 0;
    virtual void close(void* handle) = 0;
    // The system's text for the last failure.
    virtual QString lastError() = 0;
};

LibraryOpener& systemLibraryOpener();

// The shared base library libfenbase6.so as a control library holds it.
class BaseLibrary {
public:
    explicit BaseLibrary(LibraryOpener& opener = systemLibraryOpener()) : m_opener(opener) {}
    BaseLibrary(const BaseLibrary&) = delete;
    BaseLibrary& operator=(const BaseLibrary&) = delete;

    // Loads it from `ownFolder` (the control library's folder), else by its bare name through
    // the system's search path, and answers whether it is ready. When both fail it shows the
    // system's text for the last failure in one message box captioned "GetLastError".
    bool load(const QString& ownFolder);
    // Lets it go. While objects or engines it made are alive it stays loaded for them.
    void release();

    // The table of the loaded library; null when none is loaded.
    const fenbase6::FenBase6Api* api() const { return m_api; }

private:
    bool tryLoad(const QString& fileName);

    LibraryOpener& m_opener;
    void* m_handle = nullptr;
    const fenbase6::FenBase6Api* m_api = nullptr;
};

} // namespace tarnwick::frame

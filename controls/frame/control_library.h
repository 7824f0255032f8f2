#pragma once

#include "base_library.h"
#include "com/class_registration.h"
#include "com/component_server.h"

#include <QString>
#include <functional>
#include <vector>

namespace tarnwick::frame {

// A creatable class of a control library: a control, or one of its property pages (which
// the registry knows only as a class with its in-process server).
struct LibraryClass {
    using Creator = std::function<com::ComPtr<com::IUnknown>(com::ComModule& module,
                                                             const fenbase6::FenBase6Api& api)>;
    com::ClassRegistration registration;
    Creator create;
    bool isControl = false;
};

// An interface the library's type library describes (registered with it).
struct LibraryInterface {
    QString name;
    com::Guid iid;
};

struct ControlLibraryDescription {
    com::Guid typeLibrary;
    QString typeLibraryName;
    std::vector<LibraryClass> classes;
    std::vector<LibraryInterface> interfaces;
    std::vector<com::Guid> categories; // implemented by every control class
};

// The life of a control library behind its exported functions: start (the shared base
// library loaded from the library's own folder, else by bare name, or the load refused),
// class factories, the unload answer and the registry entries.
class ControlLibrary {
public:
    explicit ControlLibrary(ControlLibraryDescription description,
                            LibraryOpener& opener = systemLibraryOpener());
    ControlLibrary(const ControlLibrary&) = delete;
    ControlLibrary& operator=(const ControlLibrary&) = delete;

    // DllStart: the first start loads the base library; false refuses the load.
    bool start(const QString& libraryFolder);
    // DllStop: the last stop releases the base library.
    void stop();

    com::HRESULT getClassObject(const com::Guid* clsid, const com::Guid* iid,
                                void** object) noexcept;
    com::HRESULT canUnloadNow() const noexcept { return m_server.canUnloadNow(); }

    // Every class with its ProgIDs and server; for controls also the toolbox bitmap,
    // MiscStatus, type library, version, data formats, the "&Properties" verb, the Control
    // and Programmable keys and the implemented categories; the type library and its
    // interfaces. Unregistration removes the class, ProgID, type library and interface keys.
    com::RegistryScript registrationScript(const QString& libraryPath) const;

private:
    std::vector<com::ComponentServer::ServedClass> servedClasses() const;
    void addControlEntries(com::RegistryScript& script, const com::Guid& clsid,
                           const QString& libraryPath) const;
    void addTypeLibraryEntries(com::RegistryScript& script, const QString& libraryPath) const;

    ControlLibraryDescription m_description;
    BaseLibrary m_base;
    int m_starts = 0;
    com::ComponentServer m_server;
};

// The library's one ControlLibrary, defined by each control library; the frame's exported
// functions forward to it.
ControlLibrary& thisControlLibrary();

// Exported for tests: replaces the library's message boxes (null brings them back).
using FrameMessageHook = void (*)(const QString& text, const QString& caption);
inline constexpr char kFrameSetMessageHook[] = "FenFrameSetMessageHook";

} // namespace tarnwick::frame

#pragma once

#include "com_ptr.h"
#include "dispatch.h"

#include <QPointF>
#include <QString>
#include <cstdint>

namespace tarnwick::com {

// Ambient properties a container offers its controls, by their fixed identities.
namespace AmbientDispIds {
constexpr DispId BackColor = -701;
constexpr DispId DisplayName = -702;
constexpr DispId Font = -703;
constexpr DispId ForeColor = -704;
constexpr DispId UserMode = -709;
} // namespace AmbientDispIds

// The place of one control in its container, implemented by the host.
struct IControlSite : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0x3EB62072, 0xC0AC, 0x48FF, {0xB0, 0xEE, 0x22, 0x80, 0x3E, 0xAC, 0xF7, 0x90}};

    // The ambient property `id` (AmbientDispIds), Empty when the container has none.
    virtual Variant GetAmbientProperty(DispId id) = 0;
    // A point given in HIMETRIC units (0.01 mm) from the control's top left corner, in the
    // container's coordinates (what mouse events report).
    virtual QPointF TransformCoords(const QPointF& himetric) = 0;
};

// What a control offers its container for being placed in it.
struct IEmbeddedObject : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0x430B462D, 0x158A, 0x487C, {0x80, 0xA6, 0x86, 0xEE, 0xAA, 0x11, 0xDB, 0xCA}};

    // Gives the control its site (null takes it away). The control holds a reference to the
    // site, so a host drops it with SetClientSite(nullptr) before letting the control go.
    virtual void SetClientSite(IControlSite* site) = 0;
    virtual ComPtr<IControlSite> GetClientSite() const = 0;
    // The container changed ambient property `id` (DispIds::Unknown: possibly all of them).
    virtual void OnAmbientPropertyChange(DispId id) = 0;
};

// Typed reads of a site's ambient properties, with the values that hold when there is no
// site, the container does not offer the property or offers a value of an unusable type.
class AmbientProperties {
public:
    explicit AmbientProperties(IControlSite* site) : m_site(site) {}

    // Run mode (true) unless the container says it is designing.
    bool userMode() const;
    QString displayName() const;
    // Colours as 32-bit colour values (0x80000000 and up name system colours).
    std::uint32_t backColor(std::uint32_t fallback) const;
    std::uint32_t foreColor(std::uint32_t fallback) const;
    // The container's font object; null when it offers none.
    ComPtr<IUnknown> font() const;

private:
    Variant property(DispId id) const;

    IControlSite* m_site;
};

} // namespace tarnwick::com

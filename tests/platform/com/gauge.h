#pragma once

#include "com/ambient.h"
#include "com/connection_point.h"
#include "com/event_source.h"
#include "com/persist.h"
#include "com/persist_header.h"
#include "com/property_notify.h"
#include "com/type_info.h"

// A small control built on the runtime the way the control libraries are, for the tests:
// properties with put rules, read-only and write-only members, a method, events with a
// by-reference argument, property-change signalling, ambient defaults and both persistence
// forms with nested objects. It is compiled into the tests and into a component library.
namespace tarnwick::com::test {

struct IGauge : IDispatch {
    using Base = IDispatch;
    static constexpr Guid kIid{
        0x3C0DA2DE, 0x6982, 0x4FF4, {0x81, 0x8D, 0x05, 0x18, 0x93, 0xD3, 0x7A, 0x03}};
};

constexpr Guid kGaugeEventsIid{
    0x464F8F78, 0xAB52, 0x439E, {0x97, 0x90, 0x89, 0xB5, 0xC7, 0x04, 0xAF, 0xC4}};
constexpr Guid kGaugeClsid{
    0x32D3A295, 0x5CF9, 0x4A20, {0x83, 0xF5, 0xD9, 0x74, 0x94, 0x64, 0xB0, 0xD1}};

namespace GaugeDispIds {
constexpr DispId Level = 0; // default member, 0..100
constexpr DispId Label = 1;
constexpr DispId Version = 2; // read only
constexpr DispId Secret = 3;  // write only
constexpr DispId Badge = 4;   // a font object or Nothing, set by reference
constexpr DispId Reset = 5;   // method
constexpr DispId Font = -512;
constexpr DispId Enabled = -514;
} // namespace GaugeDispIds

namespace GaugeEventIds {
constexpr DispId Changing = 1; // NewLevel, Cancel (by reference)
constexpr DispId Changed = 2;
} // namespace GaugeEventIds

class Gauge : public ComObject<IGauge, IConnectionPointContainer, IPersistStreamInit,
                               IPersistPropertyBag, IProvideClassInfo, IEmbeddedObject> {
public:
    static constexpr std::int32_t kVersion = 0x00010002;

    explicit Gauge(ComModule* module = nullptr);

    static const TypeInfo& typeInfo();
    static const TypeInfo& eventsTypeInfo();

    const TypeInfo& GetTypeInfo() const override { return typeInfo(); }
    Variant Invoke(DispId id, InvokeKind how, std::span<const Variant> args) override;

    std::vector<ComPtr<IConnectionPoint>> EnumConnectionPoints() const override;
    HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** point) override;

    Guid GetClassID() const override { return kGaugeClsid; }
    bool IsDirty() const override { return m_notifier.isDirty(); }
    void InitNew() override;
    void Load(IStream& stream) override;
    void Save(IStream& stream, bool clearDirty) override;
    void Load(IPropertyBag& bag) override;
    void Save(IPropertyBag& bag, bool clearDirty, bool saveAllProperties) override;

    const ClassInfo& GetClassInfo() const override;

    void SetClientSite(IControlSite* site) override { m_site = site; }
    ComPtr<IControlSite> GetClientSite() const override { return m_site; }
    void OnAmbientPropertyChange(DispId) override {}

    PersistHeader header;

private:
    Variant get(DispId id) const;
    void put(DispId id, const Variant& value);
    void setLevel(std::int16_t level);
    ObjectCreator objectCreator() const;

    std::int16_t m_level = 0;
    std::optional<QString> m_label;
    QString m_secret;
    bool m_enabled = true;
    ComPtr<IUnknown> m_font;
    ComPtr<IUnknown> m_badge;
    ComPtr<IControlSite> m_site;
    EventSource m_events;
    PropertyNotifier m_notifier;
    ConnectionPointList m_points;
};

} // namespace tarnwick::com::test

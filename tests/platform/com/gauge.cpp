#include "gauge.h"

#include "com/com_error.h"
#include "com/member_dispatch.h"
#include "com/object_stream.h"
#include "com/standard_objects.h"
#include "com/std_font.h"
#include "com/stream_io.h"

#include <array>

namespace tarnwick::com::test {

namespace {

const QString kSource = QStringLiteral("Tarnwick.TestGauge");

MemberInfo property(const char* name, DispId id, const char* typeName, VariantType type,
                    std::uint8_t access) {
    return {QLatin1String(name),
            id,
            MemberKind::Property,
            QLatin1String(typeName),
            type,
            access,
            false,
            {},
            nullptr};
}

bool isFont(const ComPtr<IUnknown>& object) {
    return static_cast<bool>(object.query<IFont>());
}

} // namespace

Gauge::Gauge(ComModule* module)
    : ComObject(module), m_events(kGaugeEventsIid, module),
      m_notifier(module), m_points{m_events.point(), m_notifier.point()} {}

const TypeInfo& Gauge::typeInfo() {
    using namespace GaugeDispIds;
    static const TypeInfo info(
        QStringLiteral("IGauge"), IGauge::kIid,
        {property("Level", Level, "Integer", VariantType::Int16, Access::GetPut),
         property("Label", Label, "String", VariantType::String, Access::GetPut),
         property("Version", Version, "String", VariantType::String, Access::Get),
         property("Secret", Secret, "String", VariantType::String, invokeFlag(InvokeKind::Put)),
         property("Badge", Badge, "IFontDisp", VariantType::Object, Access::GetPutRef),
         property("Font", Font, "IFontDisp", VariantType::Object, Access::GetPutRef),
         property("Enabled", Enabled, "Boolean", VariantType::Boolean, Access::GetPut),
         {QStringLiteral("Reset"),
          Reset,
          MemberKind::Method,
          {},
          VariantType::Empty,
          Access::Method,
          false,
          {},
          nullptr}});
    return info;
}

const TypeInfo& Gauge::eventsTypeInfo() {
    static const TypeInfo info(
        QStringLiteral("IGaugeEvents"), kGaugeEventsIid,
        {{QStringLiteral("Changing"),
          GaugeEventIds::Changing,
          MemberKind::Method,
          {},
          VariantType::Empty,
          Access::Method,
          false,
          {{QStringLiteral("NewLevel"), QStringLiteral("Integer"), false, false},
           {QStringLiteral("Cancel"), QStringLiteral("Boolean"), true, false}},
          nullptr},
         {QStringLiteral("Changed"),
          GaugeEventIds::Changed,
          MemberKind::Method,
          {},
          VariantType::Empty,
          Access::Method,
          false,
          {},
          nullptr}});
    return info;
}

const ClassInfo& Gauge::GetClassInfo() const {
    static const ClassInfo info{kGaugeClsid, QStringLiteral("Gauge"), &typeInfo(),
                                &eventsTypeInfo()};
    return info;
}

Variant Gauge::Invoke(DispId id, InvokeKind how, std::span<const Variant> args) {
    return dispatchMember(typeInfo(), kSource, id, how, args, [&](const MemberInfo&) {
        switch (how) {
        case InvokeKind::Get:
            return get(id);
        case InvokeKind::Method:
            setLevel(0);
            return Variant();
        case InvokeKind::Put:
        case InvokeKind::PutRef:
            break;
        }
        put(id, args.back());
        return Variant();
    });
}

Variant Gauge::get(DispId id) const {
    switch (id) {
    case GaugeDispIds::Level:
        return Variant(m_level);
    case GaugeDispIds::Label:
        return m_label ? Variant(*m_label) : Variant::null();
    case GaugeDispIds::Version:
        return Variant(QStringLiteral("1.2.3.4"));
    case GaugeDispIds::Badge:
        return Variant(m_badge);
    case GaugeDispIds::Font:
        return Variant(m_font);
    default:
        return Variant(m_enabled);
    }
}

void Gauge::put(DispId id, const Variant& value) {
    switch (id) {
    case GaugeDispIds::Level: {
        const std::int16_t level = value.toInt16();
        if (level < 0 || level > 100) {
            throw ComError::standard(ErrorNumber::InvalidPropertyValue);
        }
        setLevel(level);
        return;
    }
    case GaugeDispIds::Label:
        m_label = value.toString();
        break;
    case GaugeDispIds::Secret:
        m_secret = value.toString();
        break;
    case GaugeDispIds::Badge:
    case GaugeDispIds::Font: {
        const ComPtr<IUnknown> object = value.toObject();
        if ((object && !isFont(object)) || (!object && id == GaugeDispIds::Font)) {
            throw ComError::standard(ErrorNumber::InvalidPropertyValue);
        }
        (id == GaugeDispIds::Font ? m_font : m_badge) = object;
        break;
    }
    default:
        m_enabled = value.toBool();
        break;
    }
    m_notifier.changed(id);
}

void Gauge::setLevel(std::int16_t level) {
    Variant cancel(false);
    const std::array args{Variant(level), Variant::reference(cancel)};
    m_events.fire(GaugeEventIds::Changing, args);
    if (cancel.toBool() || !m_notifier.requestEdit(GaugeDispIds::Level)) {
        return;
    }
    m_level = level;
    m_notifier.changed(GaugeDispIds::Level);
    m_events.fire(GaugeEventIds::Changed);
}

std::vector<ComPtr<IConnectionPoint>> Gauge::EnumConnectionPoints() const {
    return m_points.all();
}

HRESULT Gauge::FindConnectionPoint(const Guid& iid, IConnectionPoint** point) {
    return m_points.find(iid, point);
}

ObjectCreator Gauge::objectCreator() const {
    return [module = module()](const Guid& clsid) { return createStandardObject(clsid, module); };
}

void Gauge::InitNew() {
    const AmbientProperties ambient(m_site.get());
    m_label = ambient.displayName();
    m_font = copyFont(ambient.font().get(), module())->unknown();
    header = PersistHeader{kVersion, 2000, 500};
}

void Gauge::Save(IStream& stream, bool clearDirty) {
    header.save(stream);
    writeObjectToStream(stream, m_font.get());
    writeObjectToStream(stream, m_badge.get());
    StreamWriter writer(stream);
    writer.writeInt16(m_level);
    writer.writeString(m_label);
    writer.writeBool(m_enabled);
    if (clearDirty) {
        m_notifier.setDirty(false);
    }
}

void Gauge::Load(IStream& stream) {
    header.load(stream);
    m_font = readObjectFromStream(stream, objectCreator());
    m_badge = readObjectFromStream(stream, objectCreator());
    StreamReader reader(stream);
    m_level = reader.readInt16();
    m_label = reader.readString();
    m_enabled = reader.readBool();
    m_notifier.setDirty(false);
}

void Gauge::Save(IPropertyBag& bag, bool clearDirty, bool) {
    header.save(bag);
    bag.Write(QStringLiteral("Font"), Variant(m_font));
    bag.Write(QStringLiteral("Badge"), Variant(m_badge));
    bag.Write(QStringLiteral("Level"), Variant(m_level));
    bag.Write(QStringLiteral("Label"), m_label ? Variant(*m_label) : Variant::null());
    bag.Write(QStringLiteral("Enabled"), Variant(m_enabled));
    if (clearDirty) {
        m_notifier.setDirty(false);
    }
}

void Gauge::Load(IPropertyBag& bag) {
    InitNew();
    header.load(bag);
    if (const auto font = bag.ReadObject(QStringLiteral("Font"), objectCreator())) {
        m_font = *font;
    }
    if (const auto badge = bag.ReadObject(QStringLiteral("Badge"), objectCreator())) {
        m_badge = *badge;
    }
    if (const auto level = bag.Read(QStringLiteral("Level"))) {
        m_level = level->toInt16();
    }
    if (const auto label = bag.Read(QStringLiteral("Label"))) {
        m_label = label->isNull() ? std::nullopt : std::optional<QString>(label->toString());
    }
    if (const auto enabled = bag.Read(QStringLiteral("Enabled"))) {
        m_enabled = enabled->toBool();
    }
    m_notifier.setDirty(false);
}

} // namespace tarnwick::com::test

#include "std_font.h"

#include "com_error.h"
#include "member_dispatch.h"
#include "stream_io.h"

#include <cmath>

namespace tarnwick::com {

namespace {

constexpr std::int16_t kStreamVersion = 1;
constexpr double kLargestSize = 2048.0;
constexpr std::int16_t kHeaviestWeight = 1000;

constexpr int kItalicFlag = 1;
constexpr int kUnderlineFlag = 2;
constexpr int kStrikethroughFlag = 4;

const QString kSource = QStringLiteral("StdFont");

MemberInfo fontProperty(const char* name, DispId id, const char* typeName, VariantType type) {
    return MemberInfo{QLatin1String(name),
                      id,
                      MemberKind::Property,
                      QLatin1String(typeName),
                      type,
                      Access::GetPut,
                      false,
                      {},
                      nullptr};
}

bool validSize(double size) {
    return std::isfinite(size) && size > 0.0 && size <= kLargestSize;
}

bool validWeight(std::int32_t weight) {
    return weight >= 0 && weight <= kHeaviestWeight;
}

[[noreturn]] void throwInvalidValue() {
    throw ComError::standard(ErrorNumber::InvalidPropertyValue, kSource);
}

} // namespace

StdFont::StdFont(const FontDescription& description, ComModule* module)
    : ComObject(module), m_font(description), m_notifier(module), m_points{m_notifier.point()} {}

const TypeInfo& StdFont::typeInfo() {
    using namespace FontDispIds;
    static const TypeInfo info(
        QStringLiteral("IFontDisp"), IFontDisp::kIid,
        {fontProperty("Name", Name, "String", VariantType::String),
         fontProperty("Size", Size, "Double", VariantType::Double),
         fontProperty("Bold", Bold, "Boolean", VariantType::Boolean),
         fontProperty("Italic", Italic, "Boolean", VariantType::Boolean),
         fontProperty("Underline", Underline, "Boolean", VariantType::Boolean),
         fontProperty("Strikethrough", Strikethrough, "Boolean", VariantType::Boolean),
         fontProperty("Weight", Weight, "Integer", VariantType::Int16),
         fontProperty("Charset", Charset, "Integer", VariantType::Int16)});
    return info;
}

Variant StdFont::Invoke(DispId id, InvokeKind how, std::span<const Variant> args) {
    return dispatchMember(typeInfo(), kSource, id, how, args, [&](const MemberInfo&) {
        if (how == InvokeKind::Get) {
            return get(id);
        }
        put(id, args.back());
        return Variant();
    });
}

Variant StdFont::get(DispId id) const {
    switch (id) {
    case FontDispIds::Name:
        return Variant(m_font.name);
    case FontDispIds::Size:
        return Variant(m_font.size);
    case FontDispIds::Bold:
        return Variant(m_font.bold());
    case FontDispIds::Italic:
        return Variant(m_font.italic);
    case FontDispIds::Underline:
        return Variant(m_font.underline);
    case FontDispIds::Strikethrough:
        return Variant(m_font.strikethrough);
    case FontDispIds::Weight:
        return Variant(m_font.weight);
    case FontDispIds::Charset:
        return Variant(m_font.charset);
    default:
        throw ComError::standard(ErrorNumber::MemberNotSupported, kSource);
    }
}

void StdFont::put(DispId id, const Variant& value) {
    FontDescription changed = m_font;
    switch (id) {
    case FontDispIds::Name:
        changed.name = value.toString();
        if (changed.name.isEmpty()) {
            throwInvalidValue();
        }
        break;
    case FontDispIds::Size:
        changed.size = value.toDouble();
        if (!validSize(changed.size)) {
            throwInvalidValue();
        }
        break;
    case FontDispIds::Bold:
        changed.weight =
            value.toBool() ? FontDescription::kBoldWeight : FontDescription::kNormalWeight;
        break;
    case FontDispIds::Italic:
        changed.italic = value.toBool();
        break;
    case FontDispIds::Underline:
        changed.underline = value.toBool();
        break;
    case FontDispIds::Strikethrough:
        changed.strikethrough = value.toBool();
        break;
    case FontDispIds::Weight:
        changed.weight = value.toInt16();
        if (!validWeight(changed.weight)) {
            throwInvalidValue();
        }
        break;
    case FontDispIds::Charset:
        changed.charset = value.toInt16();
        break;
    default:
        throw ComError::standard(ErrorNumber::MemberNotSupported, kSource);
    }
    if (!m_notifier.requestEdit(id)) {
        return;
    }
    m_font = changed;
    m_notifier.changed(id);
}

void StdFont::SetDescription(const FontDescription& description) {
    if (description == m_font) {
        return;
    }
    m_font = description;
    m_notifier.changed(DispIds::Unknown);
}

void StdFont::InitNew() {
    m_font = FontDescription{};
    m_notifier.setDirty(false);
}

void StdFont::Load(IStream& stream) {
    StreamReader reader(stream);
    if (reader.readInt16() != kStreamVersion) {
        throw ComError(STG_E_READFAULT, QStringLiteral("Unknown font data version"), kSource);
    }
    FontDescription loaded;
    loaded.name = reader.readString().value_or(QString());
    loaded.size = reader.readDouble();
    loaded.weight = reader.readInt16();
    loaded.charset = reader.readInt16();
    const std::int16_t flags = reader.readInt16();
    loaded.italic = (flags & kItalicFlag) != 0;
    loaded.underline = (flags & kUnderlineFlag) != 0;
    loaded.strikethrough = (flags & kStrikethroughFlag) != 0;
    takeLoaded(loaded);
}

void StdFont::Save(IStream& stream, bool clearDirty) {
    StreamWriter writer(stream);
    writer.writeInt16(kStreamVersion);
    writer.writeString(m_font.name);
    writer.writeDouble(m_font.size);
    writer.writeInt16(m_font.weight);
    writer.writeInt16(m_font.charset);
    writer.writeInt16(static_cast<std::int16_t>((m_font.italic ? kItalicFlag : 0) |
                                                (m_font.underline ? kUnderlineFlag : 0) |
                                                (m_font.strikethrough ? kStrikethroughFlag : 0)));
    if (clearDirty) {
        m_notifier.setDirty(false);
    }
}

void StdFont::Load(IPropertyBag& bag) {
    FontDescription loaded;
    const auto read = [&bag](const char* name) { return bag.Read(QLatin1String(name)); };
    if (const auto value = read("Name")) {
        loaded.name = value->toString();
    }
    if (const auto value = read("Size")) {
        loaded.size = value->toDouble();
    }
    if (const auto value = read("Weight")) {
        loaded.weight = value->toInt16();
    }
    if (const auto value = read("Charset")) {
        loaded.charset = value->toInt16();
    }
    if (const auto value = read("Italic")) {
        loaded.italic = value->toBool();
    }
    if (const auto value = read("Underline")) {
        loaded.underline = value->toBool();
    }
    if (const auto value = read("Strikethrough")) {
        loaded.strikethrough = value->toBool();
    }
    takeLoaded(loaded);
}

void StdFont::Save(IPropertyBag& bag, bool clearDirty, bool) {
    bag.Write(QStringLiteral("Name"), Variant(m_font.name));
    bag.Write(QStringLiteral("Size"), Variant(m_font.size));
    bag.Write(QStringLiteral("Weight"), Variant(m_font.weight));
    bag.Write(QStringLiteral("Charset"), Variant(m_font.charset));
    bag.Write(QStringLiteral("Italic"), Variant(m_font.italic));
    bag.Write(QStringLiteral("Underline"), Variant(m_font.underline));
    bag.Write(QStringLiteral("Strikethrough"), Variant(m_font.strikethrough));
    if (clearDirty) {
        m_notifier.setDirty(false);
    }
}

void StdFont::takeLoaded(const FontDescription& loaded) {
    if (loaded.name.isEmpty() || !validSize(loaded.size) || !validWeight(loaded.weight)) {
        throw ComError::standard(ErrorNumber::InvalidPropertyValue, kSource);
    }
    m_font = loaded;
    m_notifier.changed(DispIds::Unknown);
    m_notifier.setDirty(false);
}

std::vector<ComPtr<IConnectionPoint>> StdFont::EnumConnectionPoints() const {
    return m_points.all();
}

HRESULT StdFont::FindConnectionPoint(const Guid& iid, IConnectionPoint** point) {
    return m_points.find(iid, point);
}

ComPtr<StdFont> copyFont(IUnknown* font, ComModule* module) {
    const ComPtr<IFont> source = queryInterface<IFont>(font);
    return makeObject<StdFont>(source ? source->GetDescription() : FontDescription{}, module);
}

} // namespace tarnwick::com

#include "ambient.h"

#include "com_error.h"

namespace tarnwick::com {

namespace {

template <typename T, typename Convert>
T convertedOr(const Variant& value, T fallback, Convert convert) {
    if (value.isEmpty()) {
        return fallback;
    }
    try {
        return convert(value);
    } catch (const ComError&) {
        return fallback;
    }
}

std::uint32_t colourOr(const Variant& value, std::uint32_t fallback) {
    // Colours travel as 32-bit integers; system colours (top bit set) are negative there.
    return convertedOr(value, fallback,
                       [](const Variant& v) { return static_cast<std::uint32_t>(v.toInt32()); });
}

} // namespace

Variant AmbientProperties::property(DispId id) const {
    return m_site != nullptr ? m_site->GetAmbientProperty(id) : Variant();
}

bool AmbientProperties::userMode() const {
    return convertedOr(property(AmbientDispIds::UserMode), true,
                       [](const Variant& v) { return v.toBool(); });
}

QString AmbientProperties::displayName() const {
    return convertedOr(property(AmbientDispIds::DisplayName), QString(),
                       [](const Variant& v) { return v.toString(); });
}

std::uint32_t AmbientProperties::backColor(std::uint32_t fallback) const {
    return colourOr(property(AmbientDispIds::BackColor), fallback);
}

std::uint32_t AmbientProperties::foreColor(std::uint32_t fallback) const {
    return colourOr(property(AmbientDispIds::ForeColor), fallback);
}

ComPtr<IUnknown> AmbientProperties::font() const {
    return convertedOr(property(AmbientDispIds::Font), ComPtr<IUnknown>(),
                       [](const Variant& v) { return v.toObject(); });
}

} // namespace tarnwick::com

#include "host_site.h"

#include "frame/himetric.h"

namespace tarnwick::hosting {

using namespace com;

namespace {

constexpr std::uint32_t kButtonFace = 0x8000000Fu;
constexpr std::uint32_t kButtonText = 0x80000012u;

} // namespace

HostSite::HostSite(QString name, std::function<bool()> userMode, ComPtr<IUnknown> font)
    : m_name(std::move(name)), m_userMode(std::move(userMode)), m_font(std::move(font)) {}

Variant HostSite::GetAmbientProperty(DispId id) {
    switch (id) {
    case AmbientDispIds::UserMode:
        return Variant(m_userMode());
    case AmbientDispIds::DisplayName:
        return Variant(m_name);
    case AmbientDispIds::Font:
        return Variant(m_font);
    case AmbientDispIds::BackColor:
        return Variant(static_cast<std::int32_t>(kButtonFace));
    case AmbientDispIds::ForeColor:
        return Variant(static_cast<std::int32_t>(kButtonText));
    default:
        return {};
    }
}

QPointF HostSite::TransformCoords(const QPointF& himetric) {
    const QPointF origin = m_window ? QPointF(m_window->pos()) : QPointF();
    return origin + himetric / frame::Himetric::kPerPixel;
}

} // namespace tarnwick::hosting

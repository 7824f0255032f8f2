#include "font_link.h"

#include "com/property_notify.h"

#include <algorithm>

namespace tarnwick::fenbase6 {

class FontLink::Sink : public com::ComObject<com::IPropertyNotifySink> {
public:
    explicit Sink(std::function<void()> changed) : m_changed(std::move(changed)) {}

    void OnChanged(com::DispId) override {
        if (m_changed) {
            m_changed();
        }
    }
    bool OnRequestEdit(com::DispId) override { return true; }

    void cut() { m_changed = nullptr; }

private:
    std::function<void()> m_changed;
};

namespace {

com::ComPtr<com::IConnectionPoint> notifyPointOf(const com::ComPtr<com::IUnknown>& font) {
    const auto container = font.query<com::IConnectionPointContainer>();
    com::IConnectionPoint* point = nullptr;
    if (!container || com::failed(container->FindConnectionPoint(
                          com::IPropertyNotifySink::kIid, &point))) {
        return {};
    }
    return com::ComPtr<com::IConnectionPoint>::adopt(point);
}

} // namespace

FontLink::FontLink(std::function<void()> changed)
    : m_sink(com::makeObject<Sink>(std::move(changed))) {}

FontLink::~FontLink() {
    detach();
    m_sink->cut();
}

void FontLink::attach(com::ComPtr<com::IUnknown> font) {
    detach();
    m_font = std::move(font);
    if (const auto point = notifyPointOf(m_font)) {
        if (com::failed(point->Advise(m_sink->unknown(), &m_cookie))) {
            m_cookie = 0;
        }
    }
}

void FontLink::detach() {
    if (m_cookie != 0) {
        if (const auto point = notifyPointOf(m_font)) {
            point->Unadvise(m_cookie);
        }
        m_cookie = 0;
    }
    m_font.reset();
}

com::FontDescription FontLink::description() const {
    const auto font = m_font.query<com::IFont>();
    return font ? font->GetDescription() : com::FontDescription{};
}

QFont toQFont(const com::FontDescription& description) {
    QFont font(description.name);
    font.setPointSizeF(description.size);
    font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(description.weight, 1, 1000)));
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setStrikeOut(description.strikethrough);
    return font;
}

} // namespace tarnwick::fenbase6

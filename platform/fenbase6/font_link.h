#pragma once

#include "com/com_object.h"
#include "com/font.h"

#include <QFont>
#include <functional>

namespace tarnwick::fenbase6 {

// A font object an owner uses, with its change notifications passed on to the owner: the
// link listens to the font's property-change point while it holds the font and stops when
// the font is replaced or the link ends, so a font shared with others never calls an owner
// that is gone.
class FontLink {
public:
    explicit FontLink(std::function<void()> changed);
    ~FontLink();
    FontLink(const FontLink&) = delete;
    FontLink& operator=(const FontLink&) = delete;

    // Holds `font` (an object with IFont) instead of the current one.
    void attach(com::ComPtr<com::IUnknown> font);
    const com::ComPtr<com::IUnknown>& font() const { return m_font; }
    // The font's values; the defaults while there is no font.
    com::FontDescription description() const;

private:
    class Sink;

    void detach();

    com::ComPtr<com::IUnknown> m_font;
    com::ComPtr<Sink> m_sink;
    std::uint32_t m_cookie = 0;
};

// The Qt font with the values of `description`.
QFont toQFont(const com::FontDescription& description);

} // namespace tarnwick::fenbase6

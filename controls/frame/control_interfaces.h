#pragma once

#include "com/com_ptr.h"
#include "com/guid.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;
class QWidget;

// What a host uses of a windowed control and its property pages, beyond automation, events
// and persistence (platform/com). Both sides compile these headers, so Qt types may cross.
namespace tarnwick::frame {

enum class DrawTarget {
    Screen,  // a window or an image the host shows
    Picture, // a recorded picture (a metafile): drawn on white with its caption
};

struct IControlView : com::IUnknown {
    using Base = com::IUnknown;
    static constexpr com::Guid kIid{
        0x1F6C0A11, 0x7E2B, 0x4C55, {0x93, 0x0A, 0x2B, 0x1D, 0x6E, 0x4F, 0x80, 0x21}};

    // The control's window as a child of `parent`, made on the first call (the engine's own
    // creation, then the replay of every setting). The host places and sizes it.
    virtual QWidget* CreateControlWindow(QWidget* parent) = 0;
    // Destroys the window; the control keeps its settings.
    virtual void DestroyControlWindow() = 0;
    virtual QWidget* GetControlWindow() const = 0;
    // Draws the control into `bounds` of `painter`, with or without a window of its own.
    virtual void Draw(QPainter& painter, const QRect& bounds, DrawTarget target) = 0;
    // The control's size in HIMETRIC units (0.01 mm), as saved with it.
    virtual QSize GetExtent() const = 0;
    virtual void SetExtent(const QSize& himetric) = 0;
};

// The property pages a control offers, by class identity (each page is a creatable class).
struct ISpecifyPropertyPages : com::IUnknown {
    using Base = com::IUnknown;
    static constexpr com::Guid kIid{
        0xB196B28B, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

    virtual std::vector<com::Guid> GetPages() const = 0;
};

// One property page. The host hands it the selected controls, shows it, and applies it.
struct IPropertyPage : com::IUnknown {
    using Base = com::IUnknown;
    static constexpr com::Guid kIid{
        0xB196B28D, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

    virtual QString GetTitle() const = 0;
    virtual void SetObjects(const std::vector<com::ComPtr<com::IUnknown>>& objects) = 0;
    // The page's window as a child of `parent`, showing the first selected control's values.
    virtual QWidget* Activate(QWidget* parent) = 0;
    virtual void Deactivate() = 0;
    // Writes every value to every selected control; false when one was refused (the page
    // has told the user and put the focus on the field).
    virtual bool Apply() = 0;
};

// A picture object (a control's `MouseIcon`).
struct IPicture : com::IUnknown {
    using Base = com::IUnknown;
    static constexpr com::Guid kIid{
        0x7BF80980, 0xBF32, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

    virtual QImage GetImage() const = 0;
};

} // namespace tarnwick::frame

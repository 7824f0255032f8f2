#pragma once

#include "com_object.h"
#include "connection_point.h"
#include "font.h"
#include "persist.h"
#include "property_notify.h"
#include "type_info.h"

namespace tarnwick::com {

// The standard font object: its values through automation (Name, Size, Bold, Italic,
// Underline, Strikethrough, Weight, Charset) and IFont, property-change notification for the
// control that uses it, and persistence in both forms.
//
// Put rules (error 380 otherwise): Name not empty; Size above 0 and at most 2048 points;
// Weight 0..1000. Bold sets the weight to 700 or 400.
//
// Stream form: version (2 bytes, 1), Name (string), Size (8 bytes), Weight, Charset and the
// flags (2 bytes each; italic 1, underline 2, strikethrough 4). Property-bag form: the values
// under their automation names.
class StdFont : public ComObject<IFontDisp, IFont, IPersistStreamInit, IPersistPropertyBag,
                                 IConnectionPointContainer> {
public:
    explicit StdFont(const FontDescription& description = {}, ComModule* module = nullptr);

    static const TypeInfo& typeInfo();

    const TypeInfo& GetTypeInfo() const override { return typeInfo(); }
    Variant Invoke(DispId id, InvokeKind how, std::span<const Variant> args) override;

    FontDescription GetDescription() const override { return m_font; }
    void SetDescription(const FontDescription& description) override;

    Guid GetClassID() const override { return kStdFontClsid; }
    bool IsDirty() const override { return m_notifier.isDirty(); }
    void InitNew() override;
    void Load(IStream& stream) override;
    void Save(IStream& stream, bool clearDirty) override;
    void Load(IPropertyBag& bag) override;
    void Save(IPropertyBag& bag, bool clearDirty, bool saveAllProperties) override;

    std::vector<ComPtr<IConnectionPoint>> EnumConnectionPoints() const override;
    HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** point) override;

private:
    Variant get(DispId id) const;
    void put(DispId id, const Variant& value);
    // Takes loaded values after the put rules' checks (error 380 when they fail).
    void takeLoaded(const FontDescription& loaded);

    FontDescription m_font;
    PropertyNotifier m_notifier;
    ConnectionPointList m_points;
};

// A new standard font with the values of `font` (any object with IFont); a default font when
// it has none. Controls copy the container's ambient font this way, so that changing their
// own font leaves the container's alone.
ComPtr<StdFont> copyFont(IUnknown* font, ComModule* module = nullptr);

} // namespace tarnwick::com

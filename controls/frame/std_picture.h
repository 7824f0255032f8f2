#pragma once

#include "com/com_object.h"
#include "com/dispatch.h"
#include "com/persist.h"
#include "com/type_info.h"
#include "control_interfaces.h"

namespace tarnwick::frame {

struct IPictureDisp : com::IDispatch {
    using Base = com::IDispatch;
    static constexpr com::Guid kIid{
        0x7BF80981, 0xBF32, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};
};

constexpr com::Guid kStdPictureClsid{
    0x0BE35204, 0x8F91, 0x11CE, {0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51}};

// A picture object: an image with its size (Width, Height in pixels, read only) for
// automation, and both persistence forms. Stream form: a 32-bit byte count, then the image
// as PNG (count 0: an empty picture). Property-bag form: the PNG bytes under "Picture".
class StdPicture : public com::ComObject<IPictureDisp, IPicture, com::IPersistStreamInit,
                                         com::IPersistPropertyBag> {
public:
    explicit StdPicture(QImage image = {}, com::ComModule* module = nullptr);

    static const com::TypeInfo& typeInfo();
    const com::TypeInfo& GetTypeInfo() const override { return typeInfo(); }
    com::Variant Invoke(com::DispId id, com::InvokeKind how,
                        std::span<const com::Variant> args) override;

    QImage GetImage() const override { return m_image; }

    com::Guid GetClassID() const override { return kStdPictureClsid; }
    bool IsDirty() const override { return false; }
    void InitNew() override { m_image = {}; }
    void Load(com::IStream& stream) override;
    void Save(com::IStream& stream, bool clearDirty) override;
    void Load(com::IPropertyBag& bag) override;
    void Save(com::IPropertyBag& bag, bool clearDirty, bool saveAllProperties) override;

private:
    QByteArray encoded() const;
    void decode(const QByteArray& bytes);

    QImage m_image;
};

} // namespace tarnwick::frame

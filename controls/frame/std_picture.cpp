#include "std_picture.h"

#include "com/com_error.h"
#include "com/member_dispatch.h"
#include "com/stream_io.h"

#include <QBuffer>

namespace tarnwick::frame {

using namespace com;

namespace {

const QString kBagName = QStringLiteral("Picture");

MemberInfo sizeProperty(const char* name, DispId id) {
    return {QLatin1String(name),
            id,
            MemberKind::Property,
            QStringLiteral("Long"),
            VariantType::Int32,
            Access::Get,
            false,
            {},
            nullptr};
}

} // namespace

StdPicture::StdPicture(QImage image, ComModule* module)
    : ComObject(module), m_image(std::move(image)) {}

const TypeInfo& StdPicture::typeInfo() {
    static const TypeInfo info(QStringLiteral("IPictureDisp"), IPictureDisp::kIid,
                               {sizeProperty("Width", 1), sizeProperty("Height", 2)});
    return info;
}

Variant StdPicture::Invoke(DispId id, InvokeKind how, std::span<const Variant> args) {
    return dispatchMember(
        typeInfo(), QStringLiteral("StdPicture"), id, how, args,
        [&](const MemberInfo&) { return Variant(id == 1 ? m_image.width() : m_image.height()); });
}

QByteArray StdPicture::encoded() const {
    QByteArray bytes;
    if (!m_image.isNull()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        m_image.save(&buffer, "PNG");
    }
    return bytes;
}

void StdPicture::decode(const QByteArray& bytes) {
    QImage image;
    if (!bytes.isEmpty() && !image.loadFromData(bytes, "PNG")) {
        throw ComError::standard(STG_E_READFAULT);
    }
    m_image = image;
}

void StdPicture::Save(IStream& stream, bool) {
    const QByteArray bytes = encoded();
    StreamWriter writer(stream);
    writer.writeInt32(static_cast<std::int32_t>(bytes.size()));
    writer.writeBytes(bytes);
}

void StdPicture::Load(IStream& stream) {
    StreamReader reader(stream);
    decode(reader.readBytes(reader.readInt32()));
}

void StdPicture::Save(IPropertyBag& bag, bool, bool) {
    bag.Write(kBagName, Variant(encoded()));
}

void StdPicture::Load(IPropertyBag& bag) {
    const auto stored = bag.Read(kBagName);
    decode(stored ? stored->toBytes() : QByteArray());
}

} // namespace tarnwick::frame

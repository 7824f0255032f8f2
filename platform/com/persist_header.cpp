#include "persist_header.h"

#include "stream_io.h"

namespace tarnwick::com {

namespace {

const QString kVersion = QStringLiteral("_Version");
const QString kExtentX = QStringLiteral("_ExtentX");
const QString kExtentY = QStringLiteral("_ExtentY");

void loadInt32(IPropertyBag& bag, const QString& name, std::int32_t& value) {
    if (const auto stored = bag.Read(name)) {
        value = stored->toInt32();
    }
}

} // namespace

void PersistHeader::save(IStream& stream) const {
    StreamWriter writer(stream);
    writer.writeInt32(version);
    writer.writeInt32(extentX);
    writer.writeInt32(extentY);
}

void PersistHeader::load(IStream& stream) {
    StreamReader reader(stream);
    version = reader.readInt32();
    extentX = reader.readInt32();
    extentY = reader.readInt32();
}

void PersistHeader::save(IPropertyBag& bag) const {
    bag.Write(kVersion, Variant(version));
    bag.Write(kExtentX, Variant(extentX));
    bag.Write(kExtentY, Variant(extentY));
}

void PersistHeader::load(IPropertyBag& bag) {
    loadInt32(bag, kVersion, version);
    loadInt32(bag, kExtentX, extentX);
    loadInt32(bag, kExtentY, extentY);
}

} // namespace tarnwick::com

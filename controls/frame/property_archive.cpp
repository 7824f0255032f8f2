#include "property_archive.h"

#include "com/object_stream.h"
#include "com/stream_io.h"

namespace tarnwick::frame {

using namespace com;

void PropertyArchive::boolean(const QString& name, bool& value) {
    std::int16_t stored = value ? -1 : 0;
    int16(name, stored);
    value = stored != 0;
}

void PropertyArchive::uint32(const QString& name, std::uint32_t& value) {
    auto stored = static_cast<std::int32_t>(value);
    int32(name, stored);
    value = static_cast<std::uint32_t>(stored);
}

// ---------------------------------------------------------------------------------------------

void StreamSaver::int16(const QString&, std::int16_t& value) {
    StreamWriter(m_stream).writeInt16(value);
}

void StreamSaver::int32(const QString&, std::int32_t& value) {
    StreamWriter(m_stream).writeInt32(value);
}

void StreamSaver::real(const QString&, double& value) {
    StreamWriter(m_stream).writeDouble(value);
}

void StreamSaver::string(const QString&, std::optional<QString>& value) {
    StreamWriter(m_stream).writeString(value);
}

void StreamSaver::object(const QString&, ComPtr<IUnknown>& object, const ObjectCreator&) {
    writeObjectToStream(m_stream, object.get());
}

// ---------------------------------------------------------------------------------------------

void StreamLoader::int16(const QString&, std::int16_t& value) {
    value = StreamReader(m_stream).readInt16();
}

void StreamLoader::int32(const QString&, std::int32_t& value) {
    value = StreamReader(m_stream).readInt32();
}

void StreamLoader::real(const QString&, double& value) {
    value = StreamReader(m_stream).readDouble();
}

void StreamLoader::string(const QString&, std::optional<QString>& value) {
    value = StreamReader(m_stream).readString();
}

void StreamLoader::object(const QString&, ComPtr<IUnknown>& object, const ObjectCreator& creator) {
    object = readObjectFromStream(m_stream, creator);
}

// ---------------------------------------------------------------------------------------------

void BagSaver::int16(const QString& name, std::int16_t& value) {
    m_bag.Write(name, Variant(value));
}

void BagSaver::int32(const QString& name, std::int32_t& value) {
    m_bag.Write(name, Variant(value));
}

void BagSaver::real(const QString& name, double& value) {
    m_bag.Write(name, Variant(value));
}

void BagSaver::string(const QString& name, std::optional<QString>& value) {
    m_bag.Write(name, value ? Variant(*value) : Variant::null());
}

void BagSaver::object(const QString& name, ComPtr<IUnknown>& object, const ObjectCreator&) {
    m_bag.Write(name, Variant(object));
}

// ---------------------------------------------------------------------------------------------

void BagLoader::int16(const QString& name, std::int16_t& value) {
    if (const auto stored = m_bag.Read(name)) {
        value = stored->toInt16();
    }
}

void BagLoader::int32(const QString& name, std::int32_t& value) {
    if (const auto stored = m_bag.Read(name)) {
        value = stored->toInt32();
    }
}

void BagLoader::real(const QString& name, double& value) {
    if (const auto stored = m_bag.Read(name)) {
        value = stored->toDouble();
    }
}

void BagLoader::string(const QString& name, std::optional<QString>& value) {
    if (const auto stored = m_bag.Read(name)) {
        value = stored->isNull() ? std::nullopt : std::optional<QString>(stored->toString());
    }
}

void BagLoader::object(const QString& name, ComPtr<IUnknown>& object,
                       const ObjectCreator& creator) {
    if (const auto stored = m_bag.ReadObject(name, creator)) {
        object = *stored;
    }
}

} // namespace tarnwick::frame

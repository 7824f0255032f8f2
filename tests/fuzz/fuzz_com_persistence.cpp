#include "com/com_error.h"
#include "com/memory_stream.h"
#include "com/object_stream.h"
#include "com/property_bag_text.h"
#include "com/standard_objects.h"
#include "com/stream_io.h"

#include <cstdint>
#include <cstdlib>

using namespace tarnwick::com;

namespace {

// The bytes as saved control data: nested objects in object-stream form, strings and
// numbers, read until the data runs out. Every object read must save and read back the same.
void readStream(const QByteArray& input) {
    const auto stream = makeObject<MemoryStream>(input);
    const ObjectCreator creator = [](const Guid& clsid) { return createStandardObject(clsid); };
    try {
        for (;;) {
            if (const ComPtr<IUnknown> object = readObjectFromStream(*stream, creator)) {
                const auto saved = makeObject<MemoryStream>();
                writeObjectToStream(*saved, object.get());
                saved->Seek(0, SeekOrigin::Begin);
                const auto again = makeObject<MemoryStream>();
                writeObjectToStream(*again, readObjectFromStream(*saved, creator).get());
                if (again->bytes() != saved->bytes()) {
                    std::abort();
                }
            }
            StreamReader reader(*stream);
            reader.readString();
            reader.readInt16();
        }
    } catch (const ComError&) {
    }
}

// The bytes as property-bag text: what reads writes back, and that reads back the same.
void readBagText(const QByteArray& input) {
    try {
        const QByteArray text = propertyBagToText(*propertyBagFromText(input));
        if (propertyBagToText(*propertyBagFromText(text)) != text) {
            std::abort();
        }
    } catch (const ComError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    readStream(input);
    readBagText(input);
    return 0;
}

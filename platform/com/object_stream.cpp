#include "object_stream.h"

#include "com_error.h"
#include "stream_io.h"

namespace tarnwick::com {

void writeObjectToStream(IStream& stream, IUnknown* object) {
    StreamWriter writer(stream);
    if (object == nullptr) {
        writer.writeGuid(Guid{});
        return;
    }
    const ComPtr<IPersistStreamInit> persist = queryInterface<IPersistStreamInit>(object);
    if (!persist) {
        throw ComError::standard(E_NOINTERFACE);
    }
    writer.writeGuid(persist->GetClassID());
    persist->Save(stream, true);
}

ComPtr<IUnknown> readObjectFromStream(IStream& stream, const ObjectCreator& creator) {
    const Guid clsid = StreamReader(stream).readGuid();
    if (clsid.isNull()) {
        return {};
    }
    const ComPtr<IUnknown> object = creator ? creator(clsid) : ComPtr<IUnknown>();
    if (!object) {
        throw ComError::standard(REGDB_E_CLASSNOTREG);
    }
    const ComPtr<IPersistStreamInit> persist = object.query<IPersistStreamInit>();
    if (!persist) {
        throw ComError::standard(E_NOINTERFACE);
    }
    persist->Load(stream);
    return object;
}

} // namespace tarnwick::com

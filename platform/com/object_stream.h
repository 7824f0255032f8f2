#pragma once

#include "persist.h"

namespace tarnwick::com {

// The object-stream form of a nested object: its 16-byte class identity, then the object's
// own saved data. An absent object is a null class identity alone.

// Writes `object` (null for none); it must be able to save itself to a stream
// (ComError(E_NOINTERFACE) otherwise).
void writeObjectToStream(IStream& stream, IUnknown* object);

// Reads an object written by writeObjectToStream: null for an absent object, else a new
// object of the class read, created by `creator` and loaded from the stream. A class the
// creator does not know is ComError(REGDB_E_CLASSNOTREG).
ComPtr<IUnknown> readObjectFromStream(IStream& stream, const ObjectCreator& creator);

} // namespace tarnwick::com

#pragma once

#include "property_bag.h"

#include <QByteArray>

namespace tarnwick::com {

// The file form of a property bag: UTF-8 JSON, an array of entries in the bag's order.
//   {"name": "MarginLeft", "type": "Int16", "value": 1}
//   {"name": "Caption", "object": "{...class...}", "properties": [ ...entries... ]}
//   {"name": "MouseIcon", "object": null}                      (an absent object)
// Types are Empty, Null, Int16, Int32, Double, Boolean, String, ByteArray (value in base64)
// and Error. A double that is not finite is written as the text "NaN", "Infinity" or
// "-Infinity". Reading what was written gives the same bag, and writing it again the same
// bytes.
QByteArray propertyBagToText(const PropertyBag& bag);

// Reads the file form into a new bag; damaged text is ComError(STG_E_READFAULT) with the
// problem in the description.
ComPtr<PropertyBag> propertyBagFromText(const QByteArray& text);

} // namespace tarnwick::com

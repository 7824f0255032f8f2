#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

namespace tarnwick {

namespace ErrorNumber {
// A call on an automation object failed inside the object or on the way to it.
constexpr int AutomationError = 440;
} // namespace ErrorNumber

// An object of another program, reached late-bound: methods are called by name.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;

    // Calls `method` with `arguments` and answers its first return value, or an invalid
    // QVariant when it returns nothing. Throws AppError 440 when the call fails.
    virtual QVariant call(const QString& method, const QVariantList& arguments) = 0;
};

// Creates automation objects by ProgID. The object is released when the pointer goes.
class AutomationFactory {
public:
    virtual ~AutomationFactory() = default;

    // Throws AppError 429 when no such object can be created (nothing provides it).
    virtual std::unique_ptr<AutomationObject> create(const QString& progId) = 0;
};

} // namespace tarnwick

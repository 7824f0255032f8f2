#pragma once

#include <QString>
#include <exception>
#include <string>

namespace tarnwick::com {

// Automation error numbers raised through the runtime; plumbing failures that reach a caller
// as errors keep their status value (a negative number).
namespace ErrorNumber {
constexpr long InvalidArgument = 5;
constexpr long Overflow = 6;
constexpr long TypeMismatch = 13;
constexpr long ObjectNotSet = 91;
constexpr long InvalidUseOfNull = 94;
constexpr long FileNotFound = 53;
constexpr long PathFileAccess = 75;
constexpr long InvalidPropertyValue = 380;
constexpr long PropertyReadOnly = 383;
constexpr long PropertyGetNotSupported = 394;
constexpr long ObjectRequired = 424;
constexpr long InvalidObjectUse = 425;
constexpr long CannotCreateObject = 429;
constexpr long MemberNotSupported = 438;
constexpr long ArgumentNotOptional = 449;
constexpr long WrongArgumentCount = 450;
constexpr long FormatMismatch = 461;
constexpr long ExpectedArgument = 673;
constexpr long NonIntrinsicFormatNeedsBytes = 675;
} // namespace ErrorNumber

// An automation error: number, description and source (the ProgID or library that raised it;
// empty until someone who knows fills it in). Dispatch, conversion and persistence failures
// are thrown as this.
class ComError : public std::exception {
public:
    ComError(long number, QString description, QString source = {});

    // An error with the standard description of `number`.
    static ComError standard(long number, const QString& source = {});
    static QString standardDescription(long number);

    long number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const QString& source() const noexcept { return m_source; }
    const char* what() const noexcept override { return m_what.c_str(); }

    // Names the raiser when nobody has yet (an object passing on a conversion failure).
    void setSourceIfEmpty(const QString& source);

private:
    void updateWhat();

    long m_number;
    QString m_description;
    QString m_source;
    std::string m_what;
};

} // namespace tarnwick::com

#pragma once

#include <QString>

#include <exception>
#include <string>

namespace tarnwick {

// Automation-style error numbers the program raises and reports.
namespace ErrorNumber {
constexpr int InvalidArgument = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int PathFileAccess = 75;
constexpr int InvalidPropertyValue = 380;
constexpr int CannotCreateObject = 429;
constexpr int DialogCancelled = 32755;
} // namespace ErrorNumber

inline const QString kProgramSource = QStringLiteral("tarnwick");

// A failure carrying a number, a source and a description: what ReportError shows.
class AppError : public std::exception {
public:
    AppError(int number, QString source, QString description);

    // An error with the program as source and the standard description of `number`.
    static AppError standard(int number);
    // The standard description with extra detail appended ("Overflow: limit of channel 3").
    static AppError standard(int number, const QString& detail);

    int number() const noexcept { return m_number; }
    const QString& source() const noexcept { return m_source; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

    static QString standardDescription(int number);

private:
    int m_number;
    QString m_source;
    QString m_description;
    std::string m_what;
};

} // namespace tarnwick

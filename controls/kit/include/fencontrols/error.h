#pragma once

#include "fencontrols/export.h"

#include <QString>
#include <stdexcept>

namespace fencontrols {

// A failure of a control or of the kit: the automation error number (380 for a value a
// property refuses, 383 for a read-only property, 429 when a control cannot be created, 438
// for a member the control does not have, ...), its text, and who raised it.
class FENCONTROLS_EXPORT Error : public std::runtime_error {
public:
    Error(long number, const QString& description, const QString& source = {});

    long number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const QString& source() const noexcept { return m_source; }

private:
    long m_number;
    QString m_description;
    QString m_source;
};

} // namespace fencontrols

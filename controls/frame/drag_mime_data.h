#pragma once

#include "data_object.h"

#include <QMimeData>
#include <functional>

namespace tarnwick::frame {

// The data of a drag this control started, as the drop target sees it: the formats of the
// writable data object, each read when the target asks. A format offered without its value
// is asked for first (the control fires OLESetData, whose handler supplies it).
class DragMimeData : public QMimeData {
public:
    using SupplyRequest = std::function<void(std::int16_t format)>;

    DragMimeData(com::ComPtr<DataObject> data, SupplyRequest supply);

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    const DataObject::Entry* entryFor(const QString& mimeType) const;

    com::ComPtr<DataObject> m_data;
    SupplyRequest m_supply;
};

} // namespace tarnwick::frame

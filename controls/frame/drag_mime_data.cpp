#include "drag_mime_data.h"

#include "clipboard_formats.h"

#include <QUrl>

namespace tarnwick::frame {

using namespace com;

DragMimeData::DragMimeData(ComPtr<DataObject> data, SupplyRequest supply)
    : m_data(std::move(data)), m_supply(std::move(supply)) {}

QStringList DragMimeData::formats() const {
    QStringList types;
    for (const DataObject::Entry& entry : m_data->entries()) {
        types.append(ClipboardFormat::mimeTypeOf(entry.format));
    }
    if (!m_data->files().isEmpty()) {
        types.append(ClipboardFormat::mimeTypeOf(ClipboardFormat::Files));
    }
    return types;
}

bool DragMimeData::hasFormat(const QString& mimeType) const {
    return formats().contains(mimeType);
}

const DataObject::Entry* DragMimeData::entryFor(const QString& mimeType) const {
    for (const DataObject::Entry& entry : m_data->entries()) {
        if (ClipboardFormat::mimeTypeOf(entry.format) == mimeType) {
            return &entry;
        }
    }
    return nullptr;
}

QVariant DragMimeData::retrieveData(const QString& mimeType, QMetaType) const {
    const DataObject::Entry* entry = entryFor(mimeType);
    if (entry == nullptr) {
        if (mimeType != ClipboardFormat::mimeTypeOf(ClipboardFormat::Files)) {
            return {};
        }
        QList<QUrl> urls;
        for (const QString& file : m_data->files()) {
            urls.append(QUrl::fromLocalFile(file));
        }
        return QVariant::fromValue(urls);
    }
    if (entry->value.isEmpty() && m_supply) {
        const std::int16_t format = entry->format;
        m_supply(format);
        entry = entryFor(mimeType); // the handler may have changed the list
        if (entry == nullptr || entry->value.isEmpty()) {
            return {};
        }
    }
    if (entry->value.type() == VariantType::String) {
        return entry->value.toString();
    }
    return entry->value.toBytes();
}

} // namespace tarnwick::frame

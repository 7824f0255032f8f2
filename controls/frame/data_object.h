#pragma once

#include "com/com_object.h"
#include "com/dispatch.h"
#include "com/type_info.h"

#include <QMimeData>
#include <QStringList>
#include <memory>
#include <vector>

namespace tarnwick::frame {

struct IDataObjectDisp : com::IDispatch {
    using Base = com::IDispatch;
    static constexpr com::Guid kIid{
        0x6A3B1C52, 0x0E8D, 0x4B8E, {0x9D, 0x21, 0x5F, 0x3C, 0x7A, 0x10, 0x44, 0xE1}};
};

struct IDataObjectFilesDisp : com::IDispatch {
    using Base = com::IDispatch;
    static constexpr com::Guid kIid{
        0x6A3B1C53, 0x0E8D, 0x4B8E, {0x9D, 0x21, 0x5F, 0x3C, 0x7A, 0x10, 0x44, 0xE1}};
};

namespace DataObjectDispIds {
constexpr com::DispId Clear = 1;
constexpr com::DispId GetData = 2;
constexpr com::DispId GetFormat = 3;
constexpr com::DispId SetData = 4;
constexpr com::DispId Files = 5;
} // namespace DataObjectDispIds

// The `Data` argument of the drag-and-drop events.
//
// A writable one (OLEStartDrag, OLESetData) holds format/value pairs the handler supplies; a
// value may be left out to be asked for in OLESetData when a target wants it. A read-only one
// (OLEDragOver, OLEDragDrop) is a view of the dropped data, copied when it is made, so that a
// handler keeping it holds no pointer into a finished drop.
class DataObject : public com::ComObject<IDataObjectDisp> {
public:
    struct Entry {
        std::int16_t format = 0;
        com::Variant value; // a string (text), a byte array, or Empty until supplied
    };

    static com::ComPtr<DataObject> writable(com::ComModule* module = nullptr);
    static com::ComPtr<DataObject> readOnlyView(const QMimeData& dropped,
                                                com::ComModule* module = nullptr);

    static const com::TypeInfo& typeInfo();
    const com::TypeInfo& GetTypeInfo() const override { return typeInfo(); }
    com::Variant Invoke(com::DispId id, com::InvokeKind how,
                        std::span<const com::Variant> args) override;

    bool isReadOnly() const { return m_dropped != nullptr; }

    // The operations behind the members, for the control's own use. Failures as documented
    // for the members: 425 for the wrong kind of object, 461, 673, 675.
    void clear();
    com::Variant getData(std::int16_t format) const;
    bool getFormat(std::int16_t format) const;
    // `value` or `format` left out is none.
    void setData(const std::optional<com::Variant>& value, std::optional<std::int16_t> format);

    const std::vector<Entry>& entries() const { return m_entries; }
    QStringList& files() { return m_files; }
    const QStringList& files() const { return m_files; }

    explicit DataObject(std::unique_ptr<QMimeData> dropped, com::ComModule* module);

private:
    void requireWritable() const;
    void store(std::int16_t format, com::Variant value);

    std::unique_ptr<QMimeData> m_dropped; // set for a read-only view
    std::vector<Entry> m_entries;
    QStringList m_files;
};

// The `Files` collection of a data object: file names, the first at index 1.
class DataObjectFiles : public com::ComObject<IDataObjectFilesDisp> {
public:
    explicit DataObjectFiles(com::ComPtr<DataObject> owner);

    static const com::TypeInfo& typeInfo();
    const com::TypeInfo& GetTypeInfo() const override { return typeInfo(); }
    com::Variant Invoke(com::DispId id, com::InvokeKind how,
                        std::span<const com::Variant> args) override;

private:
    qsizetype indexOf(const com::Variant& index, qsizetype end) const;
    QStringList& changeableFiles();

    com::ComPtr<DataObject> m_owner;
};

} // namespace tarnwick::frame

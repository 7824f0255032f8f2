#include "data_object.h"

#include "clipboard_formats.h"
#include "com/com_error.h"
#include "com/com_result.h"
#include "com/member_dispatch.h"

#include <QUrl>
#include <algorithm>

namespace tarnwick::frame {

using namespace com;

namespace {

const QString kSource = QStringLiteral("DataObject");
constexpr std::int32_t kParameterNotFound = static_cast<std::int32_t>(0x80020004u);

ParameterInfo parameter(const char* name, const char* typeName, bool optional = false) {
    return {QLatin1String(name), QLatin1String(typeName), false, optional};
}

MemberInfo method(const char* name, DispId id, VariantType result,
                  std::vector<ParameterInfo> parameters = {}) {
    return {QLatin1String(name), id,    MemberKind::Method,    {},     result,
            Access::Method,      false, std::move(parameters), nullptr};
}

// An argument a caller left out: not passed, or passed as the "missing" error value.
std::optional<Variant> argumentAt(std::span<const Variant> args, std::size_t index) {
    if (index >= args.size()) {
        return std::nullopt;
    }
    const Variant& arg = args[index].dereferenced();
    if (arg.type() == VariantType::Error && arg.errorCode() == kParameterNotFound) {
        return std::nullopt;
    }
    return arg;
}

QString textOf(const Variant& value) {
    try {
        return value.toString();
    } catch (const ComError&) {
        throw ComError::standard(ErrorNumber::FormatMismatch);
    }
}

} // namespace

DataObject::DataObject(std::unique_ptr<QMimeData> dropped, ComModule* module)
    : ComObject(module), m_dropped(std::move(dropped)) {}

ComPtr<DataObject> DataObject::writable(ComModule* module) {
    return makeObject<DataObject>(nullptr, module);
}

ComPtr<DataObject> DataObject::readOnlyView(const QMimeData& dropped, ComModule* module) {
    auto copy = std::make_unique<QMimeData>();
    for (const QString& format : dropped.formats()) {
        copy->setData(format, dropped.data(format));
    }
    auto view = makeObject<DataObject>(std::move(copy), module);
    for (const QUrl& url : dropped.urls()) {
        if (url.isLocalFile()) {
            view->m_files.append(url.toLocalFile());
        }
    }
    return view;
}

const TypeInfo& DataObject::typeInfo() {
    using namespace DataObjectDispIds;
    static const TypeInfo info(
        QStringLiteral("DataObject"), IDataObjectDisp::kIid,
        {method("Clear", Clear, VariantType::Empty),
         method("GetData", GetData, VariantType::Empty, {parameter("Format", "Integer")}),
         method("GetFormat", GetFormat, VariantType::Boolean, {parameter("Format", "Integer")}),
         method("SetData", SetData, VariantType::Empty,
                {parameter("Value", "Variant", true), parameter("Format", "Variant", true)}),
         {QStringLiteral("Files"),
          Files,
          MemberKind::Property,
          QStringLiteral("DataObjectFiles"),
          VariantType::Object,
          Access::Get,
          false,
          {},
          nullptr}});
    return info;
}

Variant DataObject::Invoke(DispId id, InvokeKind how, std::span<const Variant> args) {
    return dispatchMember(typeInfo(), kSource, id, how, args, [&](const MemberInfo&) {
        switch (id) {
        case DataObjectDispIds::Clear:
            clear();
            return Variant();
        case DataObjectDispIds::GetData:
            return getData(args[0].toInt16());
        case DataObjectDispIds::GetFormat:
            return Variant(getFormat(args[0].toInt16()));
        case DataObjectDispIds::SetData: {
            const std::optional<Variant> format = argumentAt(args, 1);
            setData(argumentAt(args, 0),
                    format ? std::optional<std::int16_t>(format->toInt16()) : std::nullopt);
            return Variant();
        }
        default:
            return Variant(makeUnknown<DataObjectFiles>(ComPtr<DataObject>(this)));
        }
    });
}

void DataObject::requireWritable() const {
    if (isReadOnly()) {
        throw ComError::standard(ErrorNumber::InvalidObjectUse);
    }
}

void DataObject::clear() {
    requireWritable();
    m_entries.clear();
    m_files.clear();
}

Variant DataObject::getData(std::int16_t format) const {
    if (!isReadOnly()) {
        throw ComError::standard(ErrorNumber::InvalidObjectUse);
    }
    if (format == ClipboardFormat::Text) {
        if (!m_dropped->hasText()) {
            throw ComError::standard(ErrorNumber::FormatMismatch);
        }
        return Variant(m_dropped->text());
    }
    const QString mimeType = ClipboardFormat::mimeTypeOf(format);
    if (!m_dropped->hasFormat(mimeType)) {
        throw ComError::standard(ErrorNumber::FormatMismatch);
    }
    return Variant(m_dropped->data(mimeType));
}

bool DataObject::getFormat(std::int16_t format) const {
    if (format == ClipboardFormat::Bitmap || format == ClipboardFormat::Palette) {
        return false;
    }
    if (isReadOnly()) {
        return format == ClipboardFormat::Text
                   ? m_dropped->hasText()
                   : m_dropped->hasFormat(ClipboardFormat::mimeTypeOf(format));
    }
    if (format == ClipboardFormat::Files && !m_files.isEmpty()) {
        return true;
    }
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [format](const Entry& entry) { return entry.format == format; });
}

void DataObject::setData(const std::optional<Variant>& value, std::optional<std::int16_t> format) {
    requireWritable();
    if (!value && !format) {
        throw ComError::standard(ErrorNumber::ExpectedArgument);
    }
    if (!value) {
        store(*format, Variant()); // offered now, supplied in OLESetData when asked for
        return;
    }
    if (!format || *format == ClipboardFormat::Text) {
        store(ClipboardFormat::Text, Variant(textOf(*value)));
        return;
    }
    if (value->type() != VariantType::ByteArray) {
        throw ComError::standard(ErrorNumber::NonIntrinsicFormatNeedsBytes);
    }
    store(*format, *value);
}

void DataObject::store(std::int16_t format, Variant value) {
    const auto found =
        std::find_if(m_entries.begin(), m_entries.end(),
                     [format](const Entry& entry) { return entry.format == format; });
    if (found != m_entries.end()) {
        found->value = std::move(value);
    } else {
        m_entries.push_back({format, std::move(value)});
    }
}

// ---------------------------------------------------------------------------------------------

DataObjectFiles::DataObjectFiles(ComPtr<DataObject> owner)
    : ComObject(nullptr), m_owner(std::move(owner)) {}

namespace DataObjectFilesDispIds {
constexpr DispId Item = 0;
constexpr DispId Count = 1;
constexpr DispId Add = 2;
constexpr DispId Clear = 3;
constexpr DispId Remove = 4;
} // namespace DataObjectFilesDispIds

const TypeInfo& DataObjectFiles::typeInfo() {
    using namespace DataObjectFilesDispIds;
    static const TypeInfo info(
        QStringLiteral("DataObjectFiles"), IDataObjectFilesDisp::kIid,
        {{QStringLiteral("Item"),
          Item,
          MemberKind::Property,
          QStringLiteral("String"),
          VariantType::String,
          Access::Get,
          false,
          {parameter("Index", "Long")},
          nullptr},
         {QStringLiteral("Count"),
          Count,
          MemberKind::Property,
          QStringLiteral("Long"),
          VariantType::Int32,
          Access::Get,
          false,
          {},
          nullptr},
         method("Add", Add, VariantType::Empty,
                {parameter("Filename", "String"), parameter("Index", "Variant", true)}),
         method("Clear", Clear, VariantType::Empty),
         method("Remove", Remove, VariantType::Empty, {parameter("Index", "Variant")})});
    return info;
}

qsizetype DataObjectFiles::indexOf(const Variant& index, qsizetype end) const {
    const std::int32_t number = index.toInt32();
    if (number < 1 || number > end) {
        throw ComError(9, QStringLiteral("Subscript out of range"));
    }
    return number - 1;
}

QStringList& DataObjectFiles::changeableFiles() {
    if (m_owner->isReadOnly()) {
        throw ComError::standard(ErrorNumber::InvalidObjectUse);
    }
    return m_owner->files();
}

Variant DataObjectFiles::Invoke(DispId id, InvokeKind how, std::span<const Variant> args) {
    return dispatchMember(typeInfo(), kSource, id, how, args, [&](const MemberInfo&) {
        const QStringList& files = m_owner->files();
        switch (id) {
        case DataObjectFilesDispIds::Item:
            return Variant(files.at(indexOf(args[0], files.size())));
        case DataObjectFilesDispIds::Count:
            return Variant(static_cast<std::int32_t>(files.size()));
        case DataObjectFilesDispIds::Add: {
            QStringList& changeable = changeableFiles();
            const std::optional<Variant> before = argumentAt(args, 1);
            changeable.insert(before ? indexOf(*before, changeable.size() + 1) : changeable.size(),
                              args[0].toString());
            return Variant();
        }
        case DataObjectFilesDispIds::Clear:
            changeableFiles().clear();
            return Variant();
        default: {
            QStringList& changeable = changeableFiles();
            changeable.removeAt(indexOf(args[0], changeable.size()));
            return Variant();
        }
        }
    });
}

} // namespace tarnwick::frame

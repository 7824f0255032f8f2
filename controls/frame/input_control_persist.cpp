// A new control, both persistence forms, and the nested Caption, Key, Font and MouseIcon
// objects with their connections to the control.
#include "com/com_error.h"
#include "com/standard_objects.h"
#include "com/std_font.h"
#include "common_dispids.h"
#include "control_window.h"
#include "fenbase6/ole_color.h"
#include "input_control.h"
#include "property_archive.h"
#include "std_picture.h"

#include <stdexcept>

namespace tarnwick::frame {

using namespace com;

namespace {

// A new control's size: 120 by 24 pixels.
constexpr std::int32_t kDefaultExtentX = 3175;
constexpr std::int32_t kDefaultExtentY = 635;

} // namespace

PersistHeader InputControl::defaultHeader() const {
    return {m_class.persistVersion, kDefaultExtentX, kDefaultExtentY};
}

ComPtr<IUnknown> InputControl::newSharedObject(const Guid& clsid) const {
    auto object = ComPtr<IUnknown>::adopt(m_api.createObject(clsid));
    if (!object) {
        throw ComError(
            ErrorNumber::CannotCreateObject,
            QStringLiteral("The shared base library cannot make object %1").arg(clsid.toString()),
            m_class.source);
    }
    return object;
}

ComPtr<IUnknown> InputControl::newFont(IUnknown* model) const {
    return ComPtr<IUnknown>(copyFont(model, module())->unknown());
}

ObjectCreator InputControl::creatorFor(const Guid& expectedClass) const {
    // Each slot takes only its own class, so damaged data cannot put a font where the
    // caption belongs.
    return [this, expectedClass](const Guid& clsid) -> ComPtr<IUnknown> {
        if (clsid != expectedClass) {
            return {};
        }
        if (clsid == kStdPictureClsid) {
            return makeUnknown<StdPicture>(QImage(), module());
        }
        if (clsid == kStdFontClsid) {
            return createStandardObject(clsid, module());
        }
        return ComPtr<IUnknown>::adopt(m_api.createObject(clsid));
    };
}

void InputControl::connectNestedObjects() {
    m_captionChanges.connect(
        m_caption.get(),
        [this](DispId) {
            if (m_window) {
                m_window->layoutEngine();
            }
            m_notifier.changed(CommonDispIds::Caption);
        },
        module());
    m_fontChanges.connect(
        m_font.get(),
        [this](DispId) {
            sendFont(m_engine);
            m_notifier.changed(CommonDispIds::Font);
        },
        module());
    if (const auto keys = m_key.query<fenbase6::IFenKeyActions>()) {
        keys->SetEnabledActions(m_class.keyActionMask);
    }
    if (const auto caption = m_caption.query<fenbase6::IFenCaption>()) {
        caption->SetControlEnabled(m_settings.enabled);
    }
    if (m_window) {
        m_window->layoutEngine();
    }
}

void InputControl::InitNew() {
    checkThread();
    const AmbientProperties ambient(m_site.get());
    const ComPtr<IUnknown> ambientFont = ambient.font();
    m_settings = CommonSettings{};
    m_settings.alignHorizontal = m_class.defaultAlignHorizontal;
    m_header = defaultHeader();
    m_caption = newSharedObject(fenbase6::kCaptionClsid);
    m_key = newSharedObject(fenbase6::kKeyClsid);
    m_font = newFont(ambientFont.get());
    if (const auto caption = m_caption.query<fenbase6::IFenCaption>()) {
        caption->SetInitialValues(ambientFont.get(),
                                  ambient.backColor(fenbase6::OleColor::ButtonFace),
                                  ambient.foreColor(fenbase6::OleColor::ButtonText));
    }
    setMouseIcon(nullptr);
    initNewOwn();
    connectNestedObjects();
    if (m_window) {
        replaySettings(m_engine, m_window);
    }
    m_notifier.setDirty(false);
}

void InputControl::Load(IStream& stream) {
    checkThread();
    const Snapshot before = snapshot();
    try {
        StreamLoader archive(stream);
        load(archive);
    } catch (...) {
        // A failed load leaves the control as it was; its engine never saw the loaded values.
        restore(before, false);
        throw;
    }
}

void InputControl::Load(IPropertyBag& bag) {
    checkThread();
    const Snapshot before = snapshot();
    try {
        InitNew(); // what the bag lacks keeps a new control's value
        BagLoader archive(bag);
        load(archive);
    } catch (...) {
        restore(before, true); // the engine was given a new control's values
        throw;
    }
}

void InputControl::load(PropertyArchive& archive) {
    persist(archive);
    m_settings.validate();
    validateLoaded();
    // An object saved as absent is none; the caption, keys and font must exist.
    if (!m_caption) {
        m_caption = newSharedObject(fenbase6::kCaptionClsid);
    }
    if (!m_key) {
        m_key = newSharedObject(fenbase6::kKeyClsid);
    }
    if (!m_font) {
        m_font = newFont(nullptr);
    }
    // The engine has the last word on what it must accept: the loaded settings are tried on
    // a hidden engine before the control's own sees them.
    {
        EngineLink trial;
        bool accepted = false;
        const std::unique_ptr<QWidget> hidden = hiddenEngine(trial, &accepted);
        if (!accepted) {
            throw ComError::standard(ErrorNumber::InvalidPropertyValue);
        }
    }
    setMouseIcon(m_mouseIcon);
    connectNestedObjects();
    if (m_window) {
        replaySettings(m_engine, m_window);
        updateDropTarget();
    }
    m_notifier.setDirty(false);
}

InputControl::Snapshot InputControl::snapshot() {
    return {m_settings, m_header, m_caption, m_key,
            m_font,     m_mouseIcon, ownState(), m_notifier.isDirty()};
}

void InputControl::restore(const Snapshot& before, bool replay) {
    m_settings = before.settings;
    m_header = before.header;
    m_caption = before.caption;
    m_key = before.key;
    m_font = before.font;
    restoreOwnState(before.own);
    setMouseIcon(before.mouseIcon);
    connectNestedObjects();
    if (m_window && replay) {
        replaySettings(m_engine, m_window);
        updateDropTarget();
    }
    m_notifier.setDirty(before.dirty);
}

void InputControl::Save(IStream& stream, bool clearDirty) {
    checkThread();
    StreamSaver archive(stream);
    save(archive, clearDirty);
}

void InputControl::Save(IPropertyBag& bag, bool clearDirty, bool) {
    checkThread();
    BagSaver archive(bag);
    save(archive, clearDirty);
}

void InputControl::save(PropertyArchive& archive, bool clearDirty) {
    persist(archive);
    if (clearDirty) {
        m_notifier.setDirty(false);
    }
}

void InputControl::persistHeader(PropertyArchive& archive) {
    archive.int32(QStringLiteral("_Version"), m_header.version);
    archive.int32(QStringLiteral("_ExtentX"), m_header.extentX);
    archive.int32(QStringLiteral("_ExtentY"), m_header.extentY);
}

void InputControl::persistCommon(PropertyArchive& archive, const QString& name) {
    using namespace CommonDispIds;
    if (name == QLatin1String("Caption")) {
        archive.object(name, m_caption, creatorFor(fenbase6::kCaptionClsid));
        return;
    }
    if (name == QLatin1String("Keys")) {
        archive.object(name, m_key, creatorFor(fenbase6::kKeyClsid));
        return;
    }
    if (name == QLatin1String("Font")) {
        archive.object(name, m_font, creatorFor(kStdFontClsid));
        return;
    }
    if (name == QLatin1String("MouseIcon")) {
        archive.object(name, m_mouseIcon, creatorFor(kStdPictureClsid));
        return;
    }
    const DispId id = GetTypeInfo().idOfName(name);
    if (std::int16_t* value = m_settings.shortValue(id)) {
        archive.int16(name, *value);
        return;
    }
    switch (id) {
    case BackColor:
        archive.uint32(name, m_settings.backColor);
        return;
    case ForeColor:
        archive.uint32(name, m_settings.foreColor);
        return;
    case Enabled:
        archive.boolean(name, m_settings.enabled);
        return;
    case ErrorBeep:
        archive.boolean(name, m_settings.errorBeep);
        return;
    case ReadOnly:
        archive.boolean(name, m_settings.readOnly);
        return;
    case ShowContextMenu:
        archive.boolean(name, m_settings.showContextMenu);
        return;
    default:
        throw std::invalid_argument("not a saved common property");
    }
}

} // namespace tarnwick::frame

// The common properties: their values, put rules and engine messages, and the replay of
// every setting into a new engine.
#include "com/com_error.h"
#include "com/font.h"
#include "common_dispids.h"
#include "control_window.h"
#include "input_control.h"
#include "message_box.h"

#include <QCursor>
#include <QFont>

namespace tarnwick::frame {

using namespace com;
using namespace fenbase6;

namespace {

constexpr WordParam flag(bool value) {
    return value ? 1 : 0;
}

WordParam shortWord(std::int16_t value) {
    return static_cast<WordParam>(static_cast<std::uint16_t>(value));
}

bool startsInInsertMode(std::int16_t editMode) {
    return editMode == fenInsert || editMode == fenInsertFixed;
}

QFont qtFontOf(IUnknown* font) {
    const auto described = queryInterface<IFont>(font);
    if (!described) {
        return {};
    }
    const FontDescription d = described->GetDescription();
    QFont qtFont(d.name);
    qtFont.setPointSizeF(d.size);
    qtFont.setWeight(static_cast<QFont::Weight>(d.weight));
    qtFont.setItalic(d.italic);
    qtFont.setUnderline(d.underline);
    qtFont.setStrikeOut(d.strikethrough);
    return qtFont;
}

} // namespace

Variant InputControl::getCommon(DispId id) const {
    using namespace CommonDispIds;
    if (const std::int16_t* value = m_settings.shortValue(id)) {
        return enumerationOf(id) != nullptr ? Variant(static_cast<std::int32_t>(*value))
                                            : Variant(*value);
    }
    switch (id) {
    case BackColor:
        return Variant(static_cast<std::int32_t>(m_settings.backColor));
    case ForeColor:
        return Variant(static_cast<std::int32_t>(m_settings.foreColor));
    case Enabled:
        return Variant(m_settings.enabled);
    case ReadOnly:
        return Variant(m_settings.readOnly);
    case ErrorBeep:
        return Variant(m_settings.errorBeep);
    case ShowContextMenu:
        return Variant(m_settings.showContextMenu);
    case EditModeStatus: {
        // Without a window there is no engine to ask: the stored mode tells how it starts.
        const bool insert = m_engine.hasWindow() ? m_engine.send(m_class.engine.getInsertMode) != 0
                                                 : startsInInsertMode(m_settings.editMode);
        return Variant(static_cast<std::int32_t>(insert ? fenStatusInsert : fenStatusOverwrite));
    }
    case Font:
        return Variant(m_font);
    case Caption:
        return Variant(m_caption);
    case Key:
        return Variant(m_key);
    case MouseIcon:
        return Variant(m_mouseIcon);
    case hWnd:
        return Variant(m_windowHandle);
    case Version:
        return Variant(m_class.version);
    default:
        throw ComError::standard(ErrorNumber::MemberNotSupported);
    }
}

void InputControl::putCommon(DispId id, const Variant& value) {
    using namespace CommonDispIds;
    if (const FenEnumeration* enumeration = enumerationOf(id)) {
        *m_settings.shortValue(id) = checkedEnumValue(value, *enumeration);
        switch (id) {
        case AlignHorizontal:
            m_engine.send(Msg::SetAlignHorizontal, shortWord(m_settings.alignHorizontal));
            break;
        case AlignVertical:
            m_engine.send(Msg::SetAlignVertical, shortWord(m_settings.alignVertical));
            break;
        case Appearance:
            m_engine.send(Msg::SetAppearance, shortWord(m_settings.appearance));
            break;
        case BorderStyle:
            m_engine.send(Msg::SetBorderStyle, shortWord(m_settings.borderStyle));
            break;
        case MousePointer:
            sendMousePointer(m_engine);
            break;
        case EditMode:
            sendEditMode(m_engine);
            break;
        case OLEDropMode:
            if (userMode()) {
                updateDropTarget();
            }
            break;
        default: // MoveOnLRKey, OLEDragMode: read when needed
            break;
        }
        return;
    }
    switch (id) {
    case MarginBottom:
    case MarginLeft:
    case MarginRight:
    case MarginTop:
        sendMargin(id, checkedMargin(value));
        return;
    case BackColor:
        m_settings.backColor = static_cast<std::uint32_t>(value.toInt32());
        m_engine.send(Msg::SetBackColor, m_settings.backColor);
        return;
    case ForeColor:
        m_settings.foreColor = static_cast<std::uint32_t>(value.toInt32());
        sendForeColor(m_engine);
        return;
    case Enabled:
        setEnabled(value.toBool());
        return;
    case ReadOnly:
        m_settings.readOnly = value.toBool();
        m_engine.post(Msg::SetReadOnly, flag(m_settings.readOnly));
        return;
    case ErrorBeep:
        m_settings.errorBeep = value.toBool();
        return;
    case ShowContextMenu:
        m_settings.showContextMenu = value.toBool();
        m_engine.send(Msg::SetContextMenu, flag(m_settings.showContextMenu));
        return;
    default:
        putObject(id, value);
        return;
    }
}

void InputControl::putObject(DispId id, const Variant& value) {
    using namespace CommonDispIds;
    const auto refuse = [] { throw ComError::standard(ErrorNumber::InvalidPropertyValue); };
    // A MouseIcon that is no picture is an invalid value, even when it is no object at all.
    if (id == MouseIcon && value.dereferenced().type() != VariantType::Object) {
        refuse();
    }
    const ComPtr<IUnknown> object = value.toObject();
    switch (id) {
    case Font:
        if (!object.query<IFont>()) {
            refuse();
        }
        m_font = object;
        connectNestedObjects();
        sendFont(m_engine);
        return;
    case Caption:
        if (!object.query<IFenCaption>()) {
            refuse();
        }
        m_caption = object;
        connectNestedObjects();
        return;
    case Key:
        if (!object.query<IFenKeyActions>()) {
            refuse();
        }
        m_key = object;
        connectNestedObjects();
        return;
    case MouseIcon: // a picture, or Nothing for none
        if (object && !object.query<IPicture>()) {
            refuse();
        }
        setMouseIcon(object);
        sendMousePointer(m_engine);
        return;
    default:
        throw ComError::standard(ErrorNumber::MemberNotSupported);
    }
}

Variant InputControl::callCommon(DispId id) {
    using namespace CommonDispIds;
    switch (id) {
    case Refresh:
        if (m_window) {
            m_window->update();
            m_engine.engine()->widget()->update();
        }
        break;
    case AboutBox:
        showMessageBox(m_window, m_class.aboutText,
                       QStringLiteral("About %1").arg(m_class.classInfo.name),
                       MessageIcon::Information);
        break;
    case OLEDrag:
        if (m_window) {
            m_window->startOleDrag(false);
        }
        break;
    default:
        throw ComError::standard(ErrorNumber::MemberNotSupported);
    }
    return Variant();
}

void InputControl::sendMargin(DispId id, std::int16_t value) {
    std::int16_t& stored = *m_settings.shortValue(id);
    if (stored == value) {
        return;
    }
    stored = value;
    // The engine's pair is read back so that the other margin stays as the engine has it.
    const bool horizontal = id == CommonDispIds::MarginLeft || id == CommonDispIds::MarginRight;
    const auto pair = static_cast<std::uintptr_t>(
        m_engine.send(horizontal ? Msg::GetMarginsLeftRight : Msg::GetMarginsTopBottom));
    const bool low = id == CommonDispIds::MarginLeft || id == CommonDispIds::MarginTop;
    const auto margin = static_cast<std::uint16_t>(value);
    const WordParam updated =
        low ? makePair(margin, highWord(pair)) : makePair(lowWord(pair), margin);
    m_engine.send(horizontal ? Msg::SetMarginsLeftRight : Msg::SetMarginsTopBottom, updated);
}

void InputControl::sendForeColor(const EngineLink& link) const {
    const std::uint32_t colour = m_settings.foreColor;
    if (m_class.engine.foreColorInLong) {
        link.send(m_class.engine.foreColor, 0, static_cast<LongParam>(colour));
    } else {
        link.send(m_class.engine.foreColor, colour);
    }
}

void InputControl::sendEditMode(const EngineLink& link) const {
    const std::int16_t mode = m_settings.editMode;
    link.send(m_class.engine.setInsertToggle, 1);
    link.send(m_class.engine.setInsertMode, flag(startsInInsertMode(mode)));
    link.send(m_class.engine.setInsertToggle, flag(mode == fenInsert || mode == fenOverwrite));
}

void InputControl::sendMousePointer(const EngineLink& link) const {
    const std::int16_t pointer =
        userMode() ? m_settings.mousePointer : static_cast<std::int16_t>(fenDefault);
    link.send(Msg::SetMousePointer, shortWord(pointer));
    if (pointer == fenCustom && m_mouseCursor) {
        link.send(Msg::SetMouseIcon, reinterpret_cast<WordParam>(m_mouseCursor.get()));
    }
}

void InputControl::sendFont(const EngineLink& link) const {
    const QFont font = qtFontOf(m_font.get());
    link.send(Msg::SetFont, reinterpret_cast<WordParam>(&font), 1);
}

void InputControl::setEnabled(bool enabled) {
    m_settings.enabled = enabled;
    if (m_window) {
        m_window->setEnabled(enabled);
    }
    if (const auto caption = m_caption.query<IFenCaption>()) {
        caption->SetControlEnabled(enabled);
    }
    enabledChanged(m_engine);
}

void InputControl::setMouseIcon(const ComPtr<IUnknown>& icon) {
    m_mouseIcon = icon;
    const auto picture = icon.query<IPicture>();
    m_mouseCursor = picture && !picture->GetImage().isNull()
                        ? std::make_unique<QCursor>(QPixmap::fromImage(picture->GetImage()))
                        : nullptr;
}

bool InputControl::replaySettings(const EngineLink& link, QWidget* window) {
    link.send(Msg::SetAppearance, shortWord(m_settings.appearance));
    link.send(Msg::SetBorderStyle, shortWord(m_settings.borderStyle));
    link.send(Msg::SetAlignHorizontal, shortWord(m_settings.alignHorizontal));
    link.send(Msg::SetAlignVertical, shortWord(m_settings.alignVertical));
    sendForeColor(link);
    link.send(Msg::SetBackColor, m_settings.backColor);
    link.send(Msg::SetMarginsLeftRight,
              makePair(static_cast<std::uint16_t>(m_settings.marginLeft),
                       static_cast<std::uint16_t>(m_settings.marginRight)));
    link.send(Msg::SetMarginsTopBottom,
              makePair(static_cast<std::uint16_t>(m_settings.marginTop),
                       static_cast<std::uint16_t>(m_settings.marginBottom)));
    sendFont(link);
    window->setEnabled(m_settings.enabled);
    if (const auto caption = m_caption.query<IFenCaption>()) {
        caption->SetControlEnabled(m_settings.enabled);
    }
    // A control's own settings that follow `Enabled` replay with the rest of its own.
    link.send(Msg::SetUserMode, flag(userMode()));
    sendEditMode(link);
    sendMousePointer(link);
    link.send(Msg::SetReadOnly, flag(m_settings.readOnly));
    link.send(Msg::SetContextMenu, flag(m_settings.showContextMenu));
    return replayOwn(link);
}

} // namespace tarnwick::frame

// The masked control's own members: their put rules, the engine messages that carry them,
// and the reads that ask the engine.
#include "com/com_error.h"
#include "engine_params.h"
#include "engine_text.h"
#include "fen_mask.h"
#include "mask_ids.h"

#include <array>

namespace tarnwick::mask {

using namespace com;
using namespace fenbase6;

namespace {

QByteArray engineBytesOrRefuse(const QString& text) {
    std::optional<QByteArray> bytes = engineBytes(text);
    if (!bytes) {
        refuseValue();
    }
    return *bytes;
}

constexpr std::int32_t kLargestSelection = 0xFFFF;
constexpr MessageResult kRefused = 1;

} // namespace

std::optional<Variant> FenMask::getOwn(DispId id) {
    using namespace MaskDispIds;
    if (const std::int16_t* value = m_mask.enumValue(id)) {
        return Variant(static_cast<std::int32_t>(*value));
    }
    switch (id) {
    case AllowSpace:
        return Variant(m_mask.allowSpace);
    case AutoConvert:
        return Variant(m_mask.autoConvert);
    case Format:
        return Variant(m_mask.format);
    case PromptChar:
        return Variant(m_mask.promptChar);
    case LookupTable:
        return Variant(m_mask.lookupTable);
    case CursorPosition:
        return Variant(m_mask.cursorPosition);
    case Text:
        return Variant(contents(true));
    case Value:
        return Variant(contents(false));
    case DisplayText:
        return Variant(
            readEngineText(engine(), MaskMsg::GetDisplayTextLength, MaskMsg::GetDisplayText));
    case ValueIsFull:
        return Variant(engine().send(MaskMsg::IsFull) != 0);
    case CurrentField:
        return Variant(static_cast<std::int16_t>(engine().send(MaskMsg::GetCurrentField)));
    case SelStart:
        requireRunTime();
        return Variant(static_cast<std::int32_t>(engine().send(Msg::GetSelStart)));
    case SelLength:
        requireRunTime();
        return Variant(static_cast<std::int32_t>(engine().send(Msg::GetSelLength)));
    case SelText:
        requireRunTime();
        return Variant(readSelectedText(engine()));
    case DataBind:
        return dataBind();
    default:
        return std::nullopt;
    }
}

bool FenMask::putOwn(DispId id, const Variant& value) {
    using namespace MaskDispIds;
    if (m_mask.enumValue(id) != nullptr) {
        putEnumeration(id, value);
        return true;
    }
    switch (id) {
    case Format:
        putFormat(value.toString());
        return true;
    case PromptChar:
        putPromptChar(value.toString());
        return true;
    case LookupTable:
        putLookupTable(value.toString());
        return true;
    case AllowSpace:
        m_mask.allowSpace = value.toBool();
        engine().send(MaskMsg::SetAllowSpace, flagWord(m_mask.allowSpace));
        return true;
    case AutoConvert:
        m_mask.autoConvert = value.toBool();
        engine().send(MaskMsg::SetAutoConvert, flagWord(m_mask.autoConvert));
        return true;
    case CursorPosition:
        putCursorPosition(value.toInt16());
        return true;
    case SelStart:
        putSelection(Msg::SetSelStart, value.toInt32());
        return true;
    case SelLength:
        putSelection(Msg::SetSelLength, value.toInt32());
        return true;
    case SelText:
        putSelectedText(value.toString());
        return true;
    case Text:
        putContents(true, value.toString());
        return true;
    case Value:
        putContents(false, value.toString());
        return true;
    case DataBind:
        putDataBind(value);
        return true;
    default:
        return false;
    }
}

// The engine's answer to `message` with `text`; without a window a hidden engine answers,
// so that a control without one takes exactly what a window would.
bool FenMask::engineTakes(MessageId message, const QString& text) {
    const QByteArray bytes = engineBytesOrRefuse(text);
    bool taken = false;
    withEngine([&](const frame::EngineLink& link) {
        taken = link.send(message, 0, textParam(bytes)) != kRefused;
    });
    return taken;
}

void FenMask::putFormat(const QString& format) {
    checkFormatLength(format); // before the engine sees it
    if (!engineTakes(MaskMsg::SetFormat, format)) {
        refuseValue();
    }
    m_mask.format = format;
}

void FenMask::putPromptChar(const QString& prompt) {
    const QString stored = checkedPromptChar(prompt);
    m_mask.promptChar = stored;
    engine().send(MaskMsg::SetPromptChar, static_cast<WordParam>(stored[0].unicode()));
}

void FenMask::putLookupTable(const QString& table) {
    if (!engineTakes(MaskMsg::SetLookupTable, table)) {
        refuseValue();
    }
    m_mask.lookupTable = table;
}

void FenMask::putEnumeration(DispId id, const Variant& value) {
    using namespace MaskDispIds;
    const std::int16_t checked = frame::checkedEnumValue(value, *maskEnumerationOf(id));
    *m_mask.enumValue(id) = checked;
    switch (id) {
    case LookupMode:
        engine().send(MaskMsg::SetLookupMode, shortWord(checked));
        break;
    case HighlightText:
        engine().send(MaskMsg::SetHighlightText, shortWord(checked));
        break;
    case TabAction:
        engine().send(MaskMsg::SetTabAction, shortWord(checked));
        break;
    case IMEStatus:
        if (engine().send(MaskMsg::GetImeStatus) != checked) {
            engine().send(MaskMsg::SetImeStatus, shortWord(checked));
        }
        break;
    default: // ShowLiterals, ClipMode, IMEMode, DataProperty: at the next window creation
        break;
    }
}

void FenMask::putCursorPosition(std::int16_t field) {
    bool taken = false;
    withEngine([&](const frame::EngineLink& link) {
        taken = link.send(MaskMsg::SetCursorPosition, shortWord(field)) != kRefused;
    });
    if (!taken) {
        refuseValue();
    }
    m_mask.cursorPosition = field;
}

void FenMask::putSelection(MessageId message, std::int32_t value) {
    if (value < 0 || value > kLargestSelection) {
        refuseValue();
    }
    engine().send(message, static_cast<WordParam>(value));
}

void FenMask::putSelectedText(const QString& text) {
    if (engine().send(Msg::SetSelText, 0, textParam(engineBytesOrRefuse(text))) == 1) {
        refuseValue();
    }
}

void FenMask::putContents(bool withLiterals, const QString& contents) {
    if (!engineTakes(withLiterals ? MaskMsg::SetText : MaskMsg::SetValue, contents)) {
        refuseValue();
    }
    (withLiterals ? m_mask.text : m_mask.value) = contents;
}

QString FenMask::contents(bool withLiterals) const {
    return withLiterals ? readEngineText(engine(), MaskMsg::GetTextLength, MaskMsg::GetText)
                        : readEngineText(engine(), MaskMsg::GetValueLength, MaskMsg::GetValue);
}

void FenMask::takeContents() {
    if (engine().hasWindow()) {
        m_mask.text = contents(true);
        m_mask.value = contents(false);
    }
}

Variant FenMask::dataBind() const {
    requireRunTime();
    return Variant(contents(m_mask.dataProperty == fenTextProperty));
}

void FenMask::putDataBind(const Variant& value) {
    try {
        putContents(m_mask.dataProperty == fenTextProperty, value.toString());
    } catch (const ComError&) {
        Variant errorCode(static_cast<std::int16_t>(0));
        const std::array args{Variant::reference(errorCode)};
        fireEvent(MaskEventIds::DBError, args);
        refuseValue();
    }
    engine().send(Msg::DataSaved, 2);
}

} // namespace tarnwick::mask

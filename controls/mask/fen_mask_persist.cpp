// The masked control's saved properties, its new-control defaults, and the replay of its
// own settings into a new engine window.
#include "com/ambient.h"
#include "engine_params.h"
#include "engine_text.h"
#include "fen_mask.h"
#include "frame/common_dispids.h"
#include "frame/property_archive.h"
#include "mask_ids.h"

#include <array>

namespace tarnwick::mask {

using namespace com;
using namespace fenbase6;

namespace {

// Every saved property after the header, in the order both forms keep.
constexpr std::array kSavedOrder{
    "Caption",       "Font",        "Keys",           "MouseIcon",    "AlignHorizontal",
    "AlignVertical", "Appearance",  "AllowSpace",     "AutoConvert",  "BackColor",
    "BorderStyle",   "ClipMode",    "CursorPosition", "DataProperty", "EditMode",
    "Enabled",       "ErrorBeep",   "ForeColor",      "Format",       "HighlightText",
    "IMEMode",       "IMEStatus",   "LookupMode",     "LookupTable",  "MarginBottom",
    "MarginLeft",    "MarginRight", "MarginTop",      "MousePointer", "MoveOnLRKey",
    "OLEDragMode",   "OLEDropMode", "PromptChar",     "ReadOnly",     "ShowContextMenu",
    "ShowLiterals",  "TabAction",   "Text",           "Value"};

// A stored string saved as a string; loading no string gives an empty one.
void persistString(frame::PropertyArchive& archive, const QString& name, QString& value) {
    std::optional<QString> saved = value;
    archive.string(name, saved);
    value = saved.value_or(QString());
}

// Answers the engine's reply: 1 is a refusal.
MessageResult sendText(const frame::EngineLink& link, MessageId message, const QString& text) {
    return link.send(message, 0, textParam(engineBytes(text).value_or(QByteArray())));
}

constexpr MessageResult kRefused = 1;

} // namespace

void FenMask::initNewOwn() {
    m_mask = MaskSettings{};
    m_mask.value = AmbientProperties(GetClientSite().get()).displayName();
}

void FenMask::persist(frame::PropertyArchive& archive) {
    if (!archive.isLoading()) {
        takeContents();
    }
    persistHeader(archive);
    for (const char* saved : kSavedOrder) {
        const QString name = QLatin1String(saved);
        // "Keys" is saved under its own name, not the member's ("Key").
        const DispId id = name == QLatin1String("Keys") ? frame::CommonDispIds::Key
                                                        : GetTypeInfo().idOfName(name);
        if (!persistOwn(archive, id, name)) {
            persistCommon(archive, name);
        }
    }
}

bool FenMask::persistOwn(frame::PropertyArchive& archive, DispId id, const QString& name) {
    using namespace MaskDispIds;
    if (std::int16_t* value = m_mask.enumValue(id)) {
        archive.int16(name, *value);
        return true;
    }
    switch (id) {
    case AllowSpace:
        archive.boolean(name, m_mask.allowSpace);
        return true;
    case AutoConvert:
        archive.boolean(name, m_mask.autoConvert);
        return true;
    case CursorPosition:
        archive.int16(name, m_mask.cursorPosition);
        return true;
    case Format:
        persistString(archive, name, m_mask.format);
        return true;
    case LookupTable:
        persistString(archive, name, m_mask.lookupTable);
        return true;
    case PromptChar:
        persistString(archive, name, m_mask.promptChar);
        return true;
    case Text:
        archive.string(name, m_mask.text);
        return true;
    case Value:
        archive.string(name, m_mask.value);
        return true;
    default:
        return false;
    }
}

std::any FenMask::ownState() {
    takeContents();
    return m_mask;
}

void FenMask::restoreOwnState(const std::any& state) {
    m_mask = std::any_cast<const MaskSettings&>(state);
}

bool FenMask::replayOwn(const frame::EngineLink& link) {
    // Taken first: the engine reports the format's change of contents, which replaces the
    // stored value with the engine's.
    const QString value = m_mask.value.value_or(QString());
    link.send(MaskMsg::SetImeMode, shortWord(m_mask.imeMode));
    link.send(MaskMsg::SetImeStatus, shortWord(m_mask.imeStatus));
    link.send(MaskMsg::SetClipMode, shortWord(m_mask.clipMode));
    link.send(MaskMsg::SetErrorBeep, flagWord(settings().errorBeep));
    link.send(MaskMsg::SetHighlightText, shortWord(m_mask.highlightText));
    link.send(MaskMsg::SetMoveOnLRKey, shortWord(settings().moveOnLRKey));
    link.send(MaskMsg::SetTabAction, shortWord(m_mask.tabAction));
    link.send(MaskMsg::SetShowLiterals, shortWord(m_mask.showLiterals));
    link.send(MaskMsg::SetAllowSpace, flagWord(m_mask.allowSpace));
    link.send(MaskMsg::SetAutoConvert, flagWord(m_mask.autoConvert));
    link.send(MaskMsg::SetLookupMode, shortWord(m_mask.lookupMode));
    const bool tableTaken = sendText(link, MaskMsg::SetLookupTable, m_mask.lookupTable) != kRefused;
    link.send(MaskMsg::SetPromptChar, static_cast<WordParam>(m_mask.promptChar[0].unicode()));
    const bool formatTaken = sendText(link, MaskMsg::SetFormat, m_mask.format) != kRefused;
    // A value that no longer fits leaves the field empty, as a new window would show it.
    sendText(link, MaskMsg::SetValue, value);
    const bool fieldTaken =
        link.send(MaskMsg::SetCursorPosition, shortWord(m_mask.cursorPosition)) != kRefused;
    return tableTaken && formatTaken && fieldTaken;
}

} // namespace tarnwick::mask

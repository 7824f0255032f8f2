#include "mask_settings.h"

#include "com/com_error.h"
#include "engine_text.h"
#include "mask_ids.h"

namespace tarnwick::mask {

using namespace com;

void refuseValue() {
    throw ComError::standard(ErrorNumber::InvalidPropertyValue);
}

std::int16_t* MaskSettings::enumValue(DispId id) {
    return const_cast<std::int16_t*>(std::as_const(*this).enumValue(id));
}

const std::int16_t* MaskSettings::enumValue(DispId id) const {
    using namespace MaskDispIds;
    switch (id) {
    case LookupMode:
        return &lookupMode;
    case ShowLiterals:
        return &showLiterals;
    case ClipMode:
        return &clipMode;
    case DataProperty:
        return &dataProperty;
    case HighlightText:
        return &highlightText;
    case IMEMode:
        return &imeMode;
    case IMEStatus:
        return &imeStatus;
    case TabAction:
        return &tabAction;
    default:
        return nullptr;
    }
}

const frame::FenEnumeration* maskEnumerationOf(DispId id) {
    using namespace MaskDispIds;
    switch (id) {
    case LookupMode:
        return &MaskEnums::lookupMode();
    case ShowLiterals:
        return &MaskEnums::showLiterals();
    case ClipMode:
        return &MaskEnums::clipMode();
    case DataProperty:
        return &MaskEnums::dataProperty();
    case HighlightText:
        return &MaskEnums::highlightText();
    case IMEMode:
        return &MaskEnums::imeMode();
    case IMEStatus:
        return &MaskEnums::imeStatus();
    case TabAction:
        return &MaskEnums::tabAction();
    default:
        return nullptr;
    }
}

void MaskSettings::validate() const {
    checkFormatLength(format);
    for (const QString& saved :
         {format, lookupTable, text.value_or(QString()), value.value_or(QString())}) {
        if (!engineBytes(saved)) {
            refuseValue();
        }
    }
    if (checkedPromptChar(promptChar) != promptChar) {
        refuseValue(); // an empty prompt is never stored
    }
    for (const DispId id :
         {MaskDispIds::LookupMode, MaskDispIds::ShowLiterals, MaskDispIds::ClipMode,
          MaskDispIds::DataProperty, MaskDispIds::HighlightText, MaskDispIds::IMEMode,
          MaskDispIds::IMEStatus, MaskDispIds::TabAction}) {
        if (!maskEnumerationOf(id)->contains(*enumValue(id))) {
            refuseValue();
        }
    }
}

void checkFormatLength(const QString& format) {
    if (format.size() > MaskSettings::kLongestFormat) {
        refuseValue();
    }
}

QString checkedPromptChar(const QString& prompt) {
    if (prompt.isEmpty()) {
        return QStringLiteral(" ");
    }
    if (prompt.size() > 1 || prompt[0].unicode() == 0 || prompt[0].unicode() > 0xFF) {
        refuseValue();
    }
    return prompt;
}

} // namespace tarnwick::mask

// The engine's text and selection: Text, SelStart, SelLength, SelText.
#include "com/com_error.h"
#include "fen_num_lite.h"
#include "fenbase6/engine_text_codec.h"
#include "numlite_ids.h"

#include <array>

namespace tarnwick::numlite {

using namespace com;
using namespace fenbase6;

namespace {

// The text read takes 29 characters and the null; the selected text 31 and the null.
constexpr std::size_t kTextBuffer = 30;
constexpr std::size_t kSelTextBuffer = 32;

[[noreturn]] void refuse() {
    throw ComError::standard(ErrorNumber::InvalidPropertyValue);
}

template <std::size_t N> QString textOf(const std::array<char, N>& buffer) {
    return EngineText::decode(buffer.data(),
                              static_cast<qsizetype>(qstrnlen(buffer.data(), N - 1)));
}

WordParam checkedSelectionNumber(const Variant& value) {
    const std::int32_t number = value.toInt32();
    if (number < 0 || number > 0xFFFF) {
        refuse();
    }
    return static_cast<WordParam>(number);
}

} // namespace

std::optional<Variant> FenNumLite::getText(DispId id) {
    using namespace NumLiteDispIds;
    switch (id) {
    case Text: {
        std::array<char, kTextBuffer> buffer{};
        engine().send(Msg::GetText, kTextBuffer, reinterpret_cast<LongParam>(buffer.data()));
        return Variant(textOf(buffer));
    }
    case SelStart:
        requireRunTime();
        return Variant(static_cast<std::int32_t>(engine().send(Msg::GetSelStart)));
    case SelLength:
        requireRunTime();
        return Variant(static_cast<std::int32_t>(engine().send(Msg::GetSelLength)));
    case SelText: {
        requireRunTime();
        std::array<char, kSelTextBuffer> buffer{};
        engine().send(Msg::GetSelText, 0, reinterpret_cast<LongParam>(buffer.data()));
        return Variant(textOf(buffer));
    }
    default:
        return std::nullopt;
    }
}

bool FenNumLite::putText(DispId id, const Variant& value) {
    using namespace NumLiteDispIds;
    switch (id) {
    case Text: {
        const std::optional<QByteArray> bytes = EngineText::encode(value.toString());
        if (!bytes || engine().send(NumberMsg::SetText, static_cast<WordParam>(bytes->size()),
                                    reinterpret_cast<LongParam>(bytes->constData())) != 0) {
            refuse();
        }
        return true;
    }
    case SelStart:
        requireRunTime();
        if (engine().send(Msg::SetSelStart, checkedSelectionNumber(value)) != 0) {
            refuse();
        }
        return true;
    case SelLength:
        requireRunTime();
        if (engine().send(Msg::SetSelLength, checkedSelectionNumber(value)) != 0) {
            refuse();
        }
        return true;
    case SelText: {
        requireRunTime();
        // The read-only request may still be on its way to the engine.
        if (settings().readOnly) {
            refuse();
        }
        const std::optional<QByteArray> bytes = EngineText::encode(value.toString());
        if (!bytes || engine().send(Msg::SetSelText, 0,
                                    reinterpret_cast<LongParam>(bytes->constData())) != 0) {
            refuse();
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace tarnwick::numlite

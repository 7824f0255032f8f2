// The saved form and the replay of the control's own settings into a new engine.
#include "engine_params.h"
#include "fen_num_lite.h"
#include "fenbase6/fen_objects.h"
#include "fenbase6/ole_color.h"
#include "frame/property_archive.h"
#include "spin_settings.h"

namespace tarnwick::numlite {

using namespace com;
using namespace fenbase6;

namespace {

// The 0x300F flag: always that of a new control (nothing of the control sets it).
constexpr WordParam kNewControlFlag = 0;

} // namespace

void FenNumLite::persist(frame::PropertyArchive& archive) {
    const bool loading = archive.isLoading();
    if (!loading) {
        refreshedValue();
        refreshBounds();
    }
    double maxPayload = savedPayload(m_number.maxValue);
    double minPayload = savedPayload(m_number.minValue);
    double valuePayload = savedPayload(m_number.value);
    std::int32_t maxTag = savedTag(m_number.maxValue);
    std::int32_t minTag = savedTag(m_number.minValue);
    std::int32_t valueTag = savedTag(m_number.value);
    std::optional<QString> point = QString(m_number.decimalPoint);
    const auto common = [&](const char* name) { persistCommon(archive, QLatin1String(name)); };

    persistHeader(archive);
    for (const char* name : {"Caption", "Font", "Keys", "MouseIcon"}) {
        common(name);
    }
    archive.object(QStringLiteral("Spin"), m_spin, [this](const Guid& clsid) {
        return clsid == kSpinClsid ? ComPtr<IUnknown>::adopt(api().createObject(clsid))
                                   : ComPtr<IUnknown>();
    });
    for (const char* name : {"AlignHorizontal", "AlignVertical", "Appearance", "BackColor",
                             "BorderStyle"}) {
        common(name);
    }
    archive.int16(QStringLiteral("ClearAction"), m_number.clearAction);
    archive.int16(QStringLiteral("DecimalPlaces"), m_number.decimalPlaces);
    archive.string(QStringLiteral("DecimalPoint"), point);
    for (const char* name : {"EditMode", "Enabled", "ErrorBeep", "ForeColor"}) {
        common(name);
    }
    archive.boolean(QStringLiteral("HighlightText"), m_number.highlightText);
    archive.int16(QStringLiteral("IntegerPlaces"), m_number.integerPlaces);
    for (const char* name : {"MarginBottom", "MarginLeft", "MarginRight", "MarginTop"}) {
        common(name);
    }
    archive.real(QStringLiteral("MaxValue"), maxPayload);
    archive.int16(QStringLiteral("MinusSign"), m_number.minusSign);
    archive.real(QStringLiteral("MinValue"), minPayload);
    for (const char* name : {"MousePointer", "MoveOnLRKey"}) {
        common(name);
    }
    archive.uint32(QStringLiteral("NegativeColor"), m_number.negativeColor);
    for (const char* name : {"OLEDragMode", "OLEDropMode", "ReadOnly", "ShowContextMenu"}) {
        common(name);
    }
    archive.int32(QStringLiteral("ValueVT"), valueTag);
    archive.real(QStringLiteral("Value"), valuePayload);
    archive.int32(QStringLiteral("MaxValueVT"), maxTag);
    archive.int32(QStringLiteral("MinValueVT"), minTag);

    if (!loading) {
        return;
    }
    m_number.maxValue = rebuiltNumber(maxTag, maxPayload);
    m_number.minValue = rebuiltNumber(minTag, minPayload);
    m_number.value = rebuiltNumber(valueTag, valuePayload);
    // A missing or empty point fails the validation of the loaded values.
    m_number.decimalPoint = point && point->size() == 1 ? point->front() : QChar();
    if (!m_spin) {
        m_spin = ComPtr<IUnknown>::adopt(api().createObject(kSpinClsid));
    }
    connectSpin();
}

namespace {

struct NumLiteState {
    NumberSettings number;
    ComPtr<IUnknown> spin;
};

} // namespace

std::any FenNumLite::ownState() {
    refreshedValue();
    refreshBounds();
    return NumLiteState{m_number, m_spin};
}

void FenNumLite::restoreOwnState(const std::any& state) {
    const auto& before = std::any_cast<const NumLiteState&>(state);
    m_number = before.number;
    m_spin = before.spin;
    connectSpin();
}

bool FenNumLite::replayOwn(const frame::EngineLink& link) {
    sendSpin(link);
    link.send(NumberMsg::SetClearAction, shortWord(m_number.clearAction));
    link.send(NumberMsg::SetMinusSign, shortWord(m_number.minusSign));
    link.send(NumberMsg::SetErrorBeep, settings().errorBeep ? 1 : 0);
    link.send(NumberMsg::SetNewFlag, kNewControlFlag);
    link.send(NumberMsg::SetMoveOnLRKey, shortWord(settings().moveOnLRKey));
    link.send(NumberMsg::SetNegativeColor, 0,
              static_cast<LongParam>(OleColor::toRgb(m_number.negativeColor)));
    // Each of these the engine must accept; the value may fall outside a range set later.
    bool taken = link.send(NumberMsg::SetIntegerPlaces, shortWord(m_number.integerPlaces)) == 0;
    taken = link.send(NumberMsg::SetDecimalPlaces, shortWord(m_number.decimalPlaces)) == 0 && taken;
    taken = link.send(NumberMsg::SetDecimalPoint, m_number.decimalPoint.unicode()) == 0 && taken;
    link.send(NumberMsg::SetHighlightText, m_number.highlightText ? 1 : 0);
    taken = link.send(NumberMsg::SetMinValue, 0, variantParam(m_number.minValue)) == 0 && taken;
    taken = link.send(NumberMsg::SetMaxValue, 0, variantParam(m_number.maxValue)) == 0 && taken;
    link.send(NumberMsg::SetValue, 0, variantParam(m_number.value));
    return taken;
}

} // namespace tarnwick::numlite

#include "fen_num_lite.h"

#include "numlite_ids.h"
#include "numlite_members.h"

namespace tarnwick::numlite {

using namespace com;

const frame::ControlClassDescription& FenNumLite::description() {
    static const frame::ControlClassDescription d{
        {kNumLiteClsid, QStringLiteral("FenNumLite"), &numLiteInterface(), &numLiteEvents()},
        QStringLiteral("Holm.NumLite6"),
        QStringLiteral("NumLiteEdit"),
        frame::EngineProfile{fenbase6::kNumberEngineClass, fenbase6::NumberMsg::SetForeColor,
                             true, fenbase6::NumberMsg::GetInsertMode,
                             fenbase6::NumberMsg::SetInsertMode,
                             fenbase6::NumberMsg::SetInsertToggle},
        frame::fenAlignHRight,
        1u << fenbase6::KeyAction::ThreeZero,
        QStringLiteral("6.0.2.0"),
        0x00060000,
        {kGeneralPageClsid, kValuePageClsid, kAppearancePageClsid, kButtonPageClsid},
        QStringLiteral("FenNumLite 6.0\nThe numeric input control of the Fen Input family.")};
    return d;
}

FenNumLite::FenNumLite(const fenbase6::FenBase6Api& api, ComModule* module)
    : InputControl(description(), api, module), m_number(NumberSettings::defaults()) {
    m_spin = ComPtr<IUnknown>::adopt(api.createObject(fenbase6::kSpinClsid));
    connectSpin();
}

FenNumLite::~FenNumLite() {
    m_spinChanges.disconnect();
}

void FenNumLite::initNewOwn() {
    m_number = NumberSettings::defaults();
    m_spin = ComPtr<IUnknown>::adopt(api().createObject(fenbase6::kSpinClsid));
    connectSpin();
    m_pendingKeyExit.reset();
}

void FenNumLite::validateLoaded() const {
    m_number.validate();
}

std::optional<Variant> FenNumLite::getOwn(DispId id) {
    if (id == NumLiteDispIds::Spin) {
        return Variant(m_spin);
    }
    if (auto text = getText(id)) {
        return text;
    }
    return getNumber(id);
}

bool FenNumLite::putOwn(DispId id, const Variant& value) {
    if (id == NumLiteDispIds::Spin) {
        putSpin(value);
        return true;
    }
    return putText(id, value) || putNumber(id, value);
}

std::optional<Variant> FenNumLite::callOwn(DispId id, std::span<const Variant>) {
    if (id != NumLiteDispIds::ClearControl) {
        return std::nullopt;
    }
    clearControl();
    return Variant();
}

} // namespace tarnwick::numlite

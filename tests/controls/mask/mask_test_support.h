#pragma once

#include "../frame_test_support.h"
#include "fen_mask.h"
#include "frame/common_dispids.h"
#include "mask_ids.h"

#include <QLineEdit>

// The masked control in-process, sited in a test site and set up as new, with its events
// recorded; with the real shared base library or the recording engine.
namespace tarnwick::mask::test {

using frame::test::realApi;
using frame::test::RecordingApi;
using frame::test::RecordingEngine;

struct MaskFixture : frame::test::RecordedControl<FenMask> {
    explicit MaskFixture(const fenbase6::FenBase6Api& api = realApi(), bool userMode = true)
        : RecordedControl(api, userMode, com::Variant(QStringLiteral("m1"))) {}

    QString text(QStringView name) { return get(name).toString(); }
    // The real engine's editor in the control's window.
    QLineEdit* engineEditor() { return host->findChild<QLineEdit*>(); }
};

} // namespace tarnwick::mask::test

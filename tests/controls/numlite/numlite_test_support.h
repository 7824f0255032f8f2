#pragma once

#include "frame_test_support.h"
#include "numlite/fen_num_lite.h"
#include "numlite/numlite_ids.h"

// The numeric control in-process with the real shared base library or a recording engine,
// with its events recorded.
namespace tarnwick::numlite::test {

using frame::test::RecordingApi;
using frame::test::RecordingEngine;
using frame::test::realApi;

struct NumLiteFixture : frame::test::RecordedControl<FenNumLite> {
    using RecordedControl::RecordedControl;

    com::ComPtr<com::IDispatch> spin() { return get(u"Spin").toObject().query<com::IDispatch>(); }
};

} // namespace tarnwick::numlite::test

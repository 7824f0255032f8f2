#pragma once

#include "../frame_test_support.h"
#include "com/connection_point.h"
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

struct MaskFixture {
    explicit MaskFixture(const fenbase6::FenBase6Api& api = realApi(), bool userMode = true)
        : site(com::makeObject<com::test::TestSite>()),
          control(com::makeObject<FenMask>(api, &module)),
          events(com::makeObject<com::test::RecordingSink>(*control->GetClassInfo().events)) {
        site->ambient.insert(com::AmbientDispIds::UserMode, com::Variant(userMode));
        site->ambient.insert(com::AmbientDispIds::DisplayName, com::Variant(QStringLiteral("m1")));
        control->SetClientSite(site.get());
        control->InitNew();
        com::IConnectionPoint* point = nullptr;
        control->FindConnectionPoint(kFenMaskEventsIid, &point);
        std::uint32_t cookie = 0;
        com::ComPtr<com::IConnectionPoint>::adopt(point)->Advise(events->unknown(), &cookie);
    }
    ~MaskFixture() {
        control->SetClientSite(nullptr);
        control.reset();
    }

    com::Variant get(QStringView name) { return com::getProperty(*control, name); }
    void put(QStringView name, const com::Variant& value) {
        com::putProperty(*control, name, value);
    }
    long putError(QStringView name, const com::Variant& value) {
        return com::test::errorNumberOf([&] { put(name, value); });
    }
    long getError(QStringView name) {
        return com::test::errorNumberOf([&] { get(name); });
    }
    QString text(QStringView name) { return get(name).toString(); }

    QWidget* createWindow() {
        host = std::make_unique<QWidget>();
        QWidget* window = control->CreateControlWindow(host.get());
        window->setGeometry(0, 0, 200, 30);
        return window;
    }
    // The real engine's editor in the control's window.
    QLineEdit* engineEditor() { return host->findChild<QLineEdit*>(); }
    std::vector<com::DispId> eventIds() const {
        std::vector<com::DispId> ids;
        for (const auto& call : events->calls) {
            ids.push_back(call.id);
        }
        return ids;
    }

    com::ComModule module;
    com::ComPtr<com::test::TestSite> site;
    com::ComPtr<FenMask> control;
    com::ComPtr<com::test::RecordingSink> events;
    std::unique_ptr<QWidget> host;
};

} // namespace tarnwick::mask::test

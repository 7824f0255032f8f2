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

struct NumLiteFixture {
    explicit NumLiteFixture(const fenbase6::FenBase6Api& api = realApi(), bool userMode = true)
        : site(com::makeObject<com::test::TestSite>()),
          control(com::makeObject<FenNumLite>(api, &module)),
          sink(com::makeObject<com::test::RecordingSink>(
              *control->GetClassInfo().events,
              [this](com::DispId id, std::span<const com::Variant> args) {
                  if (react) {
                      react(id, args);
                  }
              })) {
        site->ambient.insert(com::AmbientDispIds::UserMode, com::Variant(userMode));
        control->SetClientSite(site.get());
        control->InitNew();
        com::IConnectionPoint* point = nullptr;
        control->FindConnectionPoint(kNumLiteEventsIid, &point);
        com::ComPtr<com::IConnectionPoint>::adopt(point)->Advise(sink->unknown(), &cookie);
    }
    ~NumLiteFixture() {
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
    QWidget* createWindow() {
        host = std::make_unique<QWidget>();
        QWidget* window = control->CreateControlWindow(host.get());
        window->setGeometry(0, 0, 220, 30);
        return window;
    }
    void setUserMode(bool userMode) {
        site->ambient.insert(com::AmbientDispIds::UserMode, com::Variant(userMode));
        control->OnAmbientPropertyChange(com::AmbientDispIds::UserMode);
    }
    std::vector<com::DispId> eventIds() const {
        std::vector<com::DispId> ids;
        for (const auto& call : sink->calls) {
            ids.push_back(call.id);
        }
        return ids;
    }
    com::ComPtr<com::IDispatch> spin() { return get(u"Spin").toObject().query<com::IDispatch>(); }

    com::ComModule module;
    com::ComPtr<com::test::TestSite> site;
    com::ComPtr<FenNumLite> control;
    com::ComPtr<com::test::RecordingSink> sink;
    std::function<void(com::DispId, std::span<const com::Variant>)> react;
    std::uint32_t cookie = 0;
    std::unique_ptr<QWidget> host;
};

} // namespace tarnwick::numlite::test

#pragma once

#include "com/connection_point.h"
#include "com/late_binding.h"
#include "frame/base_library.h"
#include "frame_test_control/frame_test_control.h"
#include "platform/com/com_test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

// What the frame tests share: the real shared base library loaded once, a recording engine
// that stands in for an engine class, and a way to make the test control in-process.
namespace tarnwick::frame::test {

// The shared base library of the build, loaded the way a control library loads it.
inline const fenbase6::FenBase6Api& realApi() {
    static BaseLibrary library;
    static const bool loaded =
        library.load(QFileInfo(QStringLiteral(FENBASE6_LIBRARY)).absolutePath());
    if (!loaded) {
        throw std::runtime_error("libfenbase6.so did not load");
    }
    return *library.api();
}

struct SentMessage {
    fenbase6::MessageId message;
    fenbase6::WordParam word;
    fenbase6::LongParam param;

    friend bool operator==(const SentMessage&, const SentMessage&) = default;
};

// An engine that records every message and answers from a table (0 for the others).
class RecordingEngine : public QWidget, public fenbase6::FenEngine {
public:
    explicit RecordingEngine(QWidget* parent) : QWidget(parent) {}

    QWidget* widget() override { return this; }
    fenbase6::MessageResult send(fenbase6::MessageId message, fenbase6::WordParam word,
                                 fenbase6::LongParam param) override {
        sent.push_back({message, word, param});
        const auto answer = answers.find(message);
        return answer != answers.end() ? answer->second : 0;
    }
    void setListener(fenbase6::FenEngineListener* newListener) override { listener = newListener; }
    void setControlId(std::uint16_t) override {}

    std::vector<fenbase6::MessageId> messages() const {
        std::vector<fenbase6::MessageId> ids;
        for (const SentMessage& m : sent) {
            ids.push_back(m.message);
        }
        return ids;
    }

    std::vector<SentMessage> sent;
    std::map<fenbase6::MessageId, fenbase6::MessageResult> answers;
    fenbase6::FenEngineListener* listener = nullptr;
};

// The real library's table with its engines replaced by recording ones; the last engine
// made for a control's window is `lastEngine` (hidden ones, made to draw or to ask the
// engine without a window, come and go).
struct RecordingApi {
    static RecordingEngine*& lastEngine() {
        static RecordingEngine* engine = nullptr;
        return engine;
    }

    static const fenbase6::FenBase6Api& table() {
        static const fenbase6::FenBase6Api api{
            fenbase6::kFenBase6ApiVersion,
            [](const char*, QWidget* parent) -> fenbase6::FenEngine* {
                auto* engine = new RecordingEngine(parent);
                if (parent != nullptr) {
                    lastEngine() = engine;
                }
                return engine;
            },
            [](const com::Guid& clsid) { return realApi().createObject(clsid); },
            [] { return realApi().canUnloadNow(); }};
        return api;
    }
};

// A control of class `Control` in-process, sited in a test site (run mode unless told
// otherwise) and set up as new.
template <typename Control> struct SitedControl {
    explicit SitedControl(const fenbase6::FenBase6Api& api = realApi(), bool userMode = true,
                          const com::Variant& displayName = {})
        : site(com::makeObject<com::test::TestSite>()),
          control(com::makeObject<Control>(api, &module)) {
        site->ambient.insert(com::AmbientDispIds::UserMode, com::Variant(userMode));
        if (!displayName.isEmpty()) {
            site->ambient.insert(com::AmbientDispIds::DisplayName, displayName);
        }
        control->SetClientSite(site.get());
    }
    ~SitedControl() {
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
    void setUserMode(bool userMode) {
        site->ambient.insert(com::AmbientDispIds::UserMode, com::Variant(userMode));
        control->OnAmbientPropertyChange(com::AmbientDispIds::UserMode);
    }
    QWidget* createWindow() {
        host = std::make_unique<QWidget>();
        QWidget* window = control->CreateControlWindow(host.get());
        window->setGeometry(0, 0, 200, 30);
        return window;
    }

    com::ComModule module;
    com::ComPtr<com::test::TestSite> site;
    com::ComPtr<Control> control;
    std::unique_ptr<QWidget> host;
};

// The same with the control's events recorded; `react` runs inside each event.
template <typename Control> struct RecordedControl : SitedControl<Control> {
    explicit RecordedControl(const fenbase6::FenBase6Api& api = realApi(), bool userMode = true,
                             const com::Variant& displayName = {})
        : SitedControl<Control>(api, userMode, displayName),
          events(com::makeObject<com::test::RecordingSink>(
              *this->control->GetClassInfo().events,
              [this](com::DispId id, std::span<const com::Variant> args) {
                  if (react) {
                      react(id, args);
                  }
              })) {
        this->control->InitNew();
        com::IConnectionPoint* point = nullptr;
        this->control->FindConnectionPoint(this->control->GetClassInfo().events->iid(), &point);
        std::uint32_t cookie = 0;
        com::ComPtr<com::IConnectionPoint>::adopt(point)->Advise(events->unknown(), &cookie);
    }

    std::vector<com::DispId> eventIds() const {
        std::vector<com::DispId> ids;
        for (const auto& call : events->calls) {
            ids.push_back(call.id);
        }
        return ids;
    }

    com::ComPtr<com::test::RecordingSink> events;
    std::function<void(com::DispId, std::span<const com::Variant>)> react;
};

// The frame's test control, set up as new.
struct ControlFixture : SitedControl<FrameTestControl> {
    explicit ControlFixture(const fenbase6::FenBase6Api& api = realApi(), bool userMode = true)
        : SitedControl(api, userMode) {
        control->InitNew();
    }
};

} // namespace tarnwick::frame::test

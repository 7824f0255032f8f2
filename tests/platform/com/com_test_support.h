#pragma once

#include "com/ambient.h"
#include "com/com_error.h"
#include "com/com_object.h"
#include "com/property_notify.h"
#include "com/type_info.h"

#include <QHash>
#include <functional>
#include <vector>

namespace tarnwick::com::test {

// An event sink for the events interface `events`, recording each event with its argument
// values and letting the test react (e.g. set a by-reference argument).
class RecordingSink : public ComObject<IDispatch> {
public:
    struct Call {
        DispId id;
        std::vector<Variant> args;
    };
    using Reaction = std::function<void(DispId, std::span<const Variant>)>;

    RecordingSink(const TypeInfo& events, Reaction react = {})
        : m_events(events), m_react(std::move(react)) {}

    HRESULT QueryInterface(const Guid& iid, void** object) override {
        if (object != nullptr && iid == m_events.iid()) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        return ComObject::QueryInterface(iid, object);
    }

    const TypeInfo& GetTypeInfo() const override { return m_events; }

    Variant Invoke(DispId id, InvokeKind, std::span<const Variant> args) override {
        Call call{id, {}};
        for (const Variant& arg : args) {
            call.args.push_back(arg.dereferenced());
        }
        calls.push_back(std::move(call));
        if (m_react) {
            m_react(id, args);
        }
        return {};
    }

    std::vector<Call> calls;

private:
    const TypeInfo& m_events;
    Reaction m_react;
};

// Records property changes and answers edit requests as told.
class PropertySink : public ComObject<IPropertyNotifySink> {
public:
    void OnChanged(DispId id) override { changed.push_back(id); }
    bool OnRequestEdit(DispId id) override {
        requested.push_back(id);
        return allowEdits;
    }

    std::vector<DispId> changed;
    std::vector<DispId> requested;
    bool allowEdits = true;
};

// A container site offering the ambient values a test puts in.
class TestSite : public ComObject<IControlSite> {
public:
    Variant GetAmbientProperty(DispId id) override { return ambient.value(id); }
    QPointF TransformCoords(const QPointF& himetric) override { return himetric; }

    QHash<DispId, Variant> ambient;
};

// Runs `call` and answers the automation error number it throws (0 when none).
template <typename Call> long errorNumberOf(Call&& call) {
    try {
        call();
    } catch (const ComError& error) {
        return error.number();
    }
    return 0;
}

} // namespace tarnwick::com::test

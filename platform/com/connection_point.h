#pragma once

#include "com_object.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tarnwick::com {

// One outgoing interface of an object: sinks subscribe with Advise and get a cookie back.
struct IConnectionPoint : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

    virtual Guid GetConnectionInterface() const = 0;
    // Connects `sink`, which must answer the connection interface: S_OK with the cookie,
    // E_POINTER without sink or cookie, CONNECT_E_CANNOTCONNECT when the sink lacks it.
    virtual HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) = 0;
    // Disconnects the sink of `cookie`: S_OK, or CONNECT_E_NOCONNECTION when no sink holds it.
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;
    virtual std::vector<ComPtr<IUnknown>> EnumConnections() const = 0;
};

struct IConnectionPointContainer : IUnknown {
    using Base = IUnknown;
    static constexpr Guid kIid{
        0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

    virtual std::vector<ComPtr<IConnectionPoint>> EnumConnectionPoints() const = 0;
    // S_OK with the point for `iid`, or CONNECT_E_NOCONNECTION (and null) when there is none.
    virtual HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** point) = 0;
};

// A connection point whose sinks are reached through the interface Sink (IDispatch for
// events, IPropertyNotifySink for property changes): a sink answers a query for the
// connection interface with a pointer to Sink. Sinks sit in slots; the cookie is the slot's
// number plus one, and a freed slot is reused by the next Advise.
template <typename Sink> class ConnectionPoint : public ComObject<IConnectionPoint> {
public:
    explicit ConnectionPoint(const Guid& iid, ComModule* module = nullptr)
        : ComObject(module), m_iid(iid) {}

    Guid GetConnectionInterface() const override { return m_iid; }

    HRESULT Advise(IUnknown* sink, std::uint32_t* cookie) override {
        if (sink == nullptr || cookie == nullptr) {
            return E_POINTER;
        }
        *cookie = 0;
        void* answered = nullptr;
        if (failed(sink->QueryInterface(m_iid, &answered))) {
            return CONNECT_E_CANNOTCONNECT;
        }
        auto connected = ComPtr<Sink>::adopt(static_cast<Sink*>(answered));
        std::size_t slot = 0;
        while (slot < m_slots.size() && m_slots[slot]) {
            ++slot;
        }
        if (slot == m_slots.size()) {
            m_slots.emplace_back();
        }
        m_slots[slot] = std::move(connected);
        *cookie = static_cast<std::uint32_t>(slot + 1);
        return S_OK;
    }

    HRESULT Unadvise(std::uint32_t cookie) override {
        if (cookie == 0 || cookie > m_slots.size() || !m_slots[cookie - 1]) {
            return CONNECT_E_NOCONNECTION;
        }
        // Released after the slot is cleared, in case the sink's end calls back.
        const ComPtr<Sink> leaving = std::move(m_slots[cookie - 1]);
        m_slots[cookie - 1].reset();
        return S_OK;
    }

    std::vector<ComPtr<IUnknown>> EnumConnections() const override {
        std::vector<ComPtr<IUnknown>> connections;
        for (const ComPtr<Sink>& sink : sinks()) {
            connections.push_back(sink.template query<IUnknown>());
        }
        return connections;
    }

    // The connected sinks, copied: a sink may advise or unadvise while it is being called.
    std::vector<ComPtr<Sink>> sinks() const {
        std::vector<ComPtr<Sink>> connected;
        for (const ComPtr<Sink>& sink : m_slots) {
            if (sink) {
                connected.push_back(sink);
            }
        }
        return connected;
    }

private:
    Guid m_iid;
    std::vector<ComPtr<Sink>> m_slots;
};

// The connection points of an object, for its IConnectionPointContainer.
class ConnectionPointList {
public:
    ConnectionPointList(std::initializer_list<ComPtr<IConnectionPoint>> points)
        : m_points(points) {}

    std::vector<ComPtr<IConnectionPoint>> all() const { return m_points; }

    HRESULT find(const Guid& iid, IConnectionPoint** point) const {
        if (point == nullptr) {
            return E_POINTER;
        }
        *point = nullptr;
        for (const ComPtr<IConnectionPoint>& candidate : m_points) {
            if (candidate->GetConnectionInterface() == iid) {
                *point = ComPtr<IConnectionPoint>(candidate).detach();
                return S_OK;
            }
        }
        return CONNECT_E_NOCONNECTION;
    }

private:
    std::vector<ComPtr<IConnectionPoint>> m_points;
};

} // namespace tarnwick::com

#include "sim/simulated_serial_control.h"
#include "sim/unit_frames.h"
#include "unit_bench.h"

#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::sim;
using namespace tarnwick::sim::testing;
using namespace tarnwick::modProtocol;

namespace {

QByteArray bytesOf(const Frame& frame) {
    return {reinterpret_cast<const char*>(frame.data()), static_cast<qsizetype>(frame.size())};
}

// A cable between a simulated port and a unit, with the port's events counted.
struct Cable {
    VirtualScheduler clock;
    StavikUnit unit;
    SimulatedSerialControl port;
    int opened = 0;
    int receivedEvents = 0;
    int carrierEvents = 0;
    QByteArray received;

    explicit Cable(FaultPlan faults = {})
        : unit(clock, setup(std::move(faults))), port(clock, unit) {
        port.setEvents({[this] { ++opened; },
                        [this] {
                            ++receivedEvents;
                            received += port.readAll();
                        },
                        [this] { ++carrierEvents; }});
    }

    static UnitSetup setup(FaultPlan faults) {
        UnitSetup s;
        s.memory = numberedMemory();
        s.statusInterval = 0ms;
        s.faults = std::move(faults);
        return s;
    }

    void open() {
        port.setPortOpen(true);
        clock.advance(SimulatedSerialControl::kOpenDelay);
    }
};

TEST(SimulatedSerialControl, OpensAfterAShortDelayAndSaysConnected) {
    Cable cable;
    cable.port.setPortOpen(true);
    EXPECT_EQ(cable.opened, 0) << "no event from inside the call";
    EXPECT_FALSE(cable.port.portOpen());
    cable.clock.advance(SimulatedSerialControl::kOpenDelay);
    EXPECT_EQ(cable.opened, 1);
    EXPECT_TRUE(cable.port.portOpen());
    EXPECT_EQ(cable.port.connectionState(), QStringLiteral("Connected"));

    cable.open(); // opening an open port ends like any attempt
    EXPECT_EQ(cable.opened, 2);
    EXPECT_TRUE(cable.port.portOpen());

    cable.port.setPortOpen(false);
    EXPECT_FALSE(cable.port.portOpen());
    EXPECT_NE(cable.port.connectionState(), QStringLiteral("Connected"));
    EXPECT_EQ(cable.opened, 2) << "closing fires nothing";
}

TEST(SimulatedSerialControl, FailsToOpenWithTheConfiguredStateText) {
    Cable cable;
    cable.port.setOpenFailure(QStringLiteral("Port in use"));
    cable.open();
    EXPECT_EQ(cable.opened, 1);
    EXPECT_FALSE(cable.port.portOpen());
    EXPECT_EQ(cable.port.connectionState(), QStringLiteral("Port in use"));
}

TEST(SimulatedSerialControl, CarriesARequestToTheUnitAndItsAnswerBack) {
    Cable cable;
    cable.open();
    const Frame request = readRequest(3);
    cable.port.write(bytesOf(request));
    cable.clock.advance(133ms);
    EXPECT_EQ(cable.receivedEvents, 0);
    cable.clock.advance(1ms); // 42 ms out, 92 ms back

    EXPECT_EQ(cable.receivedEvents, 1);
    EXPECT_EQ(cable.received, bytesOf(buildUnitDataFrame(0, 3, blockOf(numberedMemory(), 3))));
    ASSERT_EQ(cable.port.writes().size(), 1u);
    EXPECT_EQ(cable.port.writes()[0].time, SimulatedSerialControl::kOpenDelay);
    EXPECT_EQ(cable.port.writes()[0].bytes, bytesOf(request));
    EXPECT_TRUE(cable.port.writes()[0].portWasOpen);
}

TEST(SimulatedSerialControl, HandsAnswersOverInChunks) {
    Cable cable;
    cable.port.setChunkSize(4);
    cable.open();
    cable.port.write(bytesOf(readRequest(3)));
    cable.clock.advance(1s);
    EXPECT_EQ(cable.receivedEvents, 3); // 4 + 4 + 3 bytes
    EXPECT_EQ(cable.received.size(), 11);
}

TEST(SimulatedSerialControl, AClosedPortNeitherSendsNorReceives) {
    Cable cable;
    cable.port.write(bytesOf(readRequest(3)));
    cable.clock.advance(1s);
    EXPECT_EQ(cable.receivedEvents, 0);
    EXPECT_FALSE(cable.port.writes()[0].portWasOpen);

    cable.open();
    cable.port.write(bytesOf(readRequest(3)));
    cable.clock.advance(100ms); // the answer is on its way back
    cable.port.setPortOpen(false);
    cable.clock.advance(1s);
    EXPECT_EQ(cable.receivedEvents, 0);
    EXPECT_TRUE(cable.port.readAll().isEmpty());
}

TEST(SimulatedSerialControl, CarrierLossClosesThePortAndFiresTheEventLater) {
    FaultPlan faults;
    faults.carrierLostAfterContact = 500ms;
    Cable cable(faults);
    cable.open();
    cable.port.write(bytesOf(readRequest(3)));
    cable.clock.advance(541ms); // contact when the request is through, 42 ms after writing
    EXPECT_TRUE(cable.port.portOpen());
    cable.clock.advance(1ms);
    EXPECT_FALSE(cable.port.portOpen());
    EXPECT_EQ(cable.carrierEvents, 1);
    EXPECT_NE(cable.port.connectionState(), QStringLiteral("Connected"));

    cable.open();
    EXPECT_FALSE(cable.port.portOpen()) << "no carrier to open on";
}

} // namespace

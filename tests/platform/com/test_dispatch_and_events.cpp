#include "com/late_binding.h"
#include "com/std_font.h"
#include "com_test_support.h"
#include "gauge.h"

#include <gtest/gtest.h>

using namespace tarnwick::com;
using namespace tarnwick::com::test;

namespace {

class GaugeTest : public ::testing::Test {
protected:
    ComModule m_module;
    ComPtr<Gauge> m_gauge = makeObject<Gauge>(&m_module);

    void SetUp() override { m_gauge->InitNew(); }

    ComPtr<IConnectionPoint> point(const Guid& iid) {
        IConnectionPoint* found = nullptr;
        EXPECT_EQ(m_gauge->FindConnectionPoint(iid, &found), S_OK);
        return ComPtr<IConnectionPoint>::adopt(found);
    }
};

} // namespace

TEST_F(GaugeTest, QueryAnswersEveryInterfaceAndItsParentsWithOneIdentity) {
    ComPtr<IUnknown> unknown = queryInterface<IUnknown>(m_gauge->unknown());
    EXPECT_TRUE(queryInterface<IDispatch>(unknown.get())) << "the parent of IGauge";
    EXPECT_TRUE(queryInterface<IPersist>(unknown.get()));
    EXPECT_FALSE(queryInterface<IStream>(unknown.get()));
    EXPECT_TRUE(isSameObject(queryInterface<IPersistPropertyBag>(unknown.get()).get(),
                             queryInterface<IGauge>(unknown.get()).get()));
    EXPECT_EQ(m_module.objectCount(), 5) << "the gauge, its font and their connection points";
    m_gauge.reset();
    EXPECT_EQ(m_module.objectCount(), 5) << "a reference is still held";
    unknown.reset();
    EXPECT_EQ(m_module.objectCount(), 0);
}

TEST_F(GaugeTest, DispatchByNameAndById) {
    IDispatch& gauge = *m_gauge;
    putProperty(gauge, u"level", Variant(QStringLiteral("42")));
    EXPECT_EQ(gauge.Invoke(GaugeDispIds::Level, InvokeKind::Get, {}).toInt16(), 42);
    EXPECT_EQ(gauge.GetTypeInfo().idOfName(u"VERSION"), GaugeDispIds::Version);
    EXPECT_EQ(getProperty(gauge, u"Version").toString(), QStringLiteral("1.2.3.4"));
    callMethod(gauge, u"Reset");
    EXPECT_EQ(getProperty(gauge, u"Level").toInt16(), 0);
}

TEST_F(GaugeTest, AutomationErrorsCarryNumberDescriptionAndSource) {
    IDispatch& gauge = *m_gauge;
    try {
        putProperty(gauge, u"Level", Variant(std::int16_t{101}));
        FAIL() << "out of range";
    } catch (const ComError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::InvalidPropertyValue);
        EXPECT_EQ(error.description(), QStringLiteral("Invalid property value."));
        EXPECT_EQ(error.source(), QStringLiteral("Tarnwick.TestGauge"));
    }
    EXPECT_EQ(getProperty(gauge, u"Level").toInt16(), 0) << "a refused put changes nothing";

    EXPECT_EQ(errorNumberOf([&] { putProperty(gauge, u"Version", Variant(QStringLiteral("2"))); }),
              ErrorNumber::PropertyReadOnly);
    EXPECT_EQ(errorNumberOf([&] { getProperty(gauge, u"Secret"); }),
              ErrorNumber::PropertyGetNotSupported);
    EXPECT_EQ(errorNumberOf([&] { getProperty(gauge, u"Missing"); }),
              ErrorNumber::MemberNotSupported);
    EXPECT_EQ(errorNumberOf([&] { getProperty(gauge, u"Reset"); }),
              ErrorNumber::MemberNotSupported);
    EXPECT_EQ(errorNumberOf([&] { putProperty(gauge, u"Font", Variant(ComPtr<IUnknown>())); }),
              ErrorNumber::MemberNotSupported)
        << "Font is set by reference only";
    EXPECT_EQ(errorNumberOf([&] { gauge.Invoke(GaugeDispIds::Level, InvokeKind::Put, {}); }),
              ErrorNumber::ArgumentNotOptional);
    const std::array two{Variant(true), Variant(true)};
    EXPECT_EQ(errorNumberOf([&] { gauge.Invoke(GaugeDispIds::Enabled, InvokeKind::Put, two); }),
              ErrorNumber::WrongArgumentCount);
    EXPECT_EQ(errorNumberOf([&] { putProperty(gauge, u"Level", Variant(QStringLiteral("x"))); }),
              ErrorNumber::TypeMismatch);
}

TEST_F(GaugeTest, PutByReferenceChecksTheObject) {
    IDispatch& gauge = *m_gauge;
    const auto font = makeObject<StdFont>();
    putPropertyRef(gauge, u"Badge", Variant(font->unknown()));
    EXPECT_TRUE(isSameObject(getProperty(gauge, u"Badge").toObject().get(), font->unknown()));
    putPropertyRef(gauge, u"Badge", Variant(ComPtr<IUnknown>()));
    EXPECT_FALSE(getProperty(gauge, u"Badge").toObject());
    const auto notAFont = makeObject<PropertySink>();
    EXPECT_EQ(errorNumberOf([&] {
                  putPropertyRef(gauge, u"Badge", Variant(ComPtr<IUnknown>(notAFont.get())));
              }),
              ErrorNumber::InvalidPropertyValue);
}

TEST_F(GaugeTest, CookiesAreSlotsPlusOneAndFreedSlotsAreReused) {
    const ComPtr<IConnectionPoint> events = point(kGaugeEventsIid);
    EXPECT_EQ(events->GetConnectionInterface(), kGaugeEventsIid);
    const auto first = makeObject<RecordingSink>(Gauge::eventsTypeInfo());
    const auto second = makeObject<RecordingSink>(Gauge::eventsTypeInfo());
    std::uint32_t cookie = 0;
    ASSERT_EQ(events->Advise(first.get(), &cookie), S_OK);
    EXPECT_EQ(cookie, 1u);
    ASSERT_EQ(events->Advise(second.get(), &cookie), S_OK);
    EXPECT_EQ(cookie, 2u);
    EXPECT_EQ(events->Unadvise(1), S_OK);
    EXPECT_EQ(events->Unadvise(1), CONNECT_E_NOCONNECTION) << "an empty slot";
    EXPECT_EQ(events->Unadvise(0), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(events->Unadvise(3), CONNECT_E_NOCONNECTION);
    ASSERT_EQ(events->Advise(first.get(), &cookie), S_OK);
    EXPECT_EQ(cookie, 1u) << "the freed slot";
    EXPECT_EQ(events->EnumConnections().size(), 2u);

    const auto notASink = makeObject<PropertySink>();
    EXPECT_EQ(events->Advise(notASink.get(), &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);
    IConnectionPoint* none = nullptr;
    EXPECT_EQ(m_gauge->FindConnectionPoint(IStream::kIid, &none), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(none, nullptr);
}

TEST_F(GaugeTest, SinksChangeByReferenceArgumentsInTurn) {
    const ComPtr<IConnectionPoint> events = point(kGaugeEventsIid);
    // The first sink sees Cancel false and sets it; the second sees it set and clears it.
    std::vector<bool> cancelSeen;
    const auto setter = makeObject<RecordingSink>(
        Gauge::eventsTypeInfo(), [&](DispId id, std::span<const Variant> args) {
            if (id == GaugeEventIds::Changing) {
                cancelSeen.push_back(args[1].toBool());
                args[1].assignThroughReference(Variant(true));
            }
        });
    std::uint32_t setterCookie = 0;
    ASSERT_EQ(events->Advise(setter.get(), &setterCookie), S_OK);

    putProperty(*m_gauge, u"Level", Variant(std::int16_t{30}));
    EXPECT_EQ(getProperty(*m_gauge, u"Level").toInt16(), 0) << "the sink cancelled";
    ASSERT_EQ(setter->calls.size(), 1u) << "no Changed after a cancel";
    EXPECT_TRUE(setter->calls[0].args[0] == Variant(std::int16_t{30}));

    const auto clearer = makeObject<RecordingSink>(
        Gauge::eventsTypeInfo(), [&](DispId id, std::span<const Variant> args) {
            if (id == GaugeEventIds::Changing) {
                cancelSeen.push_back(args[1].toBool());
                args[1].assignThroughReference(Variant(std::int16_t{0}));
            }
        });
    std::uint32_t clearerCookie = 0;
    ASSERT_EQ(events->Advise(clearer.get(), &clearerCookie), S_OK);
    putProperty(*m_gauge, u"Level", Variant(std::int16_t{40}));
    EXPECT_EQ(getProperty(*m_gauge, u"Level").toInt16(), 40);
    EXPECT_EQ(cancelSeen, (std::vector<bool>{false, false, true}));
    EXPECT_EQ(clearer->calls.back().id, GaugeEventIds::Changed);
}

TEST_F(GaugeTest, AFailingSinkDoesNotStopTheOthers) {
    const ComPtr<IConnectionPoint> events = point(kGaugeEventsIid);
    const auto failing =
        makeObject<RecordingSink>(Gauge::eventsTypeInfo(), [](DispId, std::span<const Variant>) {
            throw ComError::standard(ErrorNumber::Overflow);
        });
    const auto listening = makeObject<RecordingSink>(Gauge::eventsTypeInfo());
    std::uint32_t cookie = 0;
    ASSERT_EQ(events->Advise(failing.get(), &cookie), S_OK);
    ASSERT_EQ(events->Advise(listening.get(), &cookie), S_OK);
    putProperty(*m_gauge, u"Level", Variant(std::int16_t{5}));
    EXPECT_EQ(listening->calls.size(), 2u);
    EXPECT_EQ(getProperty(*m_gauge, u"Level").toInt16(), 5);
}

TEST_F(GaugeTest, AcceptedPutsSignalTheChangeAndMarkDirty) {
    const ComPtr<IConnectionPoint> notifications = point(IPropertyNotifySink::kIid);
    const auto sink = makeObject<PropertySink>();
    std::uint32_t cookie = 0;
    ASSERT_EQ(notifications->Advise(sink.get(), &cookie), S_OK);
    EXPECT_FALSE(m_gauge->IsDirty());

    putProperty(*m_gauge, u"Label", Variant(QStringLiteral("Tank")));
    putProperty(*m_gauge, u"Level", Variant(std::int16_t{9}));
    EXPECT_EQ(errorNumberOf([&] { putProperty(*m_gauge, u"Level", Variant(-1.0)); }),
              ErrorNumber::InvalidPropertyValue);
    EXPECT_EQ(sink->changed, (std::vector<DispId>{GaugeDispIds::Label, GaugeDispIds::Level}));
    EXPECT_TRUE(m_gauge->IsDirty());

    sink->allowEdits = false;
    putProperty(*m_gauge, u"Level", Variant(std::int16_t{10}));
    EXPECT_EQ(getProperty(*m_gauge, u"Level").toInt16(), 9) << "the host refused the edit";
    EXPECT_EQ(sink->requested.back(), GaugeDispIds::Level);
}

TEST(AmbientProperties, DefaultsWithoutSiteAndValuesFromIt) {
    const AmbientProperties none(nullptr);
    EXPECT_TRUE(none.userMode());
    EXPECT_EQ(none.backColor(0x80000005u), 0x80000005u);
    EXPECT_FALSE(none.font());

    const auto site = makeObject<TestSite>();
    site->ambient.insert(AmbientDispIds::UserMode, Variant(false));
    site->ambient.insert(AmbientDispIds::DisplayName, Variant(QStringLiteral("Gauge1")));
    site->ambient.insert(AmbientDispIds::ForeColor,
                         Variant(static_cast<std::int32_t>(0x80000008u)));
    site->ambient.insert(AmbientDispIds::BackColor, Variant(QStringLiteral("red")));
    const AmbientProperties ambient(site.get());
    EXPECT_FALSE(ambient.userMode());
    EXPECT_EQ(ambient.displayName(), QStringLiteral("Gauge1"));
    EXPECT_EQ(ambient.foreColor(0), 0x80000008u);
    EXPECT_EQ(ambient.backColor(0x80000005u), 0x80000005u) << "an unusable value";
}

TEST(AmbientProperties, ANewControlTakesTheContainersNameAndACopyOfItsFont) {
    const auto site = makeObject<TestSite>();
    FontDescription containerFont;
    containerFont.name = QStringLiteral("Serif");
    const auto font = makeObject<StdFont>(containerFont);
    site->ambient.insert(AmbientDispIds::Font, Variant(font->unknown()));
    site->ambient.insert(AmbientDispIds::DisplayName, Variant(QStringLiteral("Gauge1")));
    const auto gauge = makeObject<Gauge>();
    gauge->SetClientSite(site.get());
    gauge->InitNew();
    EXPECT_EQ(getProperty(*gauge, u"Label").toString(), QStringLiteral("Gauge1"));
    const ComPtr<IUnknown> own = getProperty(*gauge, u"Font").toObject();
    EXPECT_FALSE(isSameObject(own.get(), font->unknown())) << "a copy";
    EXPECT_EQ(own.query<IFont>()->GetDescription(), containerFont);
    gauge->SetClientSite(nullptr);
}

#include "com/file_stream.h"
#include "com/late_binding.h"
#include "com/memory_stream.h"
#include "com/property_bag_text.h"
#include "com/std_font.h"
#include "com/stream_io.h"
#include "com_test_support.h"
#include "gauge.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnwick::com;
using namespace tarnwick::com::test;

namespace {

QByteArray savedStream(Gauge& gauge) {
    const auto stream = makeObject<MemoryStream>();
    gauge.Save(*stream, true);
    return stream->bytes();
}

ComPtr<Gauge> loadedFromStream(const QByteArray& bytes) {
    auto gauge = makeObject<Gauge>();
    const auto stream = makeObject<MemoryStream>(bytes);
    gauge->Load(*stream);
    return gauge;
}

ComPtr<PropertyBag> savedBag(Gauge& gauge) {
    auto bag = makeObject<PropertyBag>();
    gauge.Save(*bag, true, true);
    return bag;
}

// A gauge with every kind of value set: a badge font, a Latin-1 label, a level, Enabled off.
ComPtr<Gauge> populatedGauge() {
    auto gauge = makeObject<Gauge>();
    gauge->InitNew();
    FontDescription badge;
    badge.name = QStringLiteral("Mono");
    badge.size = 12.5;
    badge.weight = FontDescription::kBoldWeight;
    badge.underline = true;
    putPropertyRef(*gauge, u"Badge", Variant(makeObject<StdFont>(badge)->unknown()));
    putProperty(*gauge, u"Label", Variant(QStringLiteral("Cuve d'eau \u00e9t\u00e9")));
    putProperty(*gauge, u"Level", Variant(std::int16_t{77}));
    putProperty(*gauge, u"Enabled", Variant(false));
    return gauge;
}

FontDescription fontOf(IDispatch& gauge, const char16_t* name) {
    return getProperty(gauge, name).toObject().query<IFont>()->GetDescription();
}

} // namespace

TEST(StreamValues, BytesOfNumbersHeaderAndStrings) {
    const auto stream = makeObject<MemoryStream>();
    StreamWriter writer(*stream);
    PersistHeader{0x00010002, 2000, 500}.save(*stream);
    writer.writeInt16(-2);
    writer.writeBool(true);
    writer.writeInt32(static_cast<std::int32_t>(0x80000005u));
    writer.writeDouble(1.0);
    writer.writeString(std::nullopt);
    writer.writeString(QString());
    writer.writeString(QStringLiteral("\u00e9A"));
    EXPECT_EQ(stream->bytes().toHex(' '),
              QByteArray("02 00 01 00 d0 07 00 00 f4 01 00 00 " // _Version, _ExtentX, _ExtentY
                         "fe ff ff ff 05 00 00 80 "             // -2, true, a system colour
                         "00 00 00 00 00 00 f0 3f "             // 1.0
                         "00 00 00 00 "                         // no string
                         "02 00 00 00 00 00 "                   // an empty string
                         "06 00 00 00 e9 00 41 00 00 00"));

    stream->Seek(0, SeekOrigin::Begin);
    PersistHeader header;
    header.load(*stream);
    EXPECT_EQ(header, (PersistHeader{0x00010002, 2000, 500}));
    StreamReader reader(*stream);
    EXPECT_EQ(reader.readInt16(), -2);
    EXPECT_TRUE(reader.readBool());
    EXPECT_EQ(static_cast<std::uint32_t>(reader.readInt32()), 0x80000005u);
    EXPECT_EQ(reader.readDouble(), 1.0);
    EXPECT_EQ(reader.readString(), std::nullopt);
    EXPECT_EQ(reader.readString(), QString());
    EXPECT_EQ(reader.readString(), QStringLiteral("\u00e9A"));
    EXPECT_EQ(errorNumberOf([&] { reader.readInt16(); }), STG_E_READFAULT);
}

TEST(StreamValues, DamagedStringCountsAreRefusedWithoutReadingOn) {
    for (const char* hex : {"ffffff7f4100", "03000000410000", "01000000", "0a000000410000"}) {
        const auto stream = makeObject<MemoryStream>(QByteArray::fromHex(hex));
        EXPECT_EQ(errorNumberOf([&] { StreamReader(*stream).readString(); }), STG_E_READFAULT)
            << hex;
    }
}

TEST(StreamPersistence, NestedAndAbsentObjectsRoundTripByteForByte) {
    const auto gauge = makeObject<Gauge>();
    gauge->InitNew();
    const QByteArray bytes = savedStream(*gauge);
    // Header, then the font in object-stream form (class, then its own data) ...
    EXPECT_EQ(bytes.mid(12, 16), kStdFontClsid.toBytes());
    // ... then the absent badge as a null class alone, then level, label and Enabled.
    const QByteArray tail = QByteArray(16, '\0') + QByteArray::fromHex("0000"
                                                                       "02000000"
                                                                       "0000"
                                                                       "ffff");
    EXPECT_TRUE(bytes.endsWith(tail)) << bytes.toHex().toStdString();

    const auto loaded = loadedFromStream(bytes);
    EXPECT_FALSE(getProperty(*loaded, u"Badge").toObject()) << "an absent object loads as none";
    EXPECT_EQ(savedStream(*loaded), bytes);

    const auto populated = populatedGauge();
    const QByteArray full = savedStream(*populated);
    const auto reloaded = loadedFromStream(full);
    EXPECT_EQ(getProperty(*reloaded, u"Label").toString(),
              QStringLiteral("Cuve d'eau \u00e9t\u00e9"));
    EXPECT_EQ(fontOf(*reloaded, u"Badge"), fontOf(*populated, u"Badge"));
    EXPECT_EQ(reloaded->header, populated->header);
    EXPECT_EQ(savedStream(*reloaded), full);
    EXPECT_FALSE(reloaded->IsDirty());
}

TEST(StreamPersistence, EveryTruncationAndAnUnknownClassFailCleanly) {
    const QByteArray full = savedStream(*populatedGauge());
    for (qsizetype length = 0; length < full.size(); ++length) {
        EXPECT_EQ(errorNumberOf([&] { loadedFromStream(full.left(length)); }), STG_E_READFAULT)
            << "cut at " << length;
    }
    QByteArray unknownClass = full;
    unknownClass[12] = static_cast<char>(unknownClass[12] ^ 0x55);
    EXPECT_EQ(errorNumberOf([&] { loadedFromStream(unknownClass); }), REGDB_E_CLASSNOTREG);
}

TEST(BagPersistence, NamedValuesKeepTheirWidthsAndNestObjects) {
    const auto populated = populatedGauge();
    const auto bag = savedBag(*populated);
    QStringList names;
    for (const PropertyBag::Entry& entry : bag->entries()) {
        names.append(entry.name);
    }
    EXPECT_EQ(names.join(QLatin1Char(',')),
              QStringLiteral("_Version,_ExtentX,_ExtentY,Font,Badge,Level,Label,Enabled"));
    EXPECT_EQ(bag->Read(QStringLiteral("_extentx"))->type(), VariantType::Int32);
    EXPECT_EQ(bag->Read(QStringLiteral("Level"))->type(), VariantType::Int16);
    EXPECT_EQ(bag->Read(QStringLiteral("Enabled"))->toInt16(), 0);
    EXPECT_FALSE(bag->Read(QStringLiteral("Missing")));
    EXPECT_EQ(errorNumberOf([&] { bag->Read(QStringLiteral("Badge")); }),
              ErrorNumber::TypeMismatch);
    EXPECT_EQ(bag->entries()[4].clsid, kStdFontClsid);

    const auto loaded = makeObject<Gauge>();
    loaded->Load(*bag);
    EXPECT_EQ(fontOf(*loaded, u"Badge"), fontOf(*populated, u"Badge"));
    EXPECT_EQ(getProperty(*loaded, u"Level").toInt16(), 77);
    EXPECT_FALSE(getProperty(*loaded, u"Enabled").toBool());
}

TEST(BagPersistence, TextFormRoundTripsByteForByte) {
    const auto fresh = makeObject<Gauge>();
    fresh->InitNew();
    for (const ComPtr<Gauge>& gauge : {populatedGauge(), fresh}) {
        const QByteArray text = propertyBagToText(*savedBag(*gauge));
        const ComPtr<PropertyBag> parsed = propertyBagFromText(text);
        EXPECT_EQ(propertyBagToText(*parsed), text);
        const auto loaded = makeObject<Gauge>();
        loaded->Load(*parsed);
        EXPECT_EQ(propertyBagToText(*savedBag(*loaded)), text);
    }
    const QByteArray absent = propertyBagToText(*savedBag(*fresh));
    EXPECT_TRUE(absent.contains("\"object\": null")) << absent.toStdString();
}

TEST(BagPersistence, ValuesOfEveryTypeSurviveTheTextForm) {
    const auto bag = makeObject<PropertyBag>();
    const std::vector<Variant> values{Variant(),
                                      Variant::null(),
                                      Variant(std::int16_t{-32768}),
                                      Variant(std::int32_t{-2147483647 - 1}),
                                      Variant(0.1),
                                      Variant(-std::numeric_limits<double>::infinity()),
                                      Variant(true),
                                      Variant(QStringLiteral("a\"b\\\u00e9")),
                                      Variant(QByteArray("\0\xff", 2)),
                                      Variant::error(-2147352572)};
    for (std::size_t i = 0; i < values.size(); ++i) {
        bag->Write(QString::number(i), values[i]);
    }
    const ComPtr<PropertyBag> parsed = propertyBagFromText(propertyBagToText(*bag));
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_TRUE(*parsed->Read(QString::number(i)) == values[i]) << i;
    }
}

TEST(BagPersistence, DamagedTextIsRefused) {
    for (const char* text :
         {"{}", "[1]", "[{\"type\":\"Int16\",\"value\":1}]",
          "[{\"name\":\"a\",\"type\":\"Int16\",\"value\":40000}]",
          "[{\"name\":\"a\",\"type\":\"Int32\",\"value\":1.5}]",
          "[{\"name\":\"a\",\"type\":\"Money\"}]",
          "[{\"name\":\"a\",\"object\":\"{nonsense}\",\"properties\":[]}]",
          "[{\"name\":\"a\",\"type\":\"ByteArray\",\"value\":\"***\"}]", "[{\"name\":"}) {
        EXPECT_EQ(errorNumberOf([&] { propertyBagFromText(QByteArray(text)); }), STG_E_READFAULT)
            << text;
    }
}

TEST(FileStreams, SaveToAndLoadFromAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gauge.bin"));
    const auto populated = populatedGauge();
    populated->Save(*FileStream::open(path, FileStream::Mode::Create), true);
    const auto loaded = makeObject<Gauge>();
    loaded->Load(*FileStream::open(path, FileStream::Mode::Read));
    EXPECT_EQ(savedStream(*loaded), savedStream(*populated));
    EXPECT_EQ(errorNumberOf([&] {
                  FileStream::open(dir.filePath(QStringLiteral("none")), FileStream::Mode::Read);
              }),
              ErrorNumber::FileNotFound);
}

// The DataObject of the OLE drag-and-drop events: its two kinds and their errors.
#include "com/late_binding.h"
#include "frame/clipboard_formats.h"
#include "frame/data_object.h"
#include "platform/com/com_test_support.h"

#include <QMimeData>
#include <QUrl>
#include <array>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::frame;
using com::test::errorNumberOf;

namespace {

const Variant kMissing = Variant::error(static_cast<std::int32_t>(0x80020004u));

Variant call(DataObject& data, QStringView method, std::vector<Variant> args = {}) {
    return callMethod(data, method, args);
}

QString descriptionOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ComError& error) {
        return error.description();
    }
    return {};
}

ComPtr<DataObject> droppedTextAndBytes() {
    QMimeData dropped;
    dropped.setText(QStringLiteral("dropped"));
    dropped.setData(ClipboardFormat::mimeTypeOf(-300), QByteArray("\x01\x02", 2));
    dropped.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
    return DataObject::readOnlyView(dropped);
}

} // namespace

TEST(DataObject, WritableTakesTextBytesAndDeclaredFormats) {
    const auto data = DataObject::writable();
    call(*data, u"SetData", {Variant(QStringLiteral("abc"))});
    call(*data, u"SetData", {Variant(std::int32_t{42}), Variant(std::int16_t{1})});
    call(*data, u"SetData", {Variant(QByteArray("\x05", 1)), Variant(std::int16_t{-300})});
    call(*data, u"SetData", {kMissing, Variant(std::int16_t{7})});

    ASSERT_EQ(data->entries().size(), 3u);
    EXPECT_EQ(data->entries()[0].value, Variant(QStringLiteral("42"))); // replaced, not added
    EXPECT_EQ(data->entries()[1].value, Variant(QByteArray("\x05", 1)));
    EXPECT_TRUE(data->entries()[2].value.isEmpty()); // offered, supplied in OLESetData
    EXPECT_EQ(call(*data, u"GetFormat", {Variant(std::int16_t{1})}), Variant(true));
    EXPECT_EQ(call(*data, u"GetFormat", {Variant(std::int16_t{7})}), Variant(true));
    EXPECT_EQ(call(*data, u"GetFormat", {Variant(std::int16_t{3})}), Variant(false));

    call(*data, u"Clear");
    EXPECT_TRUE(data->entries().empty());
}

TEST(DataObject, WritableRefusesWhatItCannotHold) {
    const auto data = DataObject::writable();
    EXPECT_EQ(errorNumberOf([&] { call(*data, u"SetData"); }), 673);
    EXPECT_EQ(errorNumberOf([&] { call(*data, u"SetData", {kMissing, kMissing}); }), 673);
    EXPECT_EQ(
        errorNumberOf([&] {
            call(*data, u"SetData", {Variant(QStringLiteral("x")), Variant(std::int16_t{-300})});
        }),
        675);
    EXPECT_EQ(errorNumberOf([&] { call(*data, u"SetData", {Variant::null()}); }), 461);
    EXPECT_EQ(errorNumberOf([&] { call(*data, u"GetData", {Variant(std::int16_t{1})}); }), 425);
    EXPECT_EQ(descriptionOf([&] { data->setData(std::nullopt, std::nullopt); }),
              QStringLiteral("Expected at least one argument."));
    EXPECT_EQ(descriptionOf([&] { data->setData(Variant(std::int32_t{1}), 5); }),
              QStringLiteral("Non-intrinsic OLE drag and drop formats used with SetData require "
                             "Byte array data.  GetData may return more bytes than were given "
                             "to SetData."));
    EXPECT_EQ(descriptionOf([&] { data->getData(1); }), QStringLiteral("Invalid Object Use"));
    EXPECT_TRUE(data->entries().empty());
}

TEST(DataObject, ReadOnlyViewAnswersWhatWasDropped) {
    const auto data = droppedTextAndBytes();
    EXPECT_EQ(call(*data, u"GetData", {Variant(std::int16_t{1})}),
              Variant(QStringLiteral("dropped")));
    EXPECT_EQ(call(*data, u"GetData", {Variant(std::int16_t{-300})}),
              Variant(QByteArray("\x01\x02", 2)));
    EXPECT_EQ(call(*data, u"GetFormat", {Variant(std::int16_t{1})}), Variant(true));
    EXPECT_EQ(call(*data, u"GetFormat", {Variant(std::int16_t{14})}), Variant(false));

    EXPECT_EQ(errorNumberOf([&] { call(*data, u"GetData", {Variant(std::int16_t{14})}); }), 461);
    EXPECT_EQ(descriptionOf([&] { data->getData(8); }),
              QStringLiteral("Specified format doesn't match format of data"));
    EXPECT_EQ(errorNumberOf([&] { call(*data, u"Clear"); }), 425);
    EXPECT_EQ(errorNumberOf([&] { call(*data, u"SetData", {Variant(QStringLiteral("x"))}); }), 425);
}

TEST(DataObject, BitmapAndPaletteAreNeverOffered) {
    QMimeData dropped;
    dropped.setData(ClipboardFormat::mimeTypeOf(ClipboardFormat::Bitmap), "BM");
    const auto view = DataObject::readOnlyView(dropped);
    EXPECT_FALSE(view->getFormat(ClipboardFormat::Bitmap));
    EXPECT_FALSE(view->getFormat(ClipboardFormat::Palette));
    EXPECT_EQ(view->getData(ClipboardFormat::Bitmap), Variant(QByteArray("BM")));
}

TEST(DataObject, FilesCollectionFollowsTheKindOfItsObject) {
    const auto writable = DataObject::writable();
    const auto files = getProperty(*writable, u"Files").toObject().query<IDispatch>();
    callMethod(*files, u"Add", std::array{Variant(QStringLiteral("/b"))});
    callMethod(*files, u"Add", std::array{Variant(QStringLiteral("/a")), Variant(std::int32_t{1})});
    EXPECT_EQ(getProperty(*files, u"Count"), Variant(std::int32_t{2}));
    EXPECT_EQ(invokeByName(*files, u"Item", InvokeKind::Get, std::array{Variant(std::int32_t{1})}),
              Variant(QStringLiteral("/a")));
    EXPECT_EQ(errorNumberOf([&] {
                  invokeByName(*files, u"Item", InvokeKind::Get,
                               std::array{Variant(std::int32_t{3})});
              }),
              9);
    callMethod(*files, u"Remove", std::array{Variant(std::int32_t{1})});
    EXPECT_EQ(writable->files(), QStringList{QStringLiteral("/b")});
    EXPECT_TRUE(writable->getFormat(ClipboardFormat::Files));

    const auto view = droppedTextAndBytes();
    const auto dropped = getProperty(*view, u"Files").toObject().query<IDispatch>();
    EXPECT_EQ(getProperty(*dropped, u"Count"), Variant(std::int32_t{1}));
    EXPECT_EQ(errorNumberOf([&] { callMethod(*dropped, u"Clear"); }), 425);
}

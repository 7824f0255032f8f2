// The kit as a program sees it: only the public headers, the installed-style default hive of
// the build tree, and a user hive of the test's own.
#include <fencontrols/fencontrols.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using fencontrols::Control;
using fencontrols::Error;
using fencontrols::PersistForm;

namespace {

const QString kMask = QStringLiteral("Holm.Mask6");
const QString kNumLite = QStringLiteral("Holm.NumLite6");

// The error a call throws; fails the test when it throws none.
template <typename Call> Error errorOf(Call&& call) {
    try {
        call();
    } catch (const Error& error) {
        return error;
    }
    ADD_FAILURE() << "no error was thrown";
    return Error(0, {});
}

QStringList eventNames(const QSignalSpy& spy) {
    QStringList names;
    for (const auto& arguments : spy) {
        names.append(arguments.at(0).toString());
    }
    return names;
}

// A user hive holding a class whose library does not exist.
void registerMissingLibrary(const QString& progId) {
    const QString dir = qEnvironmentVariable("TARNWICK_REGISTRY_DIR");
    ASSERT_FALSE(dir.isEmpty());
    QDir().mkpath(dir);
    QFile hive(dir + QStringLiteral("/HKEY_CLASSES_ROOT.reg"));
    ASSERT_TRUE(hive.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const QByteArray clsid = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
    hive.write("Windows Registry Editor Version 5.00\n\n[HKEY_CLASSES_ROOT\\" + progId.toLatin1() +
               "\\CLSID]\n@=\"" + clsid + "\"\n\n[HKEY_CLASSES_ROOT\\CLSID\\" + clsid +
               "\\InprocServer32]\n@=\"/nonexistent/libfenmissing.so\"\n");
}

class ControlKitTest : public testing::Test {
protected:
    QWidget form;
};

TEST_F(ControlKitTest, BothControlsAreCreatedByProgIdAsWidgetsInTheirParent) {
    Control mask(kMask, &form);
    Control number(kNumLite, &form);
    EXPECT_EQ(mask.progId(), kMask);
    EXPECT_EQ(mask.parentWidget(), &form);
    ASSERT_NE(mask.controlWindow(), nullptr);
    EXPECT_TRUE(mask.isAncestorOf(mask.controlWindow()));
    EXPECT_NE(mask.focusProxy(), nullptr);
    EXPECT_FALSE(number.sizeHint().isEmpty());
    EXPECT_EQ(mask.get(QStringLiteral("PromptChar")), QVariant(QStringLiteral("_")));
}

TEST_F(ControlKitTest, TypedInputReachesTheControlAndItsEventsArriveAsOneSignal) {
    Control mask(kMask, &form);
    form.show();
    QSignalSpy events(&mask, &Control::controlEvent);
    mask.set(QStringLiteral("Format"), QStringLiteral("(999)999-9999"));
    QTest::keyClicks(mask.focusProxy(), QStringLiteral("5551234567"));
    EXPECT_EQ(mask.get(QStringLiteral("Text")), QVariant(QStringLiteral("(555)123-4567")));
    EXPECT_EQ(mask.get(QStringLiteral("Value")), QVariant(QStringLiteral("5551234567")));
    EXPECT_EQ(mask.get(QStringLiteral("ValueIsFull")), QVariant(true));
    const QStringList names = eventNames(events);
    EXPECT_TRUE(names.contains(QStringLiteral("Change")));
    EXPECT_TRUE(names.contains(QStringLiteral("KeyPress")));
    for (const auto& arguments : events) {
        if (arguments.at(0).toString() == QLatin1String("KeyPress")) {
            const QVariantList args = arguments.at(1).toList();
            ASSERT_EQ(args.size(), 1);
            EXPECT_EQ(args[0], QVariant(int{'5'}));
            break;
        }
    }
}

TEST_F(ControlKitTest, NumericPropertiesAndMethodsByName) {
    Control number(kNumLite, &form);
    number.set(QStringLiteral("IntegerPlaces"), 3);
    number.set(QStringLiteral("MinValue"), 0);
    number.set(QStringLiteral("MaxValue"), 999);
    number.set(QStringLiteral("Value"), 42);
    EXPECT_EQ(number.get(QStringLiteral("Value")).toDouble(), 42.0);
    EXPECT_EQ(number.get(QStringLiteral("MaxValue")).toDouble(), 999.0);
    number.set(QStringLiteral("Spin.Visible"), 1);
    EXPECT_EQ(number.get(QStringLiteral("Spin.Visible")).toInt(), 1);

    Control mask(kMask, &form);
    mask.set(QStringLiteral("Text"), QStringLiteral("abc"));
    EXPECT_FALSE(mask.call(QStringLiteral("ClearControl")).isValid());
    EXPECT_EQ(mask.get(QStringLiteral("Text")), QVariant(QString()));
}

TEST_F(ControlKitTest, RefusedValuesAndUnknownMembersAreErrorsWithNumberAndText) {
    Control mask(kMask, &form);
    mask.set(QStringLiteral("Format"), QStringLiteral("999"));
    const Error refused = errorOf([&] { mask.set(QStringLiteral("PromptChar"), QStringLiteral("ab")); });
    EXPECT_EQ(refused.number(), 380);
    EXPECT_EQ(refused.description(), QStringLiteral("Invalid property value."));
    EXPECT_NE(std::string(refused.what()).find("380"), std::string::npos);
    EXPECT_EQ(mask.get(QStringLiteral("PromptChar")), QVariant(QStringLiteral("_")));

    Control number(kNumLite, &form);
    number.set(QStringLiteral("IntegerPlaces"), 4);
    number.set(QStringLiteral("MaxValue"), 999);
    EXPECT_EQ(errorOf([&] { number.set(QStringLiteral("Value"), 1000); }).number(), 380);
    EXPECT_EQ(errorOf([&] { number.get(QStringLiteral("NoSuchProperty")); }).number(), 438);
    EXPECT_EQ(errorOf([&] { number.get(QStringLiteral("Value.Inner")); }).number(), 424);
}

TEST_F(ControlKitTest, BothPersistenceFormsRoundTripIntoANewControl) {
    for (const PersistForm persistForm : {PersistForm::Stream, PersistForm::PropertyBag}) {
        Control mask(kMask, &form);
        mask.set(QStringLiteral("Format"), QStringLiteral("(999)999-9999"));
        mask.set(QStringLiteral("PromptChar"), QStringLiteral("#"));
        mask.set(QStringLiteral("Text"), QStringLiteral("(555)123-4567"));
        const QByteArray saved = mask.save(persistForm);
        ASSERT_FALSE(saved.isEmpty());

        Control copy(kMask, &form);
        copy.load(persistForm, saved);
        EXPECT_EQ(copy.get(QStringLiteral("Format")), mask.get(QStringLiteral("Format")));
        EXPECT_EQ(copy.get(QStringLiteral("PromptChar")), QVariant(QStringLiteral("#")));
        EXPECT_EQ(copy.get(QStringLiteral("Text")), QVariant(QStringLiteral("(555)123-4567")));
        EXPECT_EQ(copy.save(persistForm), saved);

        Control number(kNumLite, &form);
        number.set(QStringLiteral("IntegerPlaces"), 3);
        number.set(QStringLiteral("DecimalPlaces"), 2);
        number.set(QStringLiteral("Value"), 12.5);
        Control numberCopy(kNumLite, &form);
        numberCopy.load(persistForm, number.save(persistForm));
        EXPECT_EQ(numberCopy.get(QStringLiteral("Value")).toDouble(), 12.5);
        EXPECT_EQ(numberCopy.get(QStringLiteral("DecimalPlaces")).toInt(), 2);
    }
}

TEST_F(ControlKitTest, DamagedSavedBytesAreAnErrorAndTheControlKeepsItsSettings) {
    Control mask(kMask, &form);
    mask.set(QStringLiteral("Format"), QStringLiteral("999"));
    EXPECT_NE(errorOf([&] { mask.load(PersistForm::Stream, QByteArray("\x01\x02", 2)); }).number(), 0);
    EXPECT_NE(errorOf([&] { mask.load(PersistForm::PropertyBag, "{ not a bag"); }).number(), 0);
    EXPECT_EQ(mask.get(QStringLiteral("Format")), QVariant(QStringLiteral("999")));
}

TEST_F(ControlKitTest, AnUnknownClassOrAMissingLibraryIsAClearErrorAtOnce) {
    const Error unknown = errorOf([&] { Control(QStringLiteral("Holm.NoSuchControl"), &form); });
    EXPECT_EQ(unknown.number(), 429);
    EXPECT_TRUE(unknown.description().contains(QStringLiteral("Holm.NoSuchControl")))
        << unknown.description().toStdString();

    registerMissingLibrary(QStringLiteral("Holm.Missing6"));
    const Error missing = errorOf([&] { Control(QStringLiteral("Holm.Missing6"), &form); });
    EXPECT_EQ(missing.number(), 429);
    EXPECT_TRUE(missing.description().contains(QStringLiteral("libfenmissing.so")))
        << missing.description().toStdString();
    EXPECT_TRUE(form.findChildren<Control*>().isEmpty());
}

} // namespace

// The Designer plugin as Designer and a form loader use it: loaded from its file, both
// widgets made through it with their main properties on the meta-object, and a .ui file with
// both loaded through the plugin.
#include <fencontrols/fencontrols.h>

#include <QFile>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <gtest/gtest.h>

namespace {

QStringList propertyNames(const QMetaObject& meta) {
    QStringList names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        names.append(QString::fromLatin1(meta.property(i).name()));
    }
    return names;
}

TEST(DesignerPluginTest, OffersBothControlsInTheWidgetBoxAndMakesThemWithTheirProperties) {
    QPluginLoader loader(QStringLiteral(FENCONTROLS_DESIGNER_PLUGIN));
    auto* collection =
        qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    ASSERT_NE(collection, nullptr) << loader.errorString().toStdString();
    QWidget form;
    QStringList shown;
    for (QDesignerCustomWidgetInterface* widget : collection->customWidgets()) {
        shown.append(widget->domXml().section(QLatin1String("displayname=\""), 1).section(u'"', 0, 0));
        EXPECT_EQ(widget->group(), QStringLiteral("Input Controls"));
        EXPECT_TRUE(widget->includeFile().startsWith(QLatin1String("fencontrols/")));
        QWidget* made = widget->createWidget(&form);
        ASSERT_NE(qobject_cast<fencontrols::Control*>(made), nullptr) << widget->name().toStdString();
        EXPECT_EQ(QString::fromLatin1(made->metaObject()->className()), widget->name());
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Masked Input"), QStringLiteral("Numeric Input")}));

    fencontrols::MaskedInput mask(&form);
    EXPECT_EQ(propertyNames(*mask.metaObject()),
              (QStringList{QStringLiteral("Format"), QStringLiteral("PromptChar"),
                           QStringLiteral("AllowSpace"), QStringLiteral("Text")}));
    EXPECT_TRUE(mask.setProperty("Format", QStringLiteral("999")));
    EXPECT_EQ(mask.get(QStringLiteral("Format")), QVariant(QStringLiteral("999")));
    mask.setProperty("PromptChar", QStringLiteral("ab")); // refused: warned, the old one kept
    EXPECT_EQ(mask.property("PromptChar"), QVariant(QStringLiteral("_")));

    fencontrols::NumericInput number(&form);
    for (const char* name : {"IntegerPlaces", "DecimalPlaces", "MinValue", "MaxValue", "Value",
                             "SpinButtons"}) {
        EXPECT_TRUE(propertyNames(*number.metaObject()).contains(QLatin1String(name))) << name;
    }
}

TEST(DesignerPluginTest, AFormWithBothControlsLoadsThroughThePlugin) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(FENCONTROLS_DESIGNER_PLUGIN_DIR));
    EXPECT_TRUE(loader.availableWidgets().contains(QStringLiteral("fencontrols::MaskedInput")));
    QFile file(QStringLiteral(ORDER_FORM_UI));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(loader.load(&file));
    ASSERT_NE(form, nullptr) << loader.errorString().toStdString();

    auto* phone = form->findChild<fencontrols::MaskedInput*>(QStringLiteral("phone"));
    ASSERT_NE(phone, nullptr);
    EXPECT_EQ(phone->format(), QStringLiteral("(999)999-9999"));
    EXPECT_EQ(phone->promptChar(), QStringLiteral("#"));
    auto* quantity = form->findChild<fencontrols::NumericInput*>(QStringLiteral("quantity"));
    ASSERT_NE(quantity, nullptr);
    EXPECT_EQ(quantity->maxValue(), 999.0);
    EXPECT_EQ(quantity->value(), 12.0);
    EXPECT_TRUE(quantity->spinButtons());
}

} // namespace

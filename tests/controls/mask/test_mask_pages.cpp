// The masked control's property pages: the sample formats, the keyword help, and the
// Format and Lookup pages applying their values.
#include "format_keywords.h"
#include "frame/message_box.h"
#include "frame/ui/property_page.h"
#include "mask/ui/format_page.h"
#include "mask/ui/mask_pages.h"
#include "mask_test_support.h"
#include "sample_formats.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::com;
using namespace tarnwick::mask;
using namespace tarnwick::mask::test;

namespace {

struct ShownMessage {
    QString text;
    QString caption;
    frame::MessageIcon icon;
};

// Records the message boxes shown while it lives.
class MessageRecorder {
public:
    MessageRecorder()
        : m_previous(
              frame::setMessageBoxHook([this](QWidget*, const QString& text, const QString& caption,
                                              frame::MessageIcon icon) {
                  shown.push_back({text, caption, icon});
              })) {}
    ~MessageRecorder() { frame::setMessageBoxHook(m_previous); }

    std::vector<ShownMessage> shown;

private:
    frame::MessageBoxHook m_previous;
};

// A control with a window (so that the engine judges the values) selected on `page`.
struct PageFixture : MaskFixture {
    explicit PageFixture(ComPtr<frame::IPropertyPage> shownPage) : page(std::move(shownPage)) {
        createWindow();
        page->SetObjects({ComPtr<IUnknown>(control->unknown())});
        pageWindow = page->Activate(&frame);
    }
    ~PageFixture() { page->Deactivate(); }

    template <typename Widget> Widget* child(const char* name) {
        return frame.findChild<Widget*>(QLatin1String(name));
    }

    QWidget frame;
    ComPtr<frame::IPropertyPage> page;
    QWidget* pageWindow = nullptr;
    MessageRecorder messages;
};

} // namespace

TEST(SampleFormats, SplitAtQuestionMarksAtMost16UpToAnEmptyRemainder) {
    EXPECT_EQ(
        sampleFormats(QStringLiteral("a?b??c?")),
        (QStringList{QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral("c")}));
    EXPECT_EQ(sampleFormats(QString()), QStringList());
    QStringList many;
    for (int i = 0; i < 20; ++i) {
        many.append(QString::number(i));
    }
    EXPECT_EQ(sampleFormats(many.join(u'?')), many.mid(0, 16));
}

TEST(SampleFormats, TheResourceHoldsTheSixteenSamplesInOrder) {
    EXPECT_EQ(loadResourceString(kSampleFormatsResource, 5), QStringLiteral("&&&&"));
    EXPECT_EQ(loadResourceString(7, 1024), QString());
    const QStringList samples = sampleFormats();
    ASSERT_EQ(samples.size(), 16);
    EXPECT_EQ(samples.front(), QStringLiteral("&&&&&&&&&&"));
    EXPECT_EQ(samples[3], QStringLiteral("99999-9999;;{}"));
    EXPECT_EQ(samples[9], QStringLiteral("99(9999)9999"));
    EXPECT_EQ(samples.back(), QStringLiteral("(999)999-9999;{}"));
}

TEST(FormatKeywords, HelpListsBothGroupsWithTheirOwnKeywords) {
    const QStringList help = formatKeywordHelp();
    const qsizetype dbcs = help.indexOf(QStringLiteral("(DBCS)"));
    ASSERT_EQ(help.front(), QStringLiteral("(SBCS)"));
    ASSERT_GT(dbcs, 0);
    const QStringList sbcsLines = help.mid(1, dbcs - 1);
    const QStringList dbcsLines = help.mid(dbcs + 1);
    EXPECT_EQ(sbcsLines.front(), QStringLiteral("&, &&\tAny Character"));
    EXPECT_EQ(sbcsLines[1], QStringLiteral("?, ??\tAny Character (Reference Lookup Table)"));
    const auto keywords = [](const QStringList& lines) {
        QStringList result;
        for (const QString& line : lines) {
            result.append(line.section(u'\t', 0, 0));
        }
        return result;
    };
    EXPECT_TRUE(keywords(sbcsLines).contains(QStringLiteral("H")));
    EXPECT_FALSE(keywords(sbcsLines).contains(QStringLiteral("Z")));
    EXPECT_TRUE(keywords(dbcsLines).contains(QStringLiteral("Z")));
    EXPECT_TRUE(keywords(dbcsLines).contains(QStringLiteral("J")));
    EXPECT_FALSE(keywords(dbcsLines).contains(QStringLiteral("H")));
}

TEST(FormatPage, ShowsTheFormatSamplesAndExampleAndAppliesIt) {
    PageFixture f(makeObject<FormatPage>(nullptr));
    f.put(u"Format", Variant(QStringLiteral("999-99-9999")));
    f.page->SetObjects({ComPtr<IUnknown>(f.control->unknown())});
    auto* list = f.child<QComboBox>("cboFormat");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentText(), QStringLiteral("999-99-9999"));
    EXPECT_EQ(list->count(), 16);
    EXPECT_EQ(list->lineEdit()->maxLength(), 255);
    EXPECT_EQ(f.child<QWidget>("lblExample")->property("text").toString(),
              QStringLiteral("(999)999-99999;{9};{}"));
    EXPECT_EQ(f.child<QListWidget>("lstKeywords")->count(), formatKeywordHelp().size());

    list->setCurrentIndex(14);
    EXPECT_TRUE(f.page->Apply());
    EXPECT_EQ(f.text(u"Format"), QStringLiteral("(999)999-9999"));
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(FormatPage, RefusedFormatKeepsThePageOpenOnTheSelectedText) {
    PageFixture f(makeObject<FormatPage>(nullptr));
    f.frame.show();
    auto* list = f.child<QComboBox>("cboFormat");
    list->setEditText(QStringLiteral("()-"));
    EXPECT_FALSE(f.page->Apply());
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, QStringLiteral("Invalid property value"));
    EXPECT_EQ(f.messages.shown[0].caption, QStringLiteral("Property Error"));
    EXPECT_EQ(f.messages.shown[0].icon, frame::MessageIcon::Error);
    EXPECT_EQ(list->lineEdit()->selectedText(), QStringLiteral("()-"));
    EXPECT_EQ(f.text(u"Format"), QStringLiteral("&&&&&&&&&&"));
}

TEST(LookupPage, AppliesTheTableThenTheModeAndStopsAtARefusedTable) {
    PageFixture f(makeObject<frame::PropertyPage>(lookupPage(), realApi(), nullptr));
    auto* table = f.child<QLineEdit>("txtLookupTable");
    auto* mode = f.child<QComboBox>("cboLookupMode");
    ASSERT_NE(table, nullptr);
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(table->maxLength(), 255);
    EXPECT_EQ(mode->itemText(2), QStringLiteral("2 - Exclude chars in table"));

    table->setText(QStringLiteral("a-f"));
    mode->setCurrentIndex(1);
    EXPECT_TRUE(f.page->Apply());
    EXPECT_EQ(f.text(u"LookupTable"), QStringLiteral("a-f"));
    EXPECT_EQ(f.get(u"LookupMode").toInt32(), fenLookupOnly);

    table->setText(QStringLiteral("z-a")); // a reversed range
    mode->setCurrentIndex(2);
    EXPECT_FALSE(f.page->Apply());
    EXPECT_EQ(f.text(u"LookupTable"), QStringLiteral("a-f"));
    EXPECT_EQ(f.get(u"LookupMode").toInt32(), fenLookupOnly); // not reached
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].caption, QStringLiteral("Property Error"));
}

TEST(GeneralPage, AnEmptyPromptAppliesAsASpace) {
    PageFixture f(makeObject<frame::PropertyPage>(generalPage(), realApi(), nullptr));
    auto* prompt = f.child<QLineEdit>("txtPromptChar");
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->text(), QStringLiteral("_"));
    prompt->setText(QString());
    EXPECT_TRUE(f.page->Apply());
    EXPECT_EQ(f.text(u"PromptChar"), QStringLiteral(" "));
}

#include "registry/registry_store.h"
#include "shell/ui/frm_about.h"
#include "support/recording_error_reporter.h"
#include "support/scripted_prompter.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace tarnwick;
using namespace tarnwick::registry;

namespace {

const QString kUnavailable =
    QStringLiteral("Tarnwick: System Information Is Unavailable At This Time");

class AboutBox : public ::testing::Test {
protected:
    std::unique_ptr<frmAbout> makeBox(const SupportContacts& contacts = {}) {
        return std::make_unique<frmAbout>(contacts,
                                          AboutBoxServices{m_store, m_prompter, m_errors,
                                                           [this](const QUrl& link) {
                                                               m_opened << link;
                                                               return m_openSucceeds;
                                                           },
                                                           [this](const QString& program) {
                                                               m_started << program;
                                                               return m_startSucceeds;
                                                           }});
    }

    void setString(const QString& key, const QString& name, const QString& text) {
        KeyHandle handle;
        ASSERT_EQ(m_store.createKey(HKEY_LOCAL_MACHINE, key, KEY_ALL_ACCESS, handle),
                  ERROR_SUCCESS);
        ASSERT_EQ(m_store.setValue(handle, name, REG_SZ, singleByteStringData(text)),
                  ERROR_SUCCESS);
    }

    QStringList messages() const {
        QStringList texts;
        for (const test::PromptCall& call : m_prompter.calls)
            texts << call.caption + QStringLiteral(": ") + call.text;
        return texts;
    }

    QTemporaryDir m_dir;
    RegistryStore m_store{m_dir.filePath(QStringLiteral("registry"))};
    test::ScriptedPrompter m_prompter;
    test::RecordingErrorReporter m_errors;
    QList<QUrl> m_opened;
    QStringList m_started;
    bool m_openSucceeds = true;
    bool m_startSucceeds = true;
};

QString textOf(const frmAbout& box, const char* name) {
    if (const auto* label = box.findChild<QLabel*>(QLatin1String(name)))
        return label->text();
    const auto* button = box.findChild<QPushButton*>(QLatin1String(name));
    return button != nullptr ? button->text() : QStringLiteral("<missing>");
}

} // namespace

TEST_F(AboutBox, ShowsTitleVersionLogoAndTheSupportContactsWithTheirLinks) {
    const auto box =
        makeBox({QStringLiteral("+44 1632 960 123"), QStringLiteral("help@site.example"),
                 QStringLiteral("www.site.example/help")});
    EXPECT_EQ(box->windowTitle(), QStringLiteral("About Tarnwick"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$"))
                    .match(textOf(*box, "lblVersion"))
                    .hasMatch());
    EXPECT_EQ(
        textOf(*box, "lblAbout"),
        QStringLiteral("For technical support, contact Corvane Technology:\n+44 1632 960 123"));
    EXPECT_EQ(textOf(*box, "cmdSysInfo"), QStringLiteral("&System Info..."));
    EXPECT_EQ(textOf(*box, "cmdOK"), QStringLiteral("OK"));
    // The logo was drawn: its middle is not transparent.
    const QImage logo = box->findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().toImage();
    ASSERT_FALSE(logo.isNull());
    EXPECT_GT(qAlpha(logo.pixel(logo.width() / 2, logo.height() / 2)), 0);

    const QList<QLabel*> links = box->findChildren<QLabel*>(QStringLiteral("lblLink"));
    ASSERT_EQ(links.size(), 2);
    EXPECT_EQ(links[0]->text(), QStringLiteral("help@site.example"));
    EXPECT_EQ(links[0]->property(frmAbout::kTagProperty),
              QStringLiteral("mailto:help@site.example"));
    // A web address without its scheme still makes a web link.
    EXPECT_EQ(links[1]->text(), QStringLiteral("www.site.example/help"));
    EXPECT_EQ(links[1]->property(frmAbout::kTagProperty),
              QStringLiteral("http://www.site.example/help"));
}

TEST_F(AboutBox, ClickingALinkOpensItsTagAndAFailureIsReported) {
    const auto box = makeBox();
    box->show();
    const QList<QLabel*> links = box->findChildren<QLabel*>(QStringLiteral("lblLink"));
    ASSERT_EQ(links.size(), 2);
    QTest::mouseClick(links[1], Qt::LeftButton);
    EXPECT_EQ(m_opened, QList<QUrl>{QUrl(links[1]->property(frmAbout::kTagProperty).toString())});
    EXPECT_TRUE(m_errors.reports.empty());

    m_openSucceeds = false;
    QTest::mouseClick(links[0], Qt::LeftButton);
    ASSERT_EQ(m_errors.reports.size(), 1u);
    EXPECT_EQ(m_errors.reports[0].friendlyMessage, QStringLiteral("Unable to open link."));
    EXPECT_EQ(m_errors.reports[0].source, QStringLiteral("tarnwick"));
    EXPECT_TRUE(m_errors.reports[0].description.contains(QStringLiteral("mailto:")));
    EXPECT_TRUE(box->isVisible());
}

TEST_F(AboutBox, SystemInfoStartsTheProgramNamedInTheRegistry) {
    setString(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
              QStringLiteral("/usr/bin/sysinfo-tool"));
    const auto box = makeBox();
    box->findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    EXPECT_EQ(m_started, QStringList{QStringLiteral("/usr/bin/sysinfo-tool")});
    EXPECT_TRUE(m_prompter.calls.empty());

    // A program that cannot be started is unavailable too.
    m_startSucceeds = false;
    box->StartSysInfo();
    EXPECT_EQ(messages(), QStringList{kUnavailable});
}

TEST_F(AboutBox, SystemInfoFallsBackToTheProgramInTheToolsFolder) {
    const QString folder = m_dir.filePath(QStringLiteral("tools"));
    QDir().mkpath(folder);
    setString(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
              QStringLiteral("MSINFO"), folder);
    const auto box = makeBox();

    // The folder alone is not enough: the program file must be there.
    box->StartSysInfo();
    EXPECT_TRUE(m_started.isEmpty());
    EXPECT_EQ(messages(), QStringList{kUnavailable});

    QFile program(folder + QStringLiteral("/MSINFO32.EXE"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    box->StartSysInfo();
    EXPECT_EQ(m_started, QStringList{folder + QStringLiteral("/MSINFO32.EXE")});
    EXPECT_EQ(m_prompter.calls.size(), 1u);
}

TEST_F(AboutBox, SystemInfoIsUnavailableWithoutEitherKey) {
    makeBox()->StartSysInfo();
    EXPECT_TRUE(m_started.isEmpty());
    EXPECT_EQ(messages(), QStringList{kUnavailable});
}

TEST_F(AboutBox, Screenshot) {
    const auto box = makeBox();
    box->show();
    QTest::qWait(50);
    const QString folder = QStringLiteral(TARNWICK_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    EXPECT_TRUE(box->grab().save(folder + QStringLiteral("/frmAbout.png")));
}

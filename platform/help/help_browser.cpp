#include "help_browser.h"

#include <QHelpEngineCore>

namespace tarnwick::help {

namespace {
const QString kHelpScheme = QStringLiteral("qthelp");
}

HelpBrowser::HelpBrowser(const QHelpEngineCore& engine, ExternalOpener openExternal,
                         QWidget* parent)
    : QTextBrowser(parent), m_engine(engine), m_openExternal(std::move(openExternal)) {
    // Links are followed here, so that pages of the collection never go to the desktop.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() == kHelpScheme)
        return m_engine.fileData(url);
    return QTextBrowser::loadResource(type, url);
}

void HelpBrowser::followLink(const QUrl& link) {
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (url.scheme() == kHelpScheme)
        setSource(url);
    else if (m_openExternal)
        m_openExternal(url);
}

} // namespace tarnwick::help

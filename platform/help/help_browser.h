#pragma once

#include <QTextBrowser>
#include <functional>

class QHelpEngineCore;

namespace tarnwick::help {

// The page view of the help window: shows the collection's pages (and their style sheet and
// pictures) and follows links between them; links that lead out of the collection (mail,
// web) go to `openExternal`, normally the desktop's default handler.
class HelpBrowser final : public QTextBrowser {
    Q_OBJECT

public:
    using ExternalOpener = std::function<bool(const QUrl&)>;

    HelpBrowser(const QHelpEngineCore& engine, ExternalOpener openExternal, QWidget* parent);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void followLink(const QUrl& link);

    const QHelpEngineCore& m_engine;
    ExternalOpener m_openExternal;
};

} // namespace tarnwick::help

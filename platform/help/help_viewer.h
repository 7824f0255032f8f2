#pragma once

#include "help_browser.h"
#include "help_request.h"
#include "help_window.h"

#include <QString>
#include <QWidget>

namespace tarnwick::help {

// Shows the help collection `collectionFile` as `request` asks: in the help window already
// open on that collection, else in a new one. The window is owned by `owner` (it stays above
// it and closes with it). Answers the window, or nullptr when the file is missing or holds no
// help collection: then nothing opens and nothing is reported. Links that lead out of the
// collection go to `openExternal`, the desktop's default handler unless told otherwise.
HelpWindow* showHelp(QWidget* owner, const QString& collectionFile, const HelpRequest& request,
                     HelpBrowser::ExternalOpener openExternal = {});

} // namespace tarnwick::help

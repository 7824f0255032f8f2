#pragma once

#include <QDateTime>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace tarnwick {

// Texts of the main window that depend on what it shows.

// "Site " and the letter of site entry `entry` (0-3) of an image belonging to `destSL`.
QString siteEntryName(std::uint8_t destSL, std::size_t entry);

// Local options 4-6 are named after site entries 1-3 with " Ovin", options 7 and 8 after
// site entries 1 and 2 with " Brae"; the others keep their fixed captions.
QString localOptionCaption(std::uint8_t destSL, std::size_t option);

// The four grids of the Ovin Labels tab, in the order of a list-bar group's items.
enum class OvinGrid { SiteLabel, ChannelLabels, UnitsLabels, StatusMessages };
inline constexpr std::size_t kOvinGridCount = 4;
// "Site Label", "Chan Label", "Units Label", "Status Msg"
QString ovinItemCaption(OvinGrid grid);
// The group's caption followed by " - Site Label", " - Channel Labels", ...
QString ovinGridCaption(const QString& groupCaption, OvinGrid grid);

// Status-bar panes.
QString siteLetterPaneText(std::uint8_t destSL);
QString firmwarePaneText(std::uint8_t firmware);
QString lastModifiedPaneText(const QDateTime& lastModified);
QString lastSynchronizedPaneText(const QDateTime& lastSynchronized);

// The program's title and the settings file being edited, with Qt's placeholder for the
// unsaved-changes mark.
QString mainWindowTitle(const QString& currentFile);

} // namespace tarnwick

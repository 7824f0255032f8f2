#pragma once

#include "config/site_config.h"
#include "config/vocabulary.h"

#include <QJsonObject>
#include <QString>

#include <cstdint>

namespace tarnwick {

// The decoded configuration for people (text) and for scripts (JSON with stable snake_case
// keys). Site entries are named after the site they show, counted from `destSL`; word codes
// are shown with their vocabulary words.
QJsonObject siteConfigToJson(const SiteConfig& config, std::uint8_t destSL,
                             const Vocabulary& vocabulary);
QString siteConfigToText(const SiteConfig& config, std::uint8_t destSL,
                         const Vocabulary& vocabulary);

} // namespace tarnwick

#pragma once

#include "config/config_fields.h"

#include <QLatin1StringView>

#include <cstddef>
#include <span>

// The kinds of decoded field: how each is shown, echoed as JSON and checked when set.
namespace tarnwick::fields {

template <typename T> using Ref = std::function<T&(SiteConfig&)>;

struct Place {
    QString path;
    QString tab;
    QString caption;
};

ConfigField flag(Place place, Ref<bool> ref);
ConfigField choice(Place place, Ref<std::uint8_t> ref, std::span<const QLatin1StringView> names);
// Highest channel and the rings: any byte value.
ConfigField byteValue(Place place, Ref<std::uint8_t> ref);
// Whole seconds 0-126.
ConfigField alarmDelay(Place place, Ref<int> ref);
// Seconds 0-28 with one decimal.
ConfigField duration(Place place, Ref<double> ref);
// Up to 7 characters of codes 32 to 90.
ConfigField label(Place place, Ref<QString> ref);
// Digits and spaces, up to 16.
ConfigField phoneNumber(Place place, Ref<QString> ref);
// A vocabulary word (text), a code 0-511, or the {"code", "word"} pair of the JSON.
ConfigField word(Place place, Ref<WordCode> ref, std::shared_ptr<const Vocabulary> vocabulary);
// In the channel's decimals: 0-9999, 0-999.9, 0-99.99 or 0-9.999.
ConfigField limit(Place place, std::size_t channel, bool high);
// Moves the point of the channel's limits and keeps their stored values, as the window does.
ConfigField decimalPoint(Place place, std::size_t channel);
ConfigField decimals(Place place, std::size_t channel);
// What the JSON shows for people only; refused when it differs.
ConfigField echo(Place place, std::function<QJsonValue(const SiteConfig&)> json);

} // namespace tarnwick::fields

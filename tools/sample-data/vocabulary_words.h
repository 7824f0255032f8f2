#pragma once

#include <array>

namespace tarnwick::sample {

// The words of the sample vocabulary, in file order: numbers first, then the spelling
// alphabet, then the words of site names, equipment and alarms.
inline constexpr std::array<const char*, 255> kWords{
    "zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
    "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen",
    "eighteen", "nineteen", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty",
    "ninety", "hundred", "thousand", "point", "minus", "percent", "degrees", "feet", "inches",
    "meters", "gallons", "liters", "psi", "volts", "amps", "hertz", "rpm", "seconds", "minutes",
    "hours", "alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel", "india",
    "juliet", "kilo", "lima", "mike", "november", "oscar", "papa", "quebec", "romeo", "sierra",
    "tango", "uniform", "victor", "whiskey", "x-ray", "yankee", "zulu", "north", "south", "east",
    "west", "upper", "lower", "middle", "main", "river", "lake", "creek", "hill", "valley",
    "road", "bridge", "dam", "well", "reservoir", "tower", "plant", "station", "site", "unit",
    "channel", "port", "pump", "motor", "valve", "gate", "tank", "basin", "pipe", "line",
    "meter", "sensor", "switch", "breaker", "relay", "generator", "battery", "charger",
    "heater", "fan", "compressor", "blower", "mixer", "screen", "filter", "clarifier",
    "digester", "lift", "booster", "intake", "outfall", "discharge", "suction", "inlet",
    "outlet", "overflow", "bypass", "level", "pressure", "flow", "temperature", "speed",
    "current", "voltage", "power", "chlorine", "turbidity", "oxygen", "rain", "wind", "door",
    "intrusion", "smoke", "fire", "flood", "water", "wet", "dry", "alarm", "warning", "fault",
    "failure", "fail", "trip", "tripped", "high", "low", "very", "normal", "abnormal", "ok",
    "on", "off", "open", "opened", "closed", "close", "running", "stopped", "start", "stop",
    "auto", "manual", "hand", "local", "remote", "standby", "lead", "lag", "ready", "reset",
    "restored", "lost", "loss", "communication", "commercial", "emergency", "backup",
    "primary", "secondary", "number", "is", "are", "at", "the", "of", "and", "in", "out", "to",
    "from", "please", "call", "operator", "hello", "this", "calling", "message", "acknowledge",
    "press", "enter", "code", "goodbye", "status", "all", "clear", "check", "test", "mode",
    "maintenance", "service", "control", "system", "phase", "rising", "falling", "limit",
    "setpoint", "timer", "counter", "total", "average", "peak", "day", "night", "week", "month",
    "year", "today", "hour", "minute", "second", "first", "last", "next", "previous", "again",
    "help", "panel",
};

} // namespace tarnwick::sample

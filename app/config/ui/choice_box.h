#pragma once

#include <QLatin1StringView>
#include <cstdint>
#include <span>

class QComboBox;
class QWidget;

namespace tarnwick {

// A drop-down list of fixed choices, the item at index i standing for list index i.
QComboBox* makeChoiceBox(std::span<const QLatin1StringView> choices, const char* objectName,
                         QWidget* parent);

// Shows list index `index`; one the list does not have leaves the box blank.
void showChoice(QComboBox& box, std::uint8_t index);

// Writes the chosen list index into `field`. A blank box leaves the field as it was, so that
// a stored index the list does not know travels back unchanged.
void takeChoice(const QComboBox& box, std::uint8_t& field);

} // namespace tarnwick

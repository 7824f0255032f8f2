#include "choice_box.h"

#include <QComboBox>

namespace tarnwick {

QComboBox* makeChoiceBox(std::span<const QLatin1StringView> choices, const char* objectName,
                         QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(objectName));
    for (const QLatin1StringView choice : choices)
        box->addItem(choice);
    return box;
}

void showChoice(QComboBox& box, std::uint8_t index) {
    box.setCurrentIndex(index < box.count() ? index : -1);
}

void takeChoice(const QComboBox& box, std::uint8_t& field) {
    if (box.currentIndex() >= 0)
        field = static_cast<std::uint8_t>(box.currentIndex());
}

} // namespace tarnwick

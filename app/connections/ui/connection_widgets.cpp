#include "connection_widgets.h"

#include "connections/site_letters.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cstdint>

namespace tarnwick {

namespace {
constexpr int kButtonWidth = 88;
constexpr int kSiteLetterListWidth = 64;
constexpr std::uint8_t kSiteCount = 4;
} // namespace

QLabel* makeNamedLabel(const QString& text, const QString& objectName) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeNamedButton(const QString& text, const QString& objectName) {
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    button->setMinimumWidth(kButtonWidth);
    return button;
}

QComboBox* makeSiteLetterList(const QString& objectName) {
    auto* list = new QComboBox;
    list->setObjectName(objectName);
    list->setFixedWidth(kSiteLetterListWidth);
    return list;
}

void fillSiteLetters(QComboBox& list) {
    for (std::uint8_t index = 0; index < kSiteCount; ++index) {
        list.addItem(IndexToSiteLetter(index));
    }
    list.setCurrentIndex(-1);
}

QString chosenText(const QComboBox& list) {
    return list.currentIndex() < 0 ? QString() : list.currentText();
}

} // namespace tarnwick

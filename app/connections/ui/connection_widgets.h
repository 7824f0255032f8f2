#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

namespace tarnwick {

// Small pieces both connection windows are built from.

// A plain-text label with its object name.
QLabel* makeNamedLabel(const QString& text, const QString& objectName = {});
// A push button of the windows' common width.
QPushButton* makeNamedButton(const QString& text, const QString& objectName);
// A drop-down list (no free text) of site letters, empty until filled, sized for one letter.
QComboBox* makeSiteLetterList(const QString& objectName);
// Adds "A", "B", "C" and "D" and leaves no letter chosen.
void fillSiteLetters(QComboBox& list);
// The chosen item's text, empty while none is chosen.
QString chosenText(const QComboBox& list);

} // namespace tarnwick

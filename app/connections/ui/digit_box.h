#pragma once

#include <QLineEdit>
#include <memory>

class QStyle;

namespace tarnwick {

// A text box that admits digits only, at most `maxLength` of them (typed or pasted); a masked
// box shows each digit as "*".
class DigitBox final : public QLineEdit {
    Q_OBJECT

public:
    DigitBox(int maxLength, bool masked, QWidget* parent = nullptr);
    ~DigitBox() override;

private:
    std::unique_ptr<QStyle> m_maskStyle;
};

} // namespace tarnwick

#include "digit_box.h"

#include <QProxyStyle>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace tarnwick {

namespace {
// The program's style, with "*" for each hidden character.
class StarMaskStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) {
            return u'*';
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
} // namespace

DigitBox::DigitBox(int maxLength, bool masked, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(maxLength);
    // Plain ASCII digits: other scripts' digits would not survive the single-byte files.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    if (masked) {
        m_maskStyle = std::make_unique<StarMaskStyle>();
        setStyle(m_maskStyle.get());
        setEchoMode(QLineEdit::Password);
    }
}

DigitBox::~DigitBox() {
    // Back to the application's style before the box's own one goes.
    if (m_maskStyle) {
        setStyle(nullptr);
    }
}

} // namespace tarnwick

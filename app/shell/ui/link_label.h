#pragma once

#include <QLabel>

namespace tarnwick {

// A label that looks and acts like a link: underlined in the link colour, a pointing hand
// over it, and `clicked` on a left click or on the space key when it has the focus.
class LinkLabel final : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tarnwick

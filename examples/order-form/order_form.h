#pragma once

#include <fencontrols/fencontrols.h>

#include <QLabel>
#include <QWidget>

// A phone number in a masked field and a quantity in a numeric field with spin buttons; the
// line below them follows every change the fields report.
class OrderForm : public QWidget {
    Q_OBJECT

public:
    explicit OrderForm(QWidget* parent = nullptr);

    fencontrols::Control* phone() const { return m_phone; }
    fencontrols::Control* quantity() const { return m_quantity; }
    QString summary() const;

private:
    void showSummary();

    fencontrols::Control* m_phone;
    fencontrols::Control* m_quantity;
    QLabel* m_summary;
};

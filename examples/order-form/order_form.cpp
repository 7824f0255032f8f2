#include "order_form.h"

#include <QFormLayout>

OrderForm::OrderForm(QWidget* parent)
    : QWidget(parent),
      m_phone(new fencontrols::Control(QStringLiteral("Holm.Mask6"), this)),
      m_quantity(new fencontrols::Control(QStringLiteral("Holm.NumLite6"), this)),
      m_summary(new QLabel(this)) {
    m_phone->set(QStringLiteral("Format"), QStringLiteral("(999)999-9999"));

    // Whole numbers from 0 to 999, with spin buttons.
    m_quantity->set(QStringLiteral("IntegerPlaces"), 3);
    m_quantity->set(QStringLiteral("DecimalPlaces"), 0);
    m_quantity->set(QStringLiteral("MinValue"), 0);
    m_quantity->set(QStringLiteral("MaxValue"), 999);
    m_quantity->set(QStringLiteral("Spin.Visible"), 1);

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Phone:"), m_phone);
    layout->addRow(QStringLiteral("&Quantity:"), m_quantity);
    layout->addRow(m_summary);

    for (fencontrols::Control* field : {m_phone, m_quantity}) {
        connect(field, &fencontrols::Control::controlEvent, this,
                [this](const QString& event, const QVariantList&) {
                    if (event == QLatin1String("Change")) {
                        showSummary();
                    }
                });
    }
    showSummary();
}

QString OrderForm::summary() const {
    return QStringLiteral("Phone: %1  Quantity: %2")
        .arg(m_phone->get(QStringLiteral("Text")).toString(),
             m_quantity->get(QStringLiteral("Value")).toString());
}

void OrderForm::showSummary() {
    m_summary->setText(summary());
}

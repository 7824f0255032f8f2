#include "input_plugins.h"

#include <fencontrols/masked_input.h>
#include <fencontrols/numeric_input.h>

#include <QIcon>
#include <QLabel>

namespace fencontrols::designer {

InputPlugin::InputPlugin(QString className, QString displayName, QString header,
                         QString toolTip, Factory factory, QObject* parent)
    : QObject(parent), m_className(std::move(className)), m_displayName(std::move(displayName)),
      m_header(std::move(header)), m_toolTip(std::move(toolTip)), m_factory(std::move(factory)) {}

QString InputPlugin::group() const {
    return QStringLiteral("Input Controls");
}

QIcon InputPlugin::icon() const {
    return {};
}

QWidget* InputPlugin::createWidget(QWidget* parent) {
    try {
        return m_factory(parent);
    } catch (const Error& error) {
        // A form still opens when the control libraries are missing; the place says why.
        auto* placeholder = new QLabel(
            QStringLiteral("%1: error %2: %3").arg(m_displayName).arg(error.number()).arg(error.description()),
            parent);
        placeholder->setWordWrap(true);
        return placeholder;
    }
}

QString InputPlugin::domXml() const {
    QString objectName = m_className.section(QLatin1String("::"), -1);
    objectName[0] = objectName[0].toLower();
    return QStringLiteral("<ui language=\"c++\" displayname=\"%1\">"
                          "<widget class=\"%2\" name=\"%3\"/></ui>")
        .arg(m_displayName, m_className, objectName);
}

InputPlugins::InputPlugins(QObject* parent) : QObject(parent) {
    m_widgets.append(new InputPlugin(
        QStringLiteral("fencontrols::MaskedInput"), QStringLiteral("Masked Input"),
        QStringLiteral("fencontrols/masked_input.h"),
        QStringLiteral("Text typed to a pattern such as (999)999-9999"),
        [](QWidget* place) { return new MaskedInput(place); }, this));
    m_widgets.append(new InputPlugin(
        QStringLiteral("fencontrols::NumericInput"), QStringLiteral("Numeric Input"),
        QStringLiteral("fencontrols/numeric_input.h"),
        QStringLiteral("A number within a range, with spin buttons"),
        [](QWidget* place) { return new NumericInput(place); }, this));
}

} // namespace fencontrols::designer

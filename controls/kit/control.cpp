#include "fencontrols/control.h"

#include "com/late_binding.h"
#include "hosted_control.h"
#include "kit_runtime.h"
#include "value_conversion.h"

#include <QStringList>
#include <QVBoxLayout>
#include <vector>

namespace fencontrols {

using namespace tarnwick;

namespace {

const QString kSource = QStringLiteral("fencontrols");

Error kitError(const com::ComError& error) {
    const QString text = error.description().isEmpty()
                             ? com::ComError::standardDescription(error.number())
                             : error.description();
    return Error(error.number(), text, error.source().isEmpty() ? kSource : error.source());
}

// Runs `work`, turning the runtime's errors into the kit's.
template <typename Work> auto translated(Work&& work) {
    try {
        return work();
    } catch (const com::ComError& error) {
        throw kitError(error);
    }
}

// The object that holds the last member of a dotted name, and that member's name.
std::pair<com::ComPtr<com::IDispatch>, QString> memberOwner(com::IDispatch& control,
                                                            const QString& name) {
    const QStringList path = name.split(u'.');
    if (path.contains(QString())) {
        throw Error(com::ErrorNumber::MemberNotSupported,
                    QStringLiteral("\"%1\" is no member name").arg(name), kSource);
    }
    com::ComPtr<com::IDispatch> object(&control);
    for (qsizetype i = 0; i + 1 < path.size(); ++i) {
        const com::Variant held = com::getProperty(*object, path[i]).dereferenced();
        object = held.type() == com::VariantType::Object
                     ? held.toObject().query<com::IDispatch>()
                     : com::ComPtr<com::IDispatch>();
        if (!object) {
            throw Error(com::ErrorNumber::ObjectRequired,
                        QStringLiteral("%1 is no object").arg(path.mid(0, i + 1).join(u'.')),
                        kSource);
        }
    }
    return {object, path.last()};
}

// The widget of the control's window that takes the keyboard (its engine).
QWidget* keyboardWidget(QWidget* window) {
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if ((child->focusPolicy() & Qt::TabFocus) != 0) {
            return child;
        }
    }
    return window;
}

hosting::PersistForm hostingForm(PersistForm form) {
    return form == PersistForm::Stream ? hosting::PersistForm::Stream
                                       : hosting::PersistForm::Bag;
}

} // namespace

Error::Error(long number, const QString& description, const QString& source)
    : std::runtime_error(QStringLiteral("error %1: %2").arg(number).arg(description).toStdString()),
      m_number(number), m_description(description), m_source(source) {}

struct Control::Private {
    std::unique_ptr<hosting::HostedControl> hosted;
};

Control::Control(const QString& progId, QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>()) {
    auto& runtime = kit::KitRuntime::instance();
    hosting::HostingContext context{
        [] { return true; }, runtime.font,
        [this](const QString& event, const QStringList&, std::span<const com::Variant> args) {
            QVariantList values;
            for (const com::Variant& arg : args) {
                values.append(kit::toQVariant(arg));
            }
            emit controlEvent(event, values);
        },
        kSource};
    d->hosted = translated(
        [&] { return hosting::createHostedControl(runtime.loader, progId, progId, this, context); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->hosted->window);
    setFocusProxy(keyboardWidget(d->hosted->window));
    setFocusPolicy(focusProxy()->focusPolicy());
    d->hosted->window->show();
}

Control::~Control() {
    d->hosted.reset(); // the control lets its window go before this widget's children do
}

QString Control::progId() const {
    return d->hosted->progId;
}

QVariant Control::get(const QString& property) const {
    return translated([&] {
        const auto [owner, member] = memberOwner(*d->hosted->dispatch, property);
        return kit::toQVariant(com::getProperty(*owner, member));
    });
}

void Control::set(const QString& property, const QVariant& value) {
    translated([&] {
        const auto [owner, member] = memberOwner(*d->hosted->dispatch, property);
        com::putProperty(*owner, member, kit::toVariant(value));
    });
}

QVariant Control::call(const QString& method, const QVariantList& args) {
    return translated([&] {
        std::vector<com::Variant> values;
        for (const QVariant& arg : args) {
            values.push_back(kit::toVariant(arg));
        }
        const auto [owner, member] = memberOwner(*d->hosted->dispatch, method);
        return kit::toQVariant(com::callMethod(*owner, member, values));
    });
}

QByteArray Control::save(PersistForm form) const {
    return translated([&] { return hosting::saveControl(*d->hosted, hostingForm(form), kSource); });
}

void Control::load(PersistForm form, const QByteArray& bytes) {
    translated([&] { hosting::loadControl(*d->hosted, hostingForm(form), bytes, kSource); });
    updateGeometry();
}

QWidget* Control::controlWindow() const {
    return d->hosted->window;
}

QSize Control::sizeHint() const {
    const QWidget* window = d->hosted->window;
    if (window == nullptr) {
        return QWidget::sizeHint();
    }
    const QSize hint = window->sizeHint();
    return hint.isValid() ? hint : window->size();
}

QSize Control::minimumSizeHint() const {
    return sizeHint();
}

} // namespace fencontrols

#include "host_window.h"

#include "com/com_error.h"
#include "com/registry_script.h"
#include "property_browser.h"
#include "property_frame.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>

namespace tarnwick::fenhost {

using namespace com;

namespace {

// The menu text of a class's verb 0 ("&Properties, 0, 2" names "&Properties").
QString verbText(const registry::RegistryStore& store, const Guid& clsid) {
    const auto verb =
        readClassesRootString(store, QStringLiteral("CLSID\\%1\\Verb\\0").arg(clsid.toString()));
    return verb ? verb->section(u',', 0, 0).trimmed() : QStringLiteral("&Properties");
}

// A new control's name: its ProgID's class part without the version ("FrameTest" from
// "Holm.FrameTest6"), numbered ("FrameTest1"); "Control" for a class identity.
QString baseNameOf(const QString& progId) {
    QString base = progId.startsWith(u'{') ? QString() : progId.section(u'.', 1, 1);
    while (!base.isEmpty() && base.back().isDigit()) {
        base.chop(1);
    }
    return base.isEmpty() ? QStringLiteral("Control") : base;
}

} // namespace

HostWindow::HostWindow(const registry::RegistryStore& store, QWidget* parent)
    : QMainWindow(parent), m_store(store), m_form(new QWidget), m_controls(new QComboBox),
      m_browser(new PropertyBrowser), m_log(new QPlainTextEdit), m_verb(nullptr) {
    setObjectName(QStringLiteral("frmFenHost"));
    setWindowTitle(QStringLiteral("fenhost"));
    m_form->setObjectName(QStringLiteral("frmForm"));
    m_form->setAutoFillBackground(true);
    m_form->setMinimumSize(320, 240);
    m_controls->setObjectName(QStringLiteral("cboControls"));
    m_log->setObjectName(QStringLiteral("txtEventLog"));
    m_log->setReadOnly(true);
    m_browser->onError = [this](const QString& message) { showError(message); };

    auto* side = new QSplitter(Qt::Vertical);
    side->addWidget(m_browser);
    side->addWidget(m_log);
    auto* main = new QSplitter(Qt::Horizontal);
    main->addWidget(m_form);
    main->addWidget(side);
    main->setStretchFactor(0, 3);
    main->setStretchFactor(1, 2);
    main->setSizes({520, 380});
    setCentralWidget(main);

    m_host = std::make_unique<ControlHost>(store, m_form,
                                           [this](const QString& line) { appendLog(line); });
    buildMenus();
    connect(m_controls, &QComboBox::currentIndexChanged, this,
            [this](int index) { select(index); });
}

HostWindow::~HostWindow() {
    m_host.reset(); // the controls go before their form
}

void HostWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QMenu* control = menuBar()->addMenu(QStringLiteral("&Control"));
    QToolBar* toolbar = addToolBar(QStringLiteral("Controls"));
    toolbar->setObjectName(QStringLiteral("tbrControls"));

    QAction* insert = control->addAction(QStringLiteral("&Insert Control..."));
    connect(insert, &QAction::triggered, this, [this] { insertFromDialog(); });
    m_verb = control->addAction(QStringLiteral("&Properties"));
    connect(m_verb, &QAction::triggered, this, [this] { openPropertyPages(); });
    QAction* run = control->addAction(QStringLiteral("&Run Mode"));
    run->setCheckable(true);
    run->setChecked(m_host->userMode());
    connect(run, &QAction::toggled, this, [this](bool on) {
        m_host->setUserMode(on);
        m_browser->refresh();
    });

    const auto persistAction = [&](const char* text, auto slot) {
        QAction* action = file->addAction(QLatin1String(text));
        connect(action, &QAction::triggered, this, slot);
    };
    persistAction("Save &Stream...", [this] { saveSelected(PersistForm::Stream); });
    persistAction("Save Property &Bag...", [this] { saveSelected(PersistForm::Bag); });
    persistAction("&Load Stream...", [this] { loadSelected(PersistForm::Stream); });
    persistAction("Load Property B&ag...", [this] { loadSelected(PersistForm::Bag); });
    file->addSeparator();
    connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, this, &QWidget::close);

    toolbar->addAction(insert);
    toolbar->addWidget(m_controls);
    toolbar->addAction(m_verb);
    toolbar->addAction(run);
}

template <typename Action> void HostWindow::guarded(Action&& action) {
    try {
        action();
    } catch (const ComError& error) {
        showError(QStringLiteral("error %1: %2").arg(error.number()).arg(error.description()));
    }
}

HostedControl& HostWindow::insertControl(const QString& progId) {
    const QString base = baseNameOf(progId);
    int number = 1;
    for (const auto& hosted : m_host->controls()) {
        if (hosted->name.startsWith(base, Qt::CaseInsensitive)) {
            ++number;
        }
    }
    HostedControl& created = m_host->create(progId, base + QString::number(number));
    m_controls->addItem(created.name);
    m_controls->setCurrentIndex(m_controls->count() - 1);
    return created;
}

HostedControl* HostWindow::selectedControl() {
    const int index = m_controls->currentIndex();
    return index >= 0 ? m_host->controls()[static_cast<std::size_t>(index)].get() : nullptr;
}

void HostWindow::select(int index) {
    HostedControl* control =
        index >= 0 ? m_host->controls()[static_cast<std::size_t>(index)].get() : nullptr;
    m_browser->showControl(control != nullptr ? control->dispatch.get() : nullptr);
    m_verb->setText(control != nullptr ? verbText(m_store, control->clsid)
                                       : QStringLiteral("&Properties"));
}

void HostWindow::appendLog(const QString& line) {
    m_log->appendPlainText(line);
}

void HostWindow::showError(const QString& message) {
    QMessageBox::warning(this, windowTitle(), message);
}

void HostWindow::insertFromDialog() {
    bool ok = false;
    const QString progId = QInputDialog::getText(this, QStringLiteral("Insert Control"),
                                                 QStringLiteral("ProgID or class identity:"),
                                                 QLineEdit::Normal, {}, &ok);
    if (ok && !progId.trimmed().isEmpty()) {
        guarded([&] { insertControl(progId.trimmed()); });
    }
}

std::unique_ptr<PropertyFrame> HostWindow::propertyPages() {
    HostedControl* control = selectedControl();
    if (control == nullptr) {
        return nullptr;
    }
    return std::make_unique<PropertyFrame>(*m_host, *control, this);
}

void HostWindow::openPropertyPages() {
    guarded([&] {
        if (const auto frame = propertyPages()) {
            frame->exec();
            m_browser->refresh();
        }
    });
}

void HostWindow::saveSelected(PersistForm form) {
    HostedControl* control = selectedControl();
    if (control == nullptr) {
        return;
    }
    const QString file =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save %1").arg(control->name));
    if (!file.isEmpty()) {
        guarded([&] { m_host->save(*control, form, file); });
    }
}

void HostWindow::loadSelected(PersistForm form) {
    HostedControl* control = selectedControl();
    if (control == nullptr) {
        return;
    }
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Load %1").arg(control->name));
    if (!file.isEmpty()) {
        guarded([&] { m_host->load(*control, form, file); });
        m_browser->refresh();
    }
}

} // namespace tarnwick::fenhost

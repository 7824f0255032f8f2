// OLE drag and drop of the control window: starting a drag (manual or automatic), the drop
// events of a manual target and the automatic drop of plain text.
#include "auto_drop.h"
#include "clipboard_formats.h"
#include "common_dispids.h"
#include "control_window.h"
#include "data_object.h"
#include "drag_mime_data.h"
#include "fenbase6/engine_text_codec.h"
#include "fenbase6/virtual_keys.h"
#include "input_control.h"

#include <QDrag>
#include <QDropEvent>
#include <array>

namespace tarnwick::frame {

using namespace com;
using namespace fenbase6;

namespace {

std::int32_t effectOf(Qt::DropAction action) {
    switch (action) {
    case Qt::CopyAction:
        return DropEffect::Copy;
    case Qt::MoveAction:
    case Qt::TargetMoveAction:
        return DropEffect::Move;
    default:
        return DropEffect::None;
    }
}

std::int32_t effectsOf(Qt::DropActions actions) {
    return (actions.testFlag(Qt::CopyAction) ? DropEffect::Copy : 0) |
           (actions.testFlag(Qt::MoveAction) ? DropEffect::Move : 0);
}

Qt::DropActions actionsOf(std::int32_t effects) {
    Qt::DropActions actions;
    actions.setFlag(Qt::CopyAction, (effects & DropEffect::Copy) != 0);
    actions.setFlag(Qt::MoveAction, (effects & DropEffect::Move) != 0);
    return actions;
}

Qt::DropAction actionOf(std::int32_t effect) {
    if ((effect & DropEffect::Move) != 0) {
        return Qt::MoveAction;
    }
    return (effect & DropEffect::Copy) != 0 ? Qt::CopyAction : Qt::IgnoreAction;
}

std::int16_t buttonArgument(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
                                     (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
                                     (buttons.testFlag(Qt::MiddleButton) ? 4 : 0));
}

} // namespace

void ControlWindow::startOleDrag(bool automatic) {
    const ComPtr<DataObject> dragged = DataObject::writable(m_control.libraryModule());
    if (automatic) {
        const QString text = selectedText();
        if (text.isEmpty()) {
            return;
        }
        dragged->setData(Variant(text), ClipboardFormat::Text);
    }
    Variant allowed(m_control.settings().readOnly ? DropEffect::Copy
                                                  : DropEffect::Copy | DropEffect::Move);
    const Variant dataArgument(dragged->unknown());
    m_control.fireEvent(CommonEventIds::OLEStartDrag,
                        std::array{dataArgument, Variant::reference(allowed)});
    const std::int32_t effects = allowed.toInt32() & (DropEffect::Copy | DropEffect::Move);
    if (effects == DropEffect::None || (dragged->entries().empty() && dragged->files().isEmpty())) {
        return;
    }

    auto* drag = new QDrag(m_engine->widget());
    drag->setMimeData(new DragMimeData(dragged, [this, dataArgument](std::int16_t format) {
        Variant requested(format);
        m_control.fireEvent(CommonEventIds::OLESetData,
                            std::array{dataArgument, Variant::reference(requested)});
    }));
    connect(drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
        Variant effect(effectOf(action));
        Variant defaultCursors(true);
        m_control.fireEvent(
            CommonEventIds::OLEGiveFeedback,
            std::array{Variant::reference(effect), Variant::reference(defaultCursors)});
    });
    m_dragging = true;
    m_droppedOnSelf = false;
    const Qt::DropAction result = drag->exec(actionsOf(effects), actionOf(effects));
    m_dragging = false;
    // Moved into another place: the text leaves this control (a move within it is done).
    if (automatic && result == Qt::MoveAction && !m_droppedOnSelf &&
        !m_control.settings().readOnly) {
        m_control.engine().send(Msg::Clear);
    }
    Variant effect(effectOf(result));
    m_control.fireEvent(CommonEventIds::OLECompleteDrag, std::array{Variant::reference(effect)});
}

bool ControlWindow::engineDragEvent(QEvent* event) {
    const std::int16_t mode = m_control.settings().oleDropMode;
    if (mode == fenOLEDropNone) {
        return false;
    }
    if (event->type() == QEvent::DragLeave) {
        if (mode == fenOLEDropManual && m_dragData) {
            manualDragOver(nullptr, fenLeave);
        }
        m_dragData.reset();
        return true;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    if (mode == fenOLEDropAutomatic) {
        if (!drop->mimeData()->hasText()) {
            drop->ignore();
        } else if (event->type() == QEvent::Drop) {
            automaticDrop(drop);
        } else {
            const bool copy = drop->modifiers().testFlag(Qt::ControlModifier);
            drop->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
            drop->accept();
        }
        return true;
    }
    if (event->type() == QEvent::DragEnter) {
        m_dragData =
            DataObject::readOnlyView(*drop->mimeData(), m_control.libraryModule())->unknown();
    }
    if (event->type() == QEvent::Drop) {
        manualDrop(drop);
        m_dragData.reset();
    } else {
        manualDragOver(drop, event->type() == QEvent::DragEnter ? fenEnter : fenOver);
    }
    return true;
}

void ControlWindow::manualDragOver(QDropEvent* event, std::int16_t state) {
    const QPoint point = event != nullptr ? event->position().toPoint() : QPoint();
    const QPointF where = m_control.containerPoint(windowPoint(point));
    const std::int32_t allowed =
        event != nullptr ? effectsOf(event->possibleActions()) : DropEffect::None;
    Variant effect(allowed);
    m_control.fireEvent(
        CommonEventIds::OLEDragOver,
        std::array{Variant(m_dragData), Variant::reference(effect),
                   Variant(event != nullptr ? buttonArgument(event->buttons()) : std::int16_t{0}),
                   Variant(static_cast<std::int16_t>(VirtualKey::shiftStateFromQt(
                       event != nullptr ? event->modifiers() : Qt::NoModifier))),
                   Variant(where.x()), Variant(where.y()), Variant(state)});
    if (event == nullptr) {
        return;
    }
    const Qt::DropAction action = actionOf(effect.toInt32() & allowed);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void ControlWindow::manualDrop(QDropEvent* event) {
    const QPointF where = m_control.containerPoint(windowPoint(event->position()));
    const std::int32_t allowed = effectsOf(event->possibleActions());
    Variant effect(allowed);
    m_control.fireEvent(CommonEventIds::OLEDragDrop,
                        std::array{Variant(m_dragData), Variant::reference(effect),
                                   Variant(buttonArgument(event->buttons())),
                                   Variant(static_cast<std::int16_t>(
                                       VirtualKey::shiftStateFromQt(event->modifiers()))),
                                   Variant(where.x()), Variant(where.y())});
    const Qt::DropAction action = actionOf(effect.toInt32() & allowed);
    if (action == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(action);
    event->accept();
}

void ControlWindow::automaticDrop(QDropEvent* event) {
    const QPoint point = event->position().toPoint();
    const auto selection = static_cast<std::uintptr_t>(m_control.engine().send(Msg::GetSel));
    DropSituation situation;
    situation.fromThisControl = m_dragging;
    situation.position = static_cast<int>(m_control.engine().send(
        Msg::CharFromPos, 0,
        static_cast<LongParam>(makePair(static_cast<std::uint16_t>(point.x()),
                                        static_cast<std::uint16_t>(point.y())))));
    situation.selectionStart = lowWord(selection);
    situation.selectionEnd = highWord(selection);
    situation.controlKey = event->modifiers().testFlag(Qt::ControlModifier);
    situation.allowedEffects = effectsOf(event->possibleActions());

    const DropPlan plan = planAutomaticDrop(situation);
    if (plan.restoreCaret) {
        m_control.engine().send(Msg::SetSelStart, static_cast<WordParam>(situation.selectionStart));
        m_control.engine().send(
            Msg::SetSelLength,
            static_cast<WordParam>(situation.selectionEnd - situation.selectionStart));
    }
    if (plan.message != 0) {
        const QByteArray text =
            fenbase6::EngineText::encode(event->mimeData()->text()).value_or(QByteArray());
        m_control.engine().send(plan.message, static_cast<WordParam>(situation.position),
                                reinterpret_cast<LongParam>(text.constData()));
    }
    m_droppedOnSelf = m_dragging;
    if (plan.effect == DropEffect::None) {
        event->ignore();
    } else {
        event->setDropAction(actionOf(plan.effect));
        event->accept();
    }
    if (!m_engine->widget()->hasFocus()) {
        m_engine->widget()->window()->activateWindow();
        m_engine->widget()->setFocus();
    }
}

} // namespace tarnwick::frame

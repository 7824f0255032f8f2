#pragma once

#include "change_subscription.h"
#include "com/ambient.h"
#include "com/connection_point.h"
#include "com/event_source.h"
#include "com/persist.h"
#include "com/persist_header.h"
#include "com/property_notify.h"
#include "com/type_info.h"
#include "common_settings.h"
#include "control_interfaces.h"
#include "engine_link.h"
#include "fenbase6/fenbase6_api.h"

#include <QCursor>
#include <QPointer>
#include <QString>
#include <any>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QThread;

namespace tarnwick::frame {

class ControlWindow;
class PropertyArchive;

// What a control class tells the frame about itself.
struct ControlClassDescription {
    com::ClassInfo classInfo; // identity, name, member table and events table
    QString source;           // raiser named in its automation errors (the ProgID)
    QString windowClassName;  // its own window class ("MaskEdit")
    EngineProfile engine;     // its engine class and the messages that differ
    std::int16_t defaultAlignHorizontal = fenAlignHLeft;
    std::uint32_t keyActionMask = 0; // the control-specific key actions it enables
    QString version;                 // the library's file version, "%d.%d.%d.%d"
    std::int32_t persistVersion = 0; // `_Version` of its saved data
    std::vector<com::Guid> propertyPages;
    QString aboutText; // what its About box says
};

// The frame of an input control: the common properties with their rules and engine messages,
// property-change signalling, the Caption, Key and Font objects, events, persistence helpers,
// the control's window and drawing, and the property pages it names. A control class derives
// from it and adds its own members through the hooks below.
//
// Objects stay on the thread that created them: a call from another thread is refused.
class InputControl
    : public com::ComObject<com::IDispatch, com::IConnectionPointContainer, com::IPersistStreamInit,
                            com::IPersistPropertyBag, com::IProvideClassInfo, com::IEmbeddedObject,
                            IControlView, ISpecifyPropertyPages>,
      private fenbase6::FenEngineListener {
public:
    // ---- COM interfaces ----
    com::HRESULT QueryInterface(const com::Guid& iid, void** object) override;

    const com::TypeInfo& GetTypeInfo() const override {
        return *m_class.classInfo.defaultInterface;
    }
    com::Variant Invoke(com::DispId id, com::InvokeKind how,
                        std::span<const com::Variant> args) override;

    std::vector<com::ComPtr<com::IConnectionPoint>> EnumConnectionPoints() const override;
    com::HRESULT FindConnectionPoint(const com::Guid& iid, com::IConnectionPoint** point) override;

    com::Guid GetClassID() const override { return m_class.classInfo.clsid; }
    bool IsDirty() const override { return m_notifier.isDirty(); }
    void InitNew() override;
    void Load(com::IStream& stream) override;
    void Save(com::IStream& stream, bool clearDirty) override;
    void Load(com::IPropertyBag& bag) override;
    void Save(com::IPropertyBag& bag, bool clearDirty, bool saveAllProperties) override;

    const com::ClassInfo& GetClassInfo() const override { return m_class.classInfo; }

    void SetClientSite(com::IControlSite* site) override { m_site = site; }
    com::ComPtr<com::IControlSite> GetClientSite() const override { return m_site; }
    void OnAmbientPropertyChange(com::DispId id) override;

    QWidget* CreateControlWindow(QWidget* parent) override;
    void DestroyControlWindow() override;
    QWidget* GetControlWindow() const override;
    void Draw(QPainter& painter, const QRect& bounds, DrawTarget target) override;
    QSize GetExtent() const override;
    void SetExtent(const QSize& himetric) override;

    std::vector<com::Guid> GetPages() const override { return m_class.propertyPages; }

    // ---- What the control's window reports (ControlWindow) ----
    // Each answers whether the frame consumed the input, so that the engine does not see it.
    bool keyDown(std::int32_t& keyCode, std::int32_t shift, bool leftButtonDown);
    bool keyPress(std::int32_t& keyAscii);
    void keyUp(std::int32_t keyCode, std::int32_t shift);
    // A mouse event (CommonEventIds) at `pixel` of the control's window.
    void mouseEvent(com::DispId event, std::int32_t button, std::int32_t shift,
                    const QPoint& pixel);
    // The engine lost the focus (the numeric control fires its pending KeyExit then).
    virtual void focusLost() {}
    void windowResized(const QSize& pixels);
    void windowDestroyed();

    // ---- Shared with the window and the control classes ----
    const ControlClassDescription& classDescription() const { return m_class; }
    const CommonSettings& settings() const { return m_settings; }
    const EngineLink& engine() const { return m_engine; }
    com::IUnknown* caption() const { return m_caption.get(); }
    com::IUnknown* keys() const { return m_key.get(); }
    // The module counting the library's objects (for objects the window makes).
    com::ComModule* libraryModule() const { return module(); }
    bool userMode() const { return com::AmbientProperties(m_site.get()).userMode(); }
    // A point of the control's window in the container's coordinates (mouse events).
    QPointF containerPoint(const QPoint& pixel) const;
    void fireEvent(com::DispId id, std::span<const com::Variant> args = {});

protected:
    InputControl(const ControlClassDescription& description, const fenbase6::FenBase6Api& api,
                 com::ComModule* module);
    ~InputControl() override;

    const fenbase6::FenBase6Api& api() const { return m_api; }
    void propertyChanged(com::DispId id) { m_notifier.changed(id); }
    // Error 394 while the host is designing (run-time-only members).
    void requireRunTime() const;

    // ---- Hooks of the control class ----
    // Its own members: none answers nothing (the frame's common members follow).
    virtual std::optional<com::Variant> getOwn(com::DispId id);
    virtual bool putOwn(com::DispId id, const com::Variant& value);
    virtual std::optional<com::Variant> callOwn(com::DispId id, std::span<const com::Variant> args);
    // A new control's own defaults (the host's ambient values are readable).
    virtual void initNewOwn() {}
    // Its saved properties, header first, in its own order (persist... helpers below).
    virtual void persist(PropertyArchive& archive) = 0;
    // Its own settings replayed into an engine after the common ones; answers false when the
    // engine refused one of the settings it must accept (a load checks that).
    virtual bool replayOwn(const EngineLink& link) {
        static_cast<void>(link);
        return true;
    }
    // Its own stored values, taken before a load and given back when the load fails.
    virtual std::any ownState() { return {}; }
    virtual void restoreOwnState(const std::any& state) { static_cast<void>(state); }
    // A key (virtual-key code and shift state) bound to `action` (fenbase6::KeyAction);
    // answers whether the key is consumed.
    virtual bool keyAction(std::int32_t action, std::int32_t keyCode, std::int32_t shift,
                           bool leftButtonDown);
    // `Enabled` was put (the numeric control's spin buttons follow it); the replay leaves
    // such settings to replayOwn, in the control's own order.
    virtual void enabledChanged(const EngineLink& link) { static_cast<void>(link); }
    // Error 380 unless the control's own loaded values obey their put rules.
    virtual void validateLoaded() const {}
    // A notification of the engine the frame does not handle itself.
    virtual void engineNotification(std::uint16_t code, fenbase6::LongParam param);

    // ---- Persistence helpers for persist() ----
    void persistHeader(PropertyArchive& archive);
    // A common property by its saved name: "Caption", "Font", "Keys", "MouseIcon", or any
    // common value property ("AlignHorizontal", "BackColor", ...).
    void persistCommon(PropertyArchive& archive, const QString& name);

    // Runs `ask` against the control's engine; without a window, against a hidden engine of
    // the same class with every stored setting replayed, so that the answers agree.
    void withEngine(const std::function<void(const EngineLink&)>& ask);

private:
    friend class ControlWindow;

    void engineCommand(fenbase6::WordParam word, fenbase6::LongParam param) override;

    com::Variant getCommon(com::DispId id) const;
    void putCommon(com::DispId id, const com::Variant& value);
    void putObject(com::DispId id, const com::Variant& value);
    com::Variant callCommon(com::DispId id);

    // What a load may change, kept to put back when it fails.
    struct Snapshot {
        CommonSettings settings;
        com::PersistHeader header;
        com::ComPtr<com::IUnknown> caption;
        com::ComPtr<com::IUnknown> key;
        com::ComPtr<com::IUnknown> font;
        com::ComPtr<com::IUnknown> mouseIcon;
        std::any own;
        bool dirty = false;
    };
    Snapshot snapshot();
    // Puts the values back; `replay` gives them to the window's engine again as well.
    void restore(const Snapshot& before, bool replay);

    // The replay at window creation (and into a drawing engine); false when the engine
    // refused a setting it must accept.
    bool replaySettings(const EngineLink& link, QWidget* window);
    // A hidden engine window of the control's class attached to `link`, every setting
    // replayed; `accepted` tells whether the replay went through without a refusal.
    std::unique_ptr<QWidget> hiddenEngine(EngineLink& link, bool* accepted = nullptr);
    void sendFont(const EngineLink& link) const;
    void sendForeColor(const EngineLink& link) const;
    void sendEditMode(const EngineLink& link) const;
    void sendMousePointer(const EngineLink& link) const;
    void sendMargin(com::DispId id, std::int16_t value);
    void setEnabled(bool enabled);
    void setMouseIcon(const com::ComPtr<com::IUnknown>& icon);
    void updateDropTarget() const;
    void updateDesignMode() const;

    com::PersistHeader defaultHeader() const;
    com::ComPtr<com::IUnknown> newFont(com::IUnknown* model) const;
    void connectNestedObjects();
    com::ObjectCreator creatorFor(const com::Guid& expectedClass) const;
    com::ComPtr<com::IUnknown> newSharedObject(const com::Guid& clsid) const;
    void load(PropertyArchive& archive);
    void save(PropertyArchive& archive, bool clearDirty);

    void drawWithoutWindow(QPainter& painter, const QRect& bounds, DrawTarget target);
    void checkThread() const;

    const ControlClassDescription& m_class;
    const fenbase6::FenBase6Api& m_api;
    QThread* const m_thread;

    CommonSettings m_settings;
    com::PersistHeader m_header;
    com::ComPtr<com::IUnknown> m_caption;
    com::ComPtr<com::IUnknown> m_key;
    com::ComPtr<com::IUnknown> m_font;
    com::ComPtr<com::IUnknown> m_mouseIcon;
    std::unique_ptr<QCursor> m_mouseCursor;
    ChangeSubscription m_captionChanges;
    ChangeSubscription m_fontChanges;

    com::ComPtr<com::IControlSite> m_site;
    com::EventSource m_events;
    com::PropertyNotifier m_notifier;
    com::ConnectionPointList m_points;

    EngineLink m_engine;
    QPointer<ControlWindow> m_window;
    std::int32_t m_windowHandle = 0;
};

} // namespace tarnwick::frame

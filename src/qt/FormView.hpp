// The Qt window of one platform::Form: a menu bar, and below it the client area holding one
// widget per control at the model's geometry. It observes the form and keeps the widgets in
// step; the person's actions go to the model through the bindings.
#pragma once

#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/Form.hpp"
#include "qt/ControlBinding.hpp"

namespace qtfront {

class MenuMirror;

class FormView : public QWidget, public platform::FormObserver {
    Q_OBJECT
public:
    explicit FormView(platform::Form& form, QWidget* parent = nullptr);
    ~FormView() override;

    // The form; only while Attached().
    platform::Form& Model() const { return *form_; }
    bool Attached() const { return form_ != nullptr; }
    // Stops observing the form and disposes the bindings: afterwards nothing touches the
    // model (it may be destroyed).
    void Detach();

    QWidget* ClientArea() const { return client_; }
    QMenuBar* MenuBarWidget() const { return menuBar_; }
    ControlBinding* BindingFor(const platform::Control& control) const;
    QWidget* WidgetFor(const platform::Control& control) const;
    QAction* ActionFor(const platform::MenuItem& item) const;

    // Copies the form's caption, geometry, limits and colours to the window.
    void SyncForm();
    // Reports the window's size to the form when it differs from what the form holds.
    void ReportSize();
    // Reports the window's position to the form when it differs from what the form holds.
    void ReportPosition();
    // Shows the window at the form's outer size (the frame is known only once shown) and
    // reports the resulting client size when the event loop is back.
    void ShowWindow();

    void ControlChanged(platform::Control& control, platform::Prop what) override;
    void FormChanged(platform::Form& form, platform::Prop what) override;
    void MenuChanged(platform::Form& form) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* HostFor(platform::Container& container) const;
    void Reconcile(platform::Container& container);
    void Restack(platform::Container& container);
    void Bind(platform::Control& control, QWidget* host);
    QSize FrameExtra() const;

    platform::Form* form_;
    QMenuBar* menuBar_;
    QWidget* client_;
    std::unique_ptr<MenuMirror> menus_;
    std::unordered_map<const platform::Control*, QPointer<ControlBinding>> bindings_;
    // Each bound control's containing control (null: the client area), compared as pointers
    // only, so controls that left the form can be found after they are gone.
    std::unordered_map<const platform::Control*, const platform::Control*> parentOf_;
    bool syncingForm_ = false;
    bool holdReports_ = false;  // while the window is being shown
    // The frame (outer minus inner size) when the form last learned its sizes; none before
    // the first report. The form's outer size holds that frame, not one the window manager
    // added later without a resize of the client.
    std::optional<QSize> reportedExtra_;
};

}  // namespace qtfront

// One Qt widget mirroring one platform control. The binding copies the model into the widget
// (Sync, with the widget's signals blocked, so a model-driven update is never taken for user
// input) and turns the person's input on the widget into the model's User... calls.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "platform/Form.hpp"
#include "qt/UserEvents.hpp"

namespace qtfront {

class FormView;

class ControlBinding : public QObject {
    Q_OBJECT
public:
    ControlBinding(FormView& view, platform::Control& control, QWidget* widget);
    ~ControlBinding() override;

    platform::Control& Model() const { return *control_; }
    // The widget (null for a timer, which has none).
    QWidget* Widget() const { return widget_; }
    // Where a container's children live, and the offset of the container's (0,0) in it.
    virtual QWidget* ChildHost() { return nullptr; }
    virtual QPoint ChildOffset() const { return {}; }

    // Copies every property of the model into the widget.
    void SyncAll();
    // Copies one changed property.
    void Sync(platform::Prop what);
    // The control left the form (or the form was unloaded): the binding never touches the
    // model again, and its widget goes at the next return to the event loop.
    void Dispose();
    bool Live() const;

protected:
    // Kind-specific part of Sync; called with the widget's signals blocked.
    virtual void SyncKind(platform::Prop what) = 0;
    // Colours: which palette roles the control's BackColor and ForeColor paint, and whether
    // the widget fills its background.
    virtual void ApplyColors();
    virtual void ApplyFont();
    // Called once when the binding is disposed, before its widget goes.
    virtual void Disposed() {}

    // Runs a person's action on the model inside a user-event scope, then copies the
    // model's resulting value, text and selection back: the widget has changed itself on
    // the input, and the model (with its handlers) has the last word.
    template <typename F>
    void User(F&& action) {
        if (!Live()) return;
        UserEventScope scope;
        action();
        if (!Live()) return;
        Sync(platform::Prop::Value);
        Sync(platform::Prop::Text);
        Sync(platform::Prop::Selection);
    }

    FormView& view_;
    platform::Control* control_;
    QPointer<QWidget> widget_;

private:
    void ApplyGeometry();
    bool disposed_ = false;
};

// Creates the binding and widget for a control, the widget a child of parent. Returns null
// for a kind the front end cannot show.
ControlBinding* CreateBinding(FormView& view, platform::Control& control, QWidget* parent);

// "&&" shows "&", a single "&" marks the mnemonic: the convention of Qt's buttons and menus
// too, so captions pass unchanged; labels show the plain text.
QString CaptionText(const std::string& caption);
QString PlainText(const std::string& caption);  // mnemonic marks removed, CR LF as new line

}  // namespace qtfront

// Picture boxes (a painted display list, and a container) and images.
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "qt/BindingKinds.hpp"
#include "qt/FormView.hpp"
#include "qt/QtLook.hpp"
#include "qt/SurfacePainter.hpp"

namespace qtfront {

using platform::Prop;

namespace {


class PictureBoxBinding;

class PictureWidget : public QWidget {
public:
    explicit PictureWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    ~PictureWidget() override;
    const platform::PictureBox* model = nullptr;  // null once the binding is disposed
    // The binding, told when this widget goes first (the binding is a child object that Qt
    // deletes only after this class's part of the widget is gone).
    PictureBoxBinding* binding = nullptr;
    // A sunken border of the model's width; the surface lies inside it.
    int Border() const { return model && model->Border() ? platform::kPictureBorderPixels : 0; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (!model) {
            p.fillRect(rect(), palette().color(QPalette::Window));
            return;
        }
        const int b = Border();
        p.fillRect(rect(), ToQColor(model->BackColor()));
        p.save();
        // The surface's (0,0) is the inner top-left corner; it is as large as the model's
        // inner size, which the border never overlaps.
        p.setClipRect(QRect(b, b, model->InnerWidth(), model->InnerHeight()));
        p.translate(b, b);
        PaintDisplayList(p, model->Surf().DisplayList());
        p.restore();
        if (b > 0) {
            const QRect r = rect();
            p.setPen(QColor(128, 128, 128));
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(QColor(0, 0, 0));
            p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
            p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
            p.setPen(QColor(255, 255, 255));
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
            p.setPen(QColor(212, 208, 200));
            p.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
            p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
        }
    }
};

class PictureBoxBinding : public ControlBinding {
public:
    PictureBoxBinding(FormView& view, platform::PictureBox& c, PictureWidget* w)
        : ControlBinding(view, c, w), box_(c), w_(w) {
        w->model = &c;
        w->binding = this;
        new ClickRelay(*w, [this] { User([this] { box_.UserClick(); }); },
                       [this] { User([this] { box_.UserDblClick(); }); });
    }
    ~PictureBoxBinding() override { Disposed(); }
    QWidget* ChildHost() override { return w_; }
    QPoint ChildOffset() const override { return w_ ? QPoint(w_->Border(), w_->Border()) : QPoint(); }
    void WidgetGone() { w_ = nullptr; }

protected:
    // The model may be gone from now on: the widget paints only its background.
    void Disposed() override {
        if (!w_) return;
        w_->model = nullptr;
        w_->binding = nullptr;
        w_ = nullptr;  // the binding is done with the widget
    }
    void SyncKind(Prop what) override {
        if (!w_) return;
        if (what == Prop::Surface || what == Prop::Colors || what == Prop::Style) w_->update();
        if (what == Prop::Style) {
            // A border that came or went moves the children's origin with the surface's.
            for (platform::Control* child : box_.Children()) {
                if (ControlBinding* b = view_.BindingFor(*child)) b->Sync(Prop::Geometry);
            }
        }
    }

private:
    platform::PictureBox& box_;
    PictureWidget* w_;  // null once the widget is gone
};

PictureWidget::~PictureWidget() {
    if (binding) binding->WidgetGone();
}

class ImageBinding : public ControlBinding {
public:
    ImageBinding(FormView& view, platform::Image& c, QLabel* w)
        : ControlBinding(view, c, w), image_(c), w_(w) {
        w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        new ClickRelay(*w, [this] { User([this] { image_.UserClick(); }); }, nullptr);
    }

protected:
    void SyncKind(Prop what) override {
        if (what == Prop::Picture) {
            const platform::Picture& pic = image_.GetPicture();
            if (pic.Empty() || pic.path.empty()) {
                w_->clear();
                path_.clear();
            } else if (pic.path != path_) {
                pixmap_ = QPixmap(QString::fromStdString(pic.path));
                path_ = pic.path;
                w_->setPixmap(pixmap_);
            }
        }
        if (what == Prop::Picture || what == Prop::Style) w_->setScaledContents(image_.Stretch());
    }
    void ApplyColors() override {}  // an image is transparent

private:
    platform::Image& image_;
    QLabel* w_;
    QPixmap pixmap_;
    std::string path_;
};

}  // namespace

ControlBinding* BindPictureBox(FormView& view, platform::PictureBox& c, QWidget* parent) {
    return new PictureBoxBinding(view, c, new PictureWidget(parent));
}
ControlBinding* BindImage(FormView& view, platform::Image& c, QWidget* parent) {
    return new ImageBinding(view, c, new QLabel(parent));
}

}  // namespace qtfront

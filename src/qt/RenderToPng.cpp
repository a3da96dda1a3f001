#include "qt/RenderToPng.hpp"

#include <QLayout>
#include <memory>

#include "qt/FormView.hpp"
#include "qt/SurfacePainter.hpp"

namespace qtfront {

QImage RenderForm(platform::Form& form) {
    platform::FormObserver* previous = form.Observer();
    FormView* view = dynamic_cast<FormView*>(previous);
    std::unique_ptr<FormView> temporary;
    if (!view) {
        temporary = std::make_unique<FormView>(form);
        view = temporary.get();
    }
    view->ensurePolished();
    if (view->layout()) view->layout()->activate();
    const QImage image = view->grab().toImage();
    if (temporary) {
        temporary->Detach();
        form.SetObserver(previous);
    }
    return image;
}

bool RenderFormToPng(platform::Form& form, const std::string& path) {
    const QImage image = RenderForm(form);
    return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}

bool RenderSurfaceToPng(const platform::Surface& surface, const std::string& path) {
    const QImage image = RenderSurface(surface);
    return !image.isNull() && image.save(QString::fromStdString(path), "PNG");
}

}  // namespace qtfront

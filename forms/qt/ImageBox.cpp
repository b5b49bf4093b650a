#include "forms/qt/ImageBox.h"

#include <QPainter>

#include <utility>

namespace forms {

ImageBox::ImageBox(QImage picture, bool stretch, QWidget* parent)
    : QWidget(parent)
    , picture_(std::move(picture))
    , stretch_(stretch)
{
    setFocusPolicy(Qt::NoFocus);
}

void ImageBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (!stretch_) {
        painter.drawImage(0, 0, picture_);
        return;
    }
    // Scaled down by area averaging, so the thin lines of a drawing stay legible.
    const QSize target = size() * devicePixelRatioF();
    if (scaled_.size() != target) {
        scaled_ = picture_.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(devicePixelRatioF());
    }
    painter.drawImage(0, 0, scaled_);
}

} // namespace forms

#pragma once

#include <QImage>
#include <QWidget>

namespace forms {

// A picture control: the picture stretched to the whole box, each direction on its own, or
// at its own size in the top-left corner.
class ImageBox : public QWidget {
    Q_OBJECT

public:
    ImageBox(QImage picture, bool stretch, QWidget* parent);

    const QImage& picture() const noexcept { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool stretch_;
    // The stretched picture, made once for the box's size and the screen's scale.
    QImage scaled_;
};

} // namespace forms

#include "forms/Form.h"

#include "forms/qt/ImageBox.h"
#include "forms/qt/QtText.h"
#include "forms/Runtime.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace forms {

namespace {

// Condensed, so that the longest captions fit their boxes at the classic 8-point size.
constexpr const char* kFontFamily = "DejaVu Sans Condensed";
constexpr int kFontPixelSize = 11;

// Captions carry no access keys: an ampersand is shown as it is.
QString plainCaption(std::string_view caption)
{
    return toQString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Closing through the frame unloads the window, as "Назад" does.
class FormWindow : public QWidget {
public:
    explicit FormWindow(Form& form)
        : form_(&form)
    {
    }

    // Unloaded: the widget waits for deletion and may outlive its form.
    void forget() { form_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        if (form_)
            form_->unload();
    }

private:
    Form* form_;
};

} // namespace

Form::Form(const FormLayout& layout)
    : layout_(layout)
{
}

Form::~Form()
{
    unload();
}

void Form::load()
{
    if (window_)
        return;

    auto* window = new FormWindow(*this);
    window->setObjectName(toQString(layout_.name));
    window->setWindowTitle(toQString(layout_.caption));
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(kFontPixelSize);
    window->setFont(font);
    // The client area, at its stored place on the screen.
    window->setGeometry(toPixels(layout_.client));

    controls_.reserve(layout_.controls.size());
    for (const ControlLayout& layout : layout_.controls) {
        QWidget* parent = window;
        if (!layout.container.empty()) {
            const auto container = std::find_if(controls_.begin(), controls_.end(),
                [&](const Ref<Control>& control) { return control->name() == layout.container; });
            parent = (*container)->widget();
        }
        QWidget* widget = createControl(layout, parent);
        widget->setObjectName(toQString(layout.name));
        widget->setGeometry(toPixels(layout.box));
        controls_.emplace_back(layout.kind == ControlClass::TextBox ? new TextBox(layout.name, widget)
                                                                   : new Control(layout.name, widget));
    }
    window_ = window;
    setFocusOrder();
    detail::formLoaded(*this);
}

QWidget* Form::createControl(const ControlLayout& layout, QWidget* parent)
{
    switch (layout.kind) {
    case ControlClass::CommandButton: {
        auto* button = new QPushButton(plainCaption(layout.caption), parent);
        // Enter starts nothing: no button is a default button.
        button->setAutoDefault(false);
        button->setDefault(false);
        if (layout.click) {
            QObject::connect(button, &QPushButton::clicked, button,
                [this, click = layout.click] { vbaExceptHandler(*this, click); });
        }
        return button;
    }
    case ControlClass::Label: {
        auto* label = new QLabel(toQString(layout.caption), parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFocusPolicy(Qt::NoFocus);
        return label;
    }
    case ControlClass::TextBox: {
        auto* edit = new QLineEdit(toQString(layout.caption), parent);
        edit->setFocusPolicy(Qt::StrongFocus);
        return edit;
    }
    case ControlClass::Frame: {
        auto* frame = new QGroupBox(plainCaption(layout.caption), parent);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    }
    case ControlClass::Image:
        break;
    }
    return new ImageBox(QImage(toQString(layout.picture)), layout.stretch, parent);
}

void Form::setFocusOrder()
{
    std::vector<std::pair<int, QWidget*>> order;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        QWidget* widget = controls_[i]->widget();
        if (layout_.controls[i].tabIndex != kNoTabIndex && (widget->focusPolicy() & Qt::TabFocus))
            order.emplace_back(layout_.controls[i].tabIndex, widget);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    // The window opens with the focus on the first control in that order.
    if (!order.empty())
        order.front().second->setFocus();
}

HResult Form::show()
{
    load();
    window_->show();
    window_->raise();
    window_->activateWindow();
    return kOk;
}

void Form::unload()
{
    if (!window_)
        return;
    auto* window = static_cast<FormWindow*>(std::exchange(window_, nullptr).data());
    for (const Ref<Control>& control : controls_)
        control->detach();
    controls_.clear();
    // Until it is deleted the window may outlive this object: nothing in it reaches back.
    window->forget();
    for (QPushButton* button : window->findChildren<QPushButton*>())
        QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
    window->hide();
    // Not at once: the window may be delivering the very click that unloads it.
    window->deleteLater();
    detail::formUnloaded(*this);
}

} // namespace forms

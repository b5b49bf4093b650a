#include "forms/qt/QtFormWindow.h"

#include "forms/PastedText.h"
#include "forms/Runtime.h"
#include "forms/qt/ImageBox.h"
#include "forms/qt/QtText.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>

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

QRect toQRect(const Twips& box)
{
    const Pixels pixels = toPixels(box);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

// A single-line field holds no line break: text pasted or dropped into it keeps one line,
// the first that is not blank.
class TextField : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
            pasteFirstLine(QClipboard::Clipboard);
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        // The X selection, pasted by the middle button.
        if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
            && !isReadOnly()) {
            deselect();
            pasteFirstLine(QClipboard::Selection);
            event->accept();
            return;
        }
        QLineEdit::mouseReleaseEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        QMenu* menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        for (QAction* action : menu->actions()) {
            // The menu connects its paste item by name.
            if (QObject::disconnect(action, SIGNAL(triggered()), this, SLOT(paste())))
                connect(action, &QAction::triggered, this, [this] { pasteFirstLine(QClipboard::Clipboard); });
        }
        menu->popup(event->globalPos());
    }

    void dropEvent(QDropEvent* event) override
    {
        const QString text = event->mimeData()->text();
        const QString line = firstLine(text);
        if (line.size() == text.size()) {
            QLineEdit::dropEvent(event);
            return;
        }
        QMimeData cut;
        cut.setText(line);
        QDropEvent instead(event->position(), event->possibleActions(), &cut, event->buttons(), event->modifiers());
        QLineEdit::dropEvent(&instead);
        event->setDropAction(instead.dropAction());
        event->setAccepted(instead.isAccepted());
    }

private:
    static QString firstLine(const QString& text) { return toQString(pastedLine(text.toStdString())); }

    void pasteFirstLine(QClipboard::Mode mode)
    {
        const QString line = firstLine(QGuiApplication::clipboard()->text(mode));
        // What a paste of nothing does: nothing, unless it replaces a selection.
        if (!line.isEmpty() || hasSelectedText())
            insert(line);
    }
};

// A focused button is pressed by Enter as well as by Space; it is still no default button.
class Button : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            // A held key presses it once.
            if (!event->isAutoRepeat())
                click();
            event->accept();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// A window placed partly off the available screen area is moved onto it.
QRect ontoScreen(QRect place)
{
    QScreen* screen = QGuiApplication::screenAt(place.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return place;
    const QRect available = screen->availableGeometry();
    // Too large a window keeps its top left corner on the screen.
    place.moveLeft(std::max(available.left(), std::min(place.left(), available.right() + 1 - place.width())));
    place.moveTop(std::max(available.top(), std::min(place.top(), available.bottom() + 1 - place.height())));
    return place;
}

// Closing through the frame unloads the window, as "Назад" does.
class TopLevelWidget : public QWidget {
public:
    explicit TopLevelWidget(Form& form)
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

QtFormWindow::QtFormWindow(Form& form)
{
    const FormLayout& layout = form.layout();
    auto* window = new TopLevelWidget(form);
    window->setObjectName(toQString(layout.name));
    window->setWindowTitle(toQString(layout.caption));
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(kFontPixelSize);
    window->setFont(font);
    // The client area, at its stored place on the screen.
    window->setGeometry(ontoScreen(toQRect(layout.client)));

    controls_.reserve(layout.controls.size());
    for (const ControlLayout& control : layout.controls) {
        QWidget* parent = window;
        if (!control.container.empty())
            parent = controls_[indexOf(layout.controls, control.container)];
        QWidget* widget = createControl(form, control, parent);
        widget->setObjectName(toQString(control.name));
        widget->setGeometry(toQRect(control.box));
        controls_.emplace_back(widget);
    }
    window_ = window;
    setFocusOrder(layout);
}

QWidget* QtFormWindow::createControl(Form& form, const ControlLayout& layout, QWidget* parent)
{
    switch (layout.kind) {
    case ControlClass::CommandButton: {
        auto* button = new Button(plainCaption(layout.caption), parent);
        // Enter starts nothing: no button is a default button.
        button->setAutoDefault(false);
        button->setDefault(false);
        if (layout.click) {
            QObject::connect(button, &QPushButton::clicked, button,
                [&form, click = layout.click] { vbaExceptHandler(form, click); });
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
        auto* edit = new TextField(toQString(layout.caption), parent);
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
    QImage picture;
    picture.loadFromData(layout.picture.data(), static_cast<int>(layout.picture.size()), "BMP");
    return new ImageBox(std::move(picture), layout.stretch, parent);
}

void QtFormWindow::setFocusOrder(const FormLayout& layout)
{
    std::vector<std::pair<int, QWidget*>> order;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        QWidget* widget = controls_[i];
        if (layout.controls[i].tabIndex != kNoTabIndex && (widget->focusPolicy() & Qt::TabFocus))
            order.emplace_back(layout.controls[i].tabIndex, widget);
    }
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
    // The window opens with the focus on the first control in that order.
    if (!order.empty())
        order.front().second->setFocus();
}

QtFormWindow::~QtFormWindow()
{
    auto* window = static_cast<TopLevelWidget*>(window_.data());
    if (!window)
        return;
    // Until it is deleted the widget may outlive its form: nothing in it reaches back.
    window->forget();
    for (QPushButton* button : window->findChildren<QPushButton*>())
        QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr);
    window->hide();
    // Not at once: the window may be delivering the very click that unloads it.
    window->deleteLater();
}

void QtFormWindow::show()
{
    window_->show();
    window_->raise();
    window_->activateWindow();
}

QWidget* QtFormWindow::controlWidget(std::size_t control) const
{
    return control < controls_.size() ? controls_[control].data() : nullptr;
}

bool QtFormWindow::readText(std::size_t control, std::string& text) const
{
    const auto* edit = qobject_cast<const QLineEdit*>(controlWidget(control));
    if (!edit)
        return false;
    text = edit->text().toStdString();
    return true;
}

bool QtFormWindow::writeText(std::size_t control, std::string_view text)
{
    auto* edit = qobject_cast<QLineEdit*>(controlWidget(control));
    if (!edit)
        return false;
    edit->setText(toQString(text));
    // Shown from its first character, as a platform edit field shows a text set on it.
    edit->setCursorPosition(0);
    return true;
}

QWidget* qtWidget(const Form& form)
{
    const auto* window = static_cast<const QtFormWindow*>(form.window());
    return window ? window->widget() : nullptr;
}

QWidget* qtWidget(const Control& control)
{
    const auto* window = static_cast<const QtFormWindow*>(control.window());
    return window ? window->controlWidget(control.index()) : nullptr;
}

} // namespace forms

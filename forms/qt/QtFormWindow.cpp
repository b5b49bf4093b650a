#include "forms/qt/QtFormWindow.h"

#include "forms/core/PastedText.h"
#include "forms/core/Runtime.h"
#include "forms/core/WindowRules.h"
#include "forms/qt/ImageBox.h"
#include "forms/qt/QtText.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <map>
#include <utility>

namespace forms {

namespace {

QRect toQRect(const Pixels& box)
{
    return QRect(box.left, box.top, box.width, box.height);
}

QRect toQRect(const Twips& box)
{
    return toQRect(toPixels(box));
}

Pixels toPixels(const QRect& box)
{
    return {box.left(), box.top(), box.width(), box.height()};
}

// The face the core chooses for a layout's captions, measured with Qt's metrics.
std::string_view chooseFace(const FormLayout& layout)
{
    const auto inFace = [families = QFontDatabase::families()](std::string_view face) -> CaptionMeasure {
        // Only a face the system has by that name, not one that stands in for it.
        if (!families.contains(toQString(face), Qt::CaseInsensitive))
            return {};
        QFont font(toQString(face));
        font.setPixelSize(kFontPixelSize);
        return [metrics = QFontMetrics(font)](ControlClass kind, std::string_view caption, int width) {
            const QString text = toQString(caption);
            if (kind != ControlClass::Label)
                return TextSize{metrics.horizontalAdvance(text), metrics.height()};
            const QSize needed = metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap, text).size();
            return TextSize{needed.width(), needed.height()};
        };
    };
    return fontFace(layout, inFace);
}

// The font of a window's captions; its face is chosen once per layout.
QFont fontFor(const FormLayout& layout)
{
    static std::map<const FormLayout*, std::string_view> chosen;
    auto found = chosen.find(&layout);
    if (found == chosen.end())
        found = chosen.emplace(&layout, chooseFace(layout)).first;
    QFont font(toQString(found->second));
    font.setPixelSize(kFontPixelSize);
    return font;
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

// Moves a top-level widget so that the whole of it, frame included, stays on the work area of
// its screen.
void keepOnWorkArea(QWidget* window)
{
    const QRect client = window->geometry();
    // Known once the window manager has framed the window; none before.
    const QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    const QRect whole = client.marginsAdded(frame);
    QScreen* screen = QGuiApplication::screenAt(whole.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const Pixels placed = ontoWorkArea(toPixels(whole), toPixels(screen->availableGeometry()));
    const QPoint shift(placed.left - whole.left(), placed.top - whole.top());
    if (!shift.isNull())
        window->setGeometry(client.translated(shift));
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

    // Once shown, the window's frame becomes known: the window is kept on the work area with it.
    void watchForFrame()
    {
        if (!framed_)
            windowHandle()->installEventFilter(this);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        if (form_)
            form_->unload();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && windowHandle()->isExposed() && !framed_) {
            framed_ = true;
            watched->removeEventFilter(this);
            keepOnWorkArea(this);
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    Form* form_;
    bool framed_ = false;
};

} // namespace

QtFormWindow::QtFormWindow(Form& form)
    : layout_(&form.layout())
{
    const FormLayout& layout = form.layout();
    auto* window = new TopLevelWidget(form);
    window->setObjectName(toQString(layout.name));
    window->setWindowTitle(toQString(layout.caption));
    // The client area at its stored place on the screen.
    window->setGeometry(toQRect(layout.client));
    keepOnWorkArea(window);

    controls_.reserve(layout.controls.size());
    for (const ControlLayout& control : layout.controls) {
        QWidget* parent = window;
        if (!control.container.empty())
            parent = controls_[indexOf(layout.controls, control.container)];
        QWidget* widget = createControl(form, control, parent);
        // Outside the focus order a field or button still takes the focus from a click.
        if (!takesFocus(control) && (widget->focusPolicy() & Qt::TabFocus))
            widget->setFocusPolicy(Qt::ClickFocus);
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
        auto* button = new Button(toQString(captionText(layout)), parent);
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
        auto* label = new QLabel(toQString(captionText(layout)), parent);
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
        auto* frame = new QGroupBox(toQString(captionText(layout)), parent);
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
    const std::vector<std::size_t> order = focusOrder(layout.controls);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(controls_[order[i - 1]], controls_[order[i]]);
    if (!order.empty())
        controls_[order.front()]->setFocus();
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
    // Chosen while the window system maps the window: the choice reads the system's font
    // list, which the mapping need not wait for. Nothing is painted before it.
    window_->setFont(fontFor(*layout_));
    static_cast<TopLevelWidget*>(window_.data())->watchForFrame();
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

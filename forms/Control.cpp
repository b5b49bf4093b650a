#include "forms/Control.h"

#include "forms/QtText.h"

#include <QLineEdit>

namespace forms {

Control::Control(std::string_view name, QWidget* widget)
    : name_(name)
    , widget_(widget)
{
}

HResult TextBox::readText(std::string& text) const
{
    const auto* edit = qobject_cast<const QLineEdit*>(widget());
    if (!edit)
        return kObjectDisconnected;
    text = edit->text().toStdString();
    return kOk;
}

HResult TextBox::writeText(std::string_view text)
{
    auto* edit = qobject_cast<QLineEdit*>(widget());
    if (!edit)
        return kObjectDisconnected;
    edit->setText(toQString(text));
    // Shown from its first character, as a platform edit field shows a text set on it.
    edit->setCursorPosition(0);
    return kOk;
}

} // namespace forms

#include "forms/Control.h"

#include "forms/qt/QtText.h"

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
    return kOk;
}

} // namespace forms

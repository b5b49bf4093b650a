#include "support/WindowTesting.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

CapturedReports::CapturedReports()
    : previous_(forms::setErrorReporter([this](const forms::RuntimeError& error, forms::Form& window) {
        messages.push_back(window.errorMessage(error));
        if (onReport)
            onReport(error);
    }))
{
}

CapturedReports::~CapturedReports()
{
    forms::setErrorReporter(previous_);
}

QString captionOf(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QPushButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    return {};
}

void expectCaptionFitsItsBox(const QWidget* control)
{
    const QString caption = captionOf(control);
    const QFontMetrics metrics(control->font());
    SCOPED_TRACE(control->objectName().toStdString());
    if (qobject_cast<const QLabel*>(control)) {
        // Laid out as the label lays it out: wrapped at word breaks, from the top left.
        const QRect needed = metrics.boundingRect(QRect(QPoint(), control->size()),
            Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption);
        EXPECT_LE(needed.width(), control->width());
        EXPECT_LE(needed.height(), control->height());
    } else if (qobject_cast<const QPushButton*>(control)) {
        EXPECT_LE(control->sizeHint().width(), control->width());
        EXPECT_LE(control->sizeHint().height(), control->height());
    } else {
        EXPECT_LE(metrics.horizontalAdvance(caption) + 2 * metrics.averageCharWidth(), control->width());
    }
}

int runEventLoop(std::function<void()> whileRunning)
{
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    limit.start(5000);
    QTimer::singleShot(0, std::move(whileRunning));
    return QCoreApplication::exec();
}

void deleteUnloadedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

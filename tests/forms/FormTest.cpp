#include "forms/core/Form.h"
#include "forms/core/Runtime.h"
#include "forms/qt/ImageBox.h"
#include "forms/qt/QtFormWindow.h"
#include "support/WindowTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

using forms::ControlClass;
using forms::ControlLayout;
using forms::Form;
using forms::Ref;

namespace {

// A small window of every control class.
class TestForm : public Form {
public:
    TestForm();
    explicit TestForm(const forms::FormLayout& layout)
        : Form(layout)
    {
    }

    int Go_Click()
    {
        ++clicks;
        refsDuringClick = refCount();
        if (failWith)
            throw forms::RuntimeError(*failWith);
        return 0;
    }

    int clicks = 0;
    int refsDuringClick = 0;
    std::optional<std::string> failWith;
};

constexpr ControlLayout kControls[] = {
    {ControlClass::CommandButton, "Go", "Пуск & стоп", {1500, 150, 1500, 450}, 3, {}, forms::bindClick<&TestForm::Go_Click>},
    {ControlClass::Frame, "Box", "рамка", {150, 1500, 3000, 1500}, 1},
    {ControlClass::TextBox, "Inner", "внутри", {150, 450, 1500, 375}, 2, "Box"},
    {ControlClass::Label, "Note", "подпись", {150, 150, 1200, 450}, 4},
    {ControlClass::TextBox, "First", "", {150, 900, 1200, 375}, 0},
    {ControlClass::Image, "Picture", "", {3300, 150, 600, 300}, forms::kNoTabIndex, {}, nullptr, {}, true},
};

constexpr forms::FormLayout kLayout{"TestForm", "Проба", {1500, 1500, 4500, 3300}, kControls, {1, 0, -1, "TestForm"}};

TestForm::TestForm()
    : Form(kLayout)
{
}

template <class T>
T* widgetOf(const Form& form, std::string_view name)
{
    return qobject_cast<T*>(forms::qtWidget(*form.control(forms::indexOf(kControls, name))));
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = Ref<TestForm>(new TestForm);
        form->load();
    }
    void TearDown() override
    {
        form.reset();
        deleteUnloadedWindows();
    }

    CapturedReports captured;
    std::vector<std::string>& reports = captured.messages;
    Ref<TestForm> form;
};

TEST_F(FormTest, ControlsAreBuiltFromTheLayoutInPixels)
{
    EXPECT_EQ(forms::qtWidget(*form)->windowTitle(), QString("Проба"));
    EXPECT_EQ(forms::qtWidget(*form)->geometry(), QRect(100, 100, 300, 220));

    auto* button = widgetOf<QPushButton>(*form, "Go");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(100, 10, 100, 30));
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());

    auto* frame = widgetOf<QGroupBox>(*form, "Box");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title(), QString("рамка"));

    // Placed relative to its frame.
    auto* inner = widgetOf<QLineEdit>(*form, "Inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->parentWidget(), frame);
    EXPECT_EQ(inner->geometry(), QRect(10, 30, 100, 25));
    EXPECT_EQ(inner->text(), QString("внутри"));

    auto* label = widgetOf<QLabel>(*form, "Note");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);

    EXPECT_NE(widgetOf<forms::ImageBox>(*form, "Picture"), nullptr);
}

TEST_F(FormTest, ClickRunsTheProcedureHoldingTheWindow)
{
    const int before = form->refCount();
    QTest::mouseClick(widgetOf<QPushButton>(*form, "Go"), Qt::LeftButton);
    EXPECT_EQ(form->clicks, 1);
    EXPECT_EQ(form->refsDuringClick, before + 1);
    EXPECT_EQ(form->refCount(), before);
    EXPECT_TRUE(reports.empty());
}

TEST_F(FormTest, RuntimeErrorLeavingAClickIsReportedAndTheWindowReleased)
{
    form->failWith = "сбой";
    const int before = form->refCount();
    QTest::mouseClick(widgetOf<QPushButton>(*form, "Go"), Qt::LeftButton);
    EXPECT_EQ(reports, std::vector<std::string>{"сбой"});
    EXPECT_EQ(form->refCount(), before);

    // And the window goes on working.
    form->failWith.reset();
    QTest::mouseClick(widgetOf<QPushButton>(*form, "Go"), Qt::LeftButton);
    EXPECT_EQ(form->clicks, 2);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(FormTest, TextDroppedOrPastedFromTheMenuKeepsItsFirstLine)
{
    form->show();
    auto* edit = widgetOf<QLineEdit>(*form, "First");
    QMimeData dragged;
    dragged.setText("7,1\r\n8,2");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
    EXPECT_EQ(edit->text(), QString("7,1"));

    edit->clear();
    QGuiApplication::clipboard()->setText("5\n6");
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &menuEvent);
    QMenu* menu = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* shown = qobject_cast<QMenu*>(window); shown && shown->isVisible())
            menu = shown;
    }
    ASSERT_NE(menu, nullptr);
    const auto actions = menu->actions();
    const auto paste = std::find_if(actions.begin(), actions.end(),
        [](QAction* action) { return action->text().startsWith(QLineEdit::tr("&Paste")); });
    ASSERT_NE(paste, actions.end());
    (*paste)->trigger();
    menu->close();
    EXPECT_EQ(edit->text(), QString("5"));
}

TEST_F(FormTest, WindowPartlyOffTheScreenIsMovedOntoIt)
{
    // The screen is 1280 x 1024; the window 300 x 220, with no frame on this platform.
    forms::FormLayout bottomRight = kLayout;
    bottomRight.client = {1200 * 15, 900 * 15, 4500, 3300};
    const Ref<TestForm> moved(new TestForm(bottomRight));
    moved->load();
    EXPECT_EQ(forms::qtWidget(*moved)->geometry(), QRect(980, 804, 300, 220));
}

TEST_F(FormTest, ControlReferencesAreCountedAndReleased)
{
    const auto index = forms::indexOf(kControls, "Inner");
    EXPECT_EQ(form->control(index)->refCount(), 2); // the window's and this temporary
    EXPECT_EQ(form->control(index)->refCount(), 2);
    {
        const Ref<forms::TextBox> held = form->control<forms::TextBox>(index);
        const Ref<forms::TextBox> copy = held;
        EXPECT_EQ(held->refCount(), 3);
    }
    EXPECT_EQ(form->control(index)->refCount(), 2);
}

TEST_F(FormTest, TextOfAnUnloadedWindowsControlFailsAsDisconnected)
{
    const Ref<forms::TextBox> inner = form->control<forms::TextBox>(forms::indexOf(kControls, "Inner"));
    std::string text;
    EXPECT_EQ(inner->readText(text), forms::kOk);
    EXPECT_EQ(text, "внутри");
    EXPECT_EQ(inner->writeText("другое"), forms::kOk);

    form->unload();
    EXPECT_FALSE(form->isLoaded());
    EXPECT_EQ(inner->readText(text), forms::kObjectDisconnected);
    EXPECT_EQ(inner->writeText("x"), forms::kObjectDisconnected);
    // The reference outlives the window; it is now the only one.
    EXPECT_EQ(inner->refCount(), 1);

    const Ref<forms::TextBox> fetchedLater = form->control<forms::TextBox>(forms::indexOf(kControls, "Inner"));
    EXPECT_EQ(fetchedLater->readText(text), forms::kObjectDisconnected);
    EXPECT_EQ(fetchedLater->name(), "Inner");
}

TEST_F(FormTest, LoadingAgainBuildsTheSameWindowAfresh)
{
    auto* edit = widgetOf<QLineEdit>(*form, "Inner");
    edit->setText("изменено");
    form->unload();
    form->show();
    EXPECT_EQ(widgetOf<QLineEdit>(*form, "Inner")->text(), QString("внутри"));
}

TEST_F(FormTest, FailedCallNamesObjectInterfaceAndOperation)
{
    const Ref<forms::TextBox> inner = form->control<forms::TextBox>(forms::indexOf(kControls, "Inner"));
    try {
        forms::vbaHresultCheckObj(forms::kObjectDisconnected, *inner, forms::kTextBoxInterfaceId,
            forms::Operation::TextWrite);
        FAIL() << "returned";
    } catch (const forms::CallFailedError& error) {
        EXPECT_EQ(error.code(), forms::kObjectDisconnected);
        EXPECT_EQ(error.objectName(), "Inner");
        EXPECT_EQ(error.interfaceId(), forms::kTextBoxInterfaceId);
        EXPECT_EQ(error.operation(), forms::Operation::TextWrite);
        for (const char* part : {"«Inner»", "запись текста (Text)", "{33AD4EE1-6699-11CF-B70C-00AA0060D393}",
                 "0x80010108", "больше не существует"})
            EXPECT_NE(error.message().find(part), std::string::npos) << part << " in " << error.message();
    }
}

TEST_F(FormTest, ClosingTheLastWindowThroughItsFrameEndsTheProgram)
{
    const Ref<TestForm> other(new TestForm);
    other->show();
    form->show();
    bool runningAfterFirstClose = false;
    EXPECT_EQ(runEventLoop([&] {
        forms::qtWidget(*form)->close();
        QTimer::singleShot(0, [&] {
            runningAfterFirstClose = true;
            forms::qtWidget(*other)->close();
        });
    }),
        0);
    EXPECT_TRUE(runningAfterFirstClose);
    EXPECT_FALSE(form->isLoaded());
    EXPECT_FALSE(other->isLoaded());
}

TEST(DefaultErrorReport, IsAModalMessageBoxOverTheWindowTitledWithTheProgramsName)
{
    QCoreApplication::setApplicationName("ShortDipole");
    const Ref<TestForm> form(new TestForm);
    form->show();
    form->failWith = "сбой";

    QString title, text;
    QWidget* parent = nullptr;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box && box->isVisible() && box->isModal()) {
                title = box->windowTitle();
                text = box->text();
                parent = box->parentWidget();
                icon = box->icon();
                box->accept();
            }
        }
    });
    poll.start(10);
    QTest::mouseClick(widgetOf<QPushButton>(*form, "Go"), Qt::LeftButton);

    EXPECT_EQ(title, QString("ShortDipole"));
    EXPECT_EQ(text, QString("сбой"));
    EXPECT_EQ(parent, forms::qtWidget(*form));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(form->isLoaded()) << "the program goes on";
}

TEST(ImageBoxTest, StretchesThePictureOverTheWholeBoxEachWayOnItsOwn)
{
    // Left half red, right half blue; the box is wider and lower than the picture.
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < 40; ++y)
        for (int x = 20; x < 40; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    forms::ImageBox box(picture, true, nullptr);
    box.resize(100, 20);
    const QImage shown = box.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(5, 2)), QColor(Qt::red));
    EXPECT_EQ(QColor(shown.pixel(45, 17)), QColor(Qt::red));
    EXPECT_EQ(QColor(shown.pixel(55, 2)), QColor(Qt::blue));
    EXPECT_EQ(QColor(shown.pixel(95, 17)), QColor(Qt::blue));
}

} // namespace

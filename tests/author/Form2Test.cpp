#include "author/Form2.h"
#include "calculator/Form1.h"
#include "forms/numeric/RuntimeError.h"
#include "forms/qt/ImageBox.h"
#include "forms/qt/QtFormWindow.h"
#include "support/WindowTesting.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using forms::Ref;

namespace {

std::u32string codePoints(const QString& text)
{
    const QList<uint> ucs4 = text.toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

QString text(const char32_t* codePointsText)
{
    return QString::fromStdU32String(codePointsText);
}

QWidget* widgetOf(const Ref<forms::Control>& control)
{
    return forms::qtWidget(*control);
}

class Form2Test : public ::testing::Test {
protected:
    void SetUp() override { form->show(); }
    void TearDown() override
    {
        form.reset();
        deleteUnloadedWindows();
    }

    Ref<Form2> form{new Form2};
};

TEST_F(Form2Test, WindowHasItsClientAreaAndPlace)
{
    EXPECT_EQ(forms::qtWidget(*form)->geometry(), QRect(388, 275, 458, 276));
}

TEST_F(Form2Test, ControlsHaveTheirCaptionsPlacesAndFocusOrder)
{
    struct Expected {
        Ref<forms::Control> control;
        const char* qtClass;
        QRect pixels;
        int tabIndex;
    };
    const Expected expected[] = {
        {form->Label1(), "QLabel", {8, 8, 433, 49}, 0},
        {form->Label2(), "QLabel", {16, 80, 129, 65}, 1},
        {form->Command1(), "QPushButton", {16, 168, 121, 41}, 2},
        {form->Command2(), "QPushButton", {16, 216, 121, 41}, 3},
        {form->Image1(), "forms::ImageBox", {152, 64, 297, 201}, forms::kNoTabIndex},
    };
    ASSERT_EQ(form->layout().controls.size(), std::size(expected));
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.control->name());
        EXPECT_STREQ(widgetOf(e.control)->metaObject()->className(), e.qtClass);
        EXPECT_EQ(widgetOf(e.control)->geometry(), e.pixels);
        EXPECT_EQ(widgetOf(e.control)->parentWidget(), forms::qtWidget(*form));
        EXPECT_EQ(form->layout().controls[forms::indexOf(form->layout().controls, e.control->name())].tabIndex,
            e.tabIndex);
    }
    EXPECT_EQ(captionOf(widgetOf(form->Command1())), QString("Назад"));
    EXPECT_EQ(captionOf(widgetOf(form->Command2())), QString("Выход"));
}

TEST_F(Form2Test, CaptionAndNoteNameTheSameAuthor)
{
    const QStringList caption = forms::qtWidget(*form)->windowTitle().split(' ');
    ASSERT_EQ(caption.size(), 6) << "автор программы, surname, first name, patronymic, call sign";
    EXPECT_EQ(caption[0], QString("автор"));
    EXPECT_EQ(caption[1], QString("программы"));
    EXPECT_EQ(caption[5], QString("ZELMOR"));

    const QString note = captionOf(widgetOf(form->Label1()));
    const QString firstSentence = note.left(note.indexOf('.') + 1);
    EXPECT_TRUE(firstSentence.contains(caption[3])) << firstSentence.toStdString();
    EXPECT_TRUE(firstSentence.contains(QString("радиолюбительство"))) << firstSentence.toStdString();
}

TEST_F(Form2Test, TextsHaveTheirExactLengthsAndWording)
{
    const QString note = captionOf(widgetOf(form->Label1()));
    EXPECT_EQ(codePoints(note).size(), 220u);
    EXPECT_TRUE(note.endsWith(text(U"В настоящий момент у меня вторая категория. Люблю работать на УКВ и КВ. Так же "
                                   U"немного знаком с прогррамированием - пишу программы для различных расчетов...")));
    EXPECT_EQ(codePoints(note.right(156)).front(), U'В');
    EXPECT_FALSE(note.contains('\n'));
    // Every character has its place in code page 1251.
    for (const char32_t c : codePoints(note))
        EXPECT_TRUE(c < 0x80 || (c >= 0x410 && c <= 0x44F) || c == 0x401 || c == 0x451) << std::hex << unsigned(c);

    const QString freeLine = captionOf(widgetOf(form->Label2()));
    EXPECT_EQ(freeLine,
        text(U"Данная программа распространяется свободно. надеюсь что программа вам пригодиться. 73!"));
    EXPECT_EQ(codePoints(freeLine).size(), 86u);
}

TEST_F(Form2Test, EveryTextFitsItsBox)
{
    for (const auto& control : {form->Label1(), form->Label2(), form->Command1(), form->Command2()})
        expectCaptionFitsItsBox(widgetOf(control));
}

TEST_F(Form2Test, ShowsThePhotograph)
{
    auto* image = qobject_cast<forms::ImageBox*>(widgetOf(form->Image1()));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->picture().size(), QSize(600, 389));
}

TEST_F(Form2Test, BackHasTheFocusAndTabMovesBetweenTheButtons)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(forms::qtWidget(*form)));
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(form->Command1()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(form->Command2()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(form->Command1()));
}

// The main window with the process-wide variables as a program run starts them.
class AuthorCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form2DefaultInstance().reset();
        globalObjectVariable().reset();
        main->show();
    }
    void TearDown() override
    {
        main.reset();
        Form2DefaultInstance().reset();
        globalObjectVariable().reset();
        deleteUnloadedWindows();
    }

    void click(const Ref<forms::Control>& button) { QTest::mouseClick(forms::qtWidget(*button), Qt::LeftButton); }
    void openAuthor() { click(main->Command3()); }
    void back() { click(Form2DefaultInstance()->Command1()); }

    CapturedReports captured;
    Ref<Form1> main{new Form1};
};

TEST_F(AuthorCommandsTest, FirstClickCreatesAndShowsOneModelessAuthorWindow)
{
    ASSERT_FALSE(Form2DefaultInstance());
    openAuthor();
    const Ref<Form2> author = Form2DefaultInstance();
    ASSERT_TRUE(author);
    ASSERT_TRUE(author->isLoaded());
    EXPECT_TRUE(forms::qtWidget(*author)->isVisible());
    EXPECT_FALSE(forms::qtWidget(*author)->isModal());
    EXPECT_EQ(forms::qtWidget(*author)->parentWidget(), nullptr);
    EXPECT_EQ(forms::qtWidget(*author)->windowModality(), Qt::NonModal);

    // A second click creates nothing and opens no second window.
    openAuthor();
    EXPECT_EQ(Form2DefaultInstance().get(), author.get());
    const auto shownAuthors = [] {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            count += window->isVisible() && window->objectName() == "Form2";
        return count;
    };
    EXPECT_EQ(shownAuthors(), 1);
    EXPECT_TRUE(captured.messages.empty());
}

TEST_F(AuthorCommandsTest, MainWindowKeepsWorkingBesideTheAuthorWindow)
{
    openAuthor();
    for (const auto& [box, value] : {std::pair{main->Text1(), "5"}, {main->Text2(), "2"}, {main->Text3(), "2"},
             {main->Text4(), "7,1"}})
        qobject_cast<QLineEdit*>(forms::qtWidget(*box))->setText(value);
    click(main->Command1());
    EXPECT_EQ(qobject_cast<QLineEdit*>(forms::qtWidget(*main->Text5()))->text(), QString("15.9556886690632"));
    EXPECT_TRUE(forms::qtWidget(*Form2DefaultInstance())->isVisible());
}

TEST_F(AuthorCommandsTest, BackUnloadsTheWindowAndLeavesTheMainWindowAsItWas)
{
    const std::vector<QString> typed{"5", "2", "2", "7,1", "15.9556886690632"};
    const std::vector<Ref<forms::TextBox>> boxes{main->Text1(), main->Text2(), main->Text3(), main->Text4(),
        main->Text5()};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        qobject_cast<QLineEdit*>(forms::qtWidget(*boxes[i]))->setText(typed[i]);

    openAuthor();
    const Ref<Form2> author = Form2DefaultInstance();
    const int authorRefs = author->refCount();
    back();
    deleteUnloadedWindows();

    EXPECT_FALSE(author->isLoaded());
    EXPECT_EQ(author->refCount(), authorRefs) << "the window reference of Назад is released";
    EXPECT_EQ(Form2DefaultInstance().get(), author.get()) << "the default instance keeps its object";
    for (std::size_t i = 0; i < boxes.size(); ++i)
        EXPECT_EQ(qobject_cast<QLineEdit*>(forms::qtWidget(*boxes[i]))->text(), typed[i]);
    EXPECT_TRUE(forms::qtWidget(*main)->isVisible());
    EXPECT_TRUE(captured.messages.empty());
}

TEST_F(AuthorCommandsTest, AuthorWindowComesBackWithTheSameContentAndOneGlobalObject)
{
    openAuthor();
    back();
    ASSERT_TRUE(globalObjectVariable());
    const forms::Global* global = globalObjectVariable().get();

    openAuthor();
    const Ref<Form2> author = Form2DefaultInstance();
    ASSERT_TRUE(author->isLoaded());
    EXPECT_TRUE(forms::qtWidget(*author)->isVisible());
    EXPECT_EQ(codePoints(captionOf(forms::qtWidget(*author->Label1()))).size(), 220u);
    EXPECT_EQ(captionOf(forms::qtWidget(*author->Command1())), QString("Назад"));

    back();
    EXPECT_EQ(globalObjectVariable().get(), global) << "created once in a run";
    EXPECT_FALSE(author->isLoaded());
}

TEST_F(AuthorCommandsTest, ExitBeforeTheAuthorWindowWasOpenedEndsTheProgramAndCreatesNone)
{
    EXPECT_EQ(runEventLoop([&] { click(main->Command2()); }), 0);
    EXPECT_FALSE(main->isLoaded());
    EXPECT_FALSE(Form2DefaultInstance());
}

TEST_F(AuthorCommandsTest, ExitFromTheAuthorWindowEndsTheProgramWithBothWindows)
{
    openAuthor();
    EXPECT_EQ(runEventLoop([&] { click(Form2DefaultInstance()->Command2()); }), 0);
    EXPECT_FALSE(main->isLoaded());
    EXPECT_FALSE(Form2DefaultInstance()->isLoaded());
}

TEST_F(AuthorCommandsTest, ExitWhileTheAuthorWindowIsOpenEndsTheProgramWithBothWindows)
{
    openAuthor();
    EXPECT_EQ(runEventLoop([&] { click(main->Command2()); }), 0);
    EXPECT_FALSE(main->isLoaded());
    EXPECT_FALSE(Form2DefaultInstance()->isLoaded());
}

class FailingShow : public Form2 {
public:
    forms::HResult show() override { return static_cast<forms::HResult>(0x80004005u); }
};

TEST_F(AuthorCommandsTest, EnterOnAFocusedButtonPressesIt)
{
    const auto press = [](const Ref<forms::Control>& button, Qt::Key key) { QTest::keyClick(forms::qtWidget(*button), key); };
    for (const auto& [box, value] : {std::pair{main->Text1(), "5"}, {main->Text2(), "2"}, {main->Text3(), "2"},
             {main->Text4(), "7,1"}})
        qobject_cast<QLineEdit*>(forms::qtWidget(*box))->setText(value);
    press(main->Command1(), Qt::Key_Return);
    EXPECT_EQ(qobject_cast<QLineEdit*>(forms::qtWidget(*main->Text5()))->text(), QString("15.9556886690632"));

    press(main->Command3(), Qt::Key_Enter);
    ASSERT_TRUE(Form2DefaultInstance() && Form2DefaultInstance()->isLoaded());
    press(Form2DefaultInstance()->Command1(), Qt::Key_Return);
    EXPECT_FALSE(Form2DefaultInstance()->isLoaded());

    press(main->Command3(), Qt::Key_Return);
    EXPECT_EQ(runEventLoop([&] { press(Form2DefaultInstance()->Command2(), Qt::Key_Return); }), 0);
    EXPECT_FALSE(main->isLoaded());
    main->show();
    EXPECT_EQ(runEventLoop([&] { press(main->Command2(), Qt::Key_Enter); }), 0);
    EXPECT_FALSE(main->isLoaded());
    EXPECT_TRUE(captured.messages.empty());
}

TEST_F(AuthorCommandsTest, FailedShowIsReportedWithTheAuthorWindowsInterface)
{
    Form2DefaultInstance() = Ref<Form2>(new FailingShow);
    openAuthor();
    ASSERT_EQ(captured.messages.size(), 1u);
    EXPECT_EQ(captured.messages[0],
        "Не удалось выполнить операцию «показ окна (Show)» над объектом «Form2»: объект вернул ошибку. "
        "Код ошибки 0x80004005, интерфейс {AEEE2CA2-47CD-4A63-93CC-574EF49BAC66}.");
    EXPECT_TRUE(Form2DefaultInstance()) << "the default instance stays set";
}

class FailingUnload : public forms::Global {
public:
    forms::HResult Unload(forms::Form& window) override
    {
        refsDuringUnload = window.refCount();
        return static_cast<forms::HResult>(0x80004005u);
    }
    int refsDuringUnload = 0;
};

TEST_F(AuthorCommandsTest, FailedUnloadStillReleasesTheWindowReference)
{
    openAuthor();
    auto* failing = new FailingUnload;
    globalObjectVariable() = Ref<forms::Global>(failing);
    const Ref<Form2> author = Form2DefaultInstance();
    const int refs = author->refCount();

    back();
    EXPECT_EQ(failing->refsDuringUnload, refs + 2) << "the click's reference and the window reference";
    EXPECT_EQ(author->refCount(), refs);
    ASSERT_EQ(captured.messages.size(), 1u);
    EXPECT_EQ(captured.messages[0],
        "Не удалось выполнить операцию «выгрузка окна (Unload)» над объектом «Global»: объект вернул ошибку. "
        "Код ошибки 0x80004005, интерфейс {FCFB3D22-A0FA-1068-A738-08002B3371B5}.");
    EXPECT_TRUE(author->isLoaded());
}

} // namespace

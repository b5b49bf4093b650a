#include "calculator/Form1.h"
#include "forms/numeric/Numeric.h"
#include "forms/numeric/RuntimeError.h"
#include "forms/qt/QtFormWindow.h"
#include "support/NamedCase.h"
#include "support/WindowTesting.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using forms::Ref;

namespace {

struct ExpectedControl {
    const char* name;
    const char* qtClass;
    const char* caption;
    QRect pixels; // relative to the container
    const char* container;
    int tabIndex;
};

// The main window's controls in focus order, in pixels.
const ExpectedControl kExpected[] = {
    {"Text1", "QLineEdit", "", {144, 8, 89, 25}, "Form1", 0},
    {"Label1", "QLabel", "длина излучателя метры (A)", {8, 8, 97, 41}, "Form1", 1},
    {"Command1", "QPushButton", "расчет L катушки", {272, 32, 145, 49}, "Form1", 2},
    {"Label2", "QLabel", "расстояние от точки питания антенны до места включения в ее полотно катушки метры (B)",
        {8, 72, 129, 65}, "Form1", 3},
    {"Text2", "QLineEdit", "", {144, 88, 89, 25}, "Form1", 4},
    {"Label3", "QLabel", "диаметр провода из которого изготовлено полотно антенны мм", {8, 144, 121, 49}, "Form1", 5},
    {"Text3", "QLineEdit", "", {144, 152, 89, 25}, "Form1", 6},
    {"Label4", "QLabel", "расчетная резонансная частота антенны МГц", {8, 208, 121, 41}, "Form1", 7},
    {"Text4", "QLineEdit", "", {144, 208, 89, 25}, "Form1", 8},
    {"Frame1", "QGroupBox", "вывод данных", {264, 120, 153, 121}, "Form1", 9},
    {"Label5", "QLabel", "расчетная индуктивность удлиняющей катушки мкГн", {8, 24, 137, 49}, "Frame1", 10},
    {"Text5", "QLineEdit", "", {16, 72, 121, 25}, "Frame1", 11},
    {"Command2", "QPushButton", "выход", {272, 304, 145, 49}, "Form1", 12},
    {"Command3", "QPushButton", "Автор программы", {272, 248, 145, 49}, "Form1", 13},
    {"Image1", "forms::ImageBox", "", {8, 248, 241, 121}, "Form1", forms::kNoTabIndex},
};

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        captured.onReport = [this](const forms::RuntimeError& error) {
            if (auto* fault = dynamic_cast<const forms::FloatingPointError*>(&error))
                failedTests.push_back(fault->test());
            // The clean-up has run by now: no text box is held but by its window.
            for (const auto& box : {form->Text1(), form->Text2(), form->Text3(), form->Text4(), form->Text5()})
                EXPECT_EQ(box->refCount(), 2) << box->name();
        };
        form = Ref<Form1>(new Form1);
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        deleteUnloadedWindows();
    }

    QWidget* widget(const char* name) const { return forms::qtWidget(*form)->findChild<QWidget*>(name); }
    QLineEdit* box(const char* name) const { return qobject_cast<QLineEdit*>(widget(name)); }

    void enter(const char* A, const char* B, const char* D, const char* f)
    {
        box("Text1")->setText(QString::fromUtf8(A));
        box("Text2")->setText(QString::fromUtf8(B));
        box("Text3")->setText(QString::fromUtf8(D));
        box("Text4")->setText(QString::fromUtf8(f));
    }

    // Clicks "расчет L катушки" and gives back what Text5 then shows.
    std::string calculate()
    {
        QTest::mouseClick(widget("Command1"), Qt::LeftButton);
        return box("Text5")->text().toStdString();
    }

    std::vector<std::string> inputs() const
    {
        std::vector<std::string> texts;
        for (const char* name : {"Text1", "Text2", "Text3", "Text4"})
            texts.push_back(box(name)->text().toStdString());
        return texts;
    }

    CapturedReports captured;
    std::vector<std::string>& reports = captured.messages;
    Ref<Form1> form;
    std::vector<int> failedTests;
};

TEST_F(Form1Test, WindowHasItsCaptionClientAreaAndPlace)
{
    EXPECT_EQ(forms::qtWidget(*form)->windowTitle(), QString("ZELMOR расчет укороченого диполя"));
    EXPECT_EQ(forms::qtWidget(*form)->geometry(), QRect(465, 249, 423, 364));
}

TEST_F(Form1Test, EveryControlMatchesTheLayout)
{
    ASSERT_EQ(form->layout().controls.size(), std::size(kExpected));
    for (const ExpectedControl& expected : kExpected) {
        SCOPED_TRACE(expected.name);
        const QWidget* control = widget(expected.name);
        ASSERT_NE(control, nullptr);
        EXPECT_STREQ(control->metaObject()->className(), expected.qtClass);
        EXPECT_EQ(captionOf(control), QString::fromUtf8(expected.caption));
        EXPECT_EQ(control->geometry(), expected.pixels);
        EXPECT_EQ(control->parentWidget()->objectName().toStdString(), expected.container);
        const auto& layout = form->layout().controls[forms::indexOf(form->layout().controls, expected.name)];
        EXPECT_EQ(layout.tabIndex, expected.tabIndex);
    }
}

TEST_F(Form1Test, CaptionsHaveExactlyThreeLatinLetters)
{
    std::string latin;
    for (const forms::ControlLayout& control : form->layout().controls) {
        for (const char c : control.caption) {
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
                latin += c;
        }
    }
    EXPECT_EQ(latin, "LBA"); // in creation order: Command1, Label2, Label1
}

TEST_F(Form1Test, EveryCaptionFitsItsBox)
{
    for (const ExpectedControl& expected : kExpected) {
        if (*expected.caption)
            expectCaptionFitsItsBox(widget(expected.name));
    }
}

TEST_F(Form1Test, OpensEmptyWithTheFocusInTheFirstField)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(forms::qtWidget(*form)));
    EXPECT_EQ(QApplication::focusWidget(), widget("Text1"));
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
}

TEST_F(Form1Test, TabCyclesInFocusOrderAndShiftTabGoesBack)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(forms::qtWidget(*form)));
    const std::vector<std::string> cycle{"Command1", "Text2", "Text3", "Text4", "Text5", "Command2", "Command3",
        "Text1"};
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(visited, cycle);

    std::vector<std::string> back;
    for (std::size_t i = 0; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        back.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(back, (std::vector<std::string>{"Command3", "Command2", "Text5", "Text4", "Text3", "Text2", "Command1",
                        "Text1"}));
}

TEST_F(Form1Test, NoButtonIsDefaultAndEnterStartsNothing)
{
    for (auto* button : forms::qtWidget(*form)->findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
    }
    enter("5", "2", "2", "7,1");
    for (const char* name : {"Text1", "Text4", "Text5"}) {
        QTest::keyClick(box(name), Qt::Key_Return);
        QTest::keyClick(box(name), Qt::Key_Enter);
    }
    EXPECT_TRUE(box("Text5")->text().isEmpty());
}

struct Calculation {
    const char* name;
    const char *A, *B, *D, *f;
    const char* L;
};

class Calculations : public Form1Test, public ::testing::WithParamInterface<Calculation> {};

TEST_P(Calculations, ShowTheInductanceInTheOutputField)
{
    const Calculation& c = GetParam();
    enter(c.A, c.B, c.D, c.f);
    EXPECT_EQ(calculate(), c.L);
    EXPECT_EQ(inputs(), (std::vector<std::string>{c.A, c.B, c.D, c.f}));
    EXPECT_TRUE(reports.empty());
}

INSTANTIATE_TEST_SUITE_P(Form1, Calculations,
    ::testing::Values(Calculation{"Typical", "5", "2", "2", "7.1", "15.9556886690632"},
        Calculation{"DecimalComma", "5", "2", "2", "7,1", "15.9556886690632"},
        Calculation{"BlanksAround", " 5 ", "2 ", " 2", "  7,1", "15.9556886690632"},
        Calculation{"ArmLongerThanResonant", "12", "2", "2", "7.1", "-3.14985084962686"},
        Calculation{"Band40m", "7,5", "4", "1,5", "7,05", "9.52499946341351"},
        Calculation{"Band80m", "15", "7", "2.5", "3.65", "14.398227988785"},
        Calculation{"CoilAtFeedPoint", "10", "0", "2", "7.1", "0.0621303763296645"},
        Calculation{"ArmNeedsNoCoil", "10", "2", "2", "7.13", "0"}),
    caseName);

TEST_F(Form1Test, TextTypedIntoTheOutputFieldChangesNothing)
{
    enter("5", "2", "2", "7.1");
    QTest::keyClicks(box("Text5"), "123,4");
    EXPECT_EQ(calculate(), "15.9556886690632");
    EXPECT_EQ(calculate(), "15.9556886690632");
}

struct Failure {
    const char* name;
    const char *A, *B, *D, *f;
    std::string message;
};

// The fields as the messages name them.
const std::string kFieldA = "«длина излучателя (A)»";
const std::string kFieldB = "«расстояние от точки питания антенны до катушки (B)»";
const std::string kFieldD = "«диаметр провода (D)»";
const std::string kFieldF = "«расчетная резонансная частота (f)»";

class Failures : public Form1Test, public ::testing::WithParamInterface<Failure> {};

TEST_P(Failures, AreReportedAndLeaveEveryFieldAsItWas)
{
    const Failure& c = GetParam();
    enter("5", "2", "2", "7.1");
    ASSERT_EQ(calculate(), "15.9556886690632");

    enter(c.A, c.B, c.D, c.f);
    EXPECT_EQ(calculate(), "15.9556886690632");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], c.message);
    EXPECT_EQ(inputs(), (std::vector<std::string>{c.A, c.B, c.D, c.f}));

    // The program goes on.
    enter("5", "2", "2", "7.1");
    box("Text5")->clear();
    EXPECT_EQ(calculate(), "15.9556886690632");
    EXPECT_EQ(reports.size(), 1u);
}

// One row for each kind of message: the field to correct and what is wrong with it.
INSTANTIATE_TEST_SUITE_P(Form1, Failures,
    ::testing::Values(Failure{"EmptyField", "5", " ", "2", "7.1", "Поле " + kFieldB + " пусто: введите число."},
        Failure{"Letters", "5", "2", "два", "7.1", "В поле " + kFieldD + " не число: «два»."},
        Failure{"LongTextIsCut", "5", "2", "2", "7,1 МГц, середина диапазона 40 м",
            "В поле " + kFieldF + " не число: «7,1 МГц, середина диапаз…»."},
        Failure{"NumberTooLarge", "1e400", "2", "2", "7.1", "Число «1e400» в поле " + kFieldA + " слишком велико."},
        Failure{"ZeroFrequency", "5", "2", "2", "0", "Значение в поле " + kFieldF + " не может быть равно нулю."},
        Failure{"ZeroDiameter", "5", "2", "0", "7.1", "Значение в поле " + kFieldD + " не может быть равно нулю."},
        Failure{"ArmShorterThanB", "1", "2", "2", "7.1",
            "Значение в поле " + kFieldA + " должно быть больше значения в поле " + kFieldB + "."},
        Failure{"NegativeDiameter", "5", "2", "-2", "7.1", "Значение в поле " + kFieldD + " должно быть больше нуля."},
        Failure{"ArmShorterThanBAndNegativeDiameter", "1", "2", "-2", "7.1",
            "Значение в поле " + kFieldA + " должно быть больше значения в поле " + kFieldB + ", а значение в поле "
                + kFieldD + " — больше нуля."},
        Failure{"CoilAtTheResonantArm", "100", "71.3", "2", "1",
            "Значение в поле " + kFieldB + " должно быть меньше 71,3 / f."},
        Failure{"NegativeFrequency", "5", "2", "2", "\u22127,1", "Значение в поле " + kFieldF + " должно быть больше нуля."},
        // A logarithm of a value too small for a double: no input breaks a condition.
        Failure{"LogarithmUnderflow", "1e-300", "0", "1e308", "7.1",
            "Значения в полях " + kFieldA + ", " + kFieldB + ", " + kFieldD + " слишком велики или слишком малы для расчета."},
        // An overflow in the last step says only that the numbers are too far out.
        Failure{"ArmAtTheCoil", "1e-320", "0", "2", "7.1",
            "Значения в полях " + kFieldA + ", " + kFieldB + ", " + kFieldD + ", " + kFieldF
                + " слишком велики или слишком малы для расчета."},
        Failure{"HugeArm", "1e308", "0", "2", "7.1",
            "Значения в полях " + kFieldA + ", " + kFieldB + " слишком велики или слишком малы для расчета."}),
    caseName);

TEST_F(Form1Test, NumberTooLargeIsReportedForEveryFieldBeforeAnyFaultTest)
{
    const std::string fields[] = {kFieldA, kFieldB, kFieldD, kFieldF};
    for (int i = 0; i < 4; ++i) {
        std::vector<const char*> texts{"5", "2", "2", "7.1"};
        texts[i] = "-1e400";
        enter(texts[0], texts[1], texts[2], texts[3]);
        calculate();
        ASSERT_EQ(reports.size(), i + 1u);
        EXPECT_EQ(reports[i], "Число «-1e400» в поле " + fields[i] + " слишком велико.");
    }
    EXPECT_TRUE(failedTests.empty());
}

struct Pasted {
    const char* name;
    // The frequency field before the paste, with the cursor at its start.
    const char* before;
    const char* clipboard;
    const char* field;
    // Text5 after a calculation with A = 5, B = 2, D = 2, or the message.
    std::string gives;
};

class PastedTexts : public Form1Test, public ::testing::WithParamInterface<Pasted> {};

TEST_P(PastedTexts, KeepTheirFirstLineAndTheBlanksAroundANumber)
{
    const Pasted& c = GetParam();
    enter("5", "2", "2", c.before);
    QLineEdit* field = box("Text4");
    field->setCursorPosition(0);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text().toStdString(), c.field);
    const std::string result = calculate();
    EXPECT_EQ(reports.empty() ? result : reports[0], c.gives);
}

INSTANTIATE_TEST_SUITE_P(Form1, PastedTexts,
    ::testing::Values(Pasted{"LineBreak", "", "7,1\n", "7,1", "15.9556886690632"},
        Pasted{"CarriageReturnAndLineBreak", "", "7,1\r\n", "7,1", "15.9556886690632"},
        Pasted{"TwoLines", "", "7,1\r\n8,2\r\n", "7,1", "15.9556886690632"},
        Pasted{"UnicodeLineSeparator", "", "7,1\u20288,2", "7,1", "15.9556886690632"},
        Pasted{"AroundTheInsertionPoint", "1", "7,\n9", "7,1", "15.9556886690632"},
        Pasted{"NoBreakSpaces", "", "\u00A07,1\u00A0", "\u00A07,1\u00A0", "15.9556886690632"},
        Pasted{"NarrowNoBreakSpace", "", "7,1\u202F", "7,1\u202F", "15.9556886690632"},
        Pasted{"InvisibleBlanks", "", "\u200B7,1\uFEFF", "\u200B7,1\uFEFF", "15.9556886690632"},
        Pasted{"MinusSign", "", "\u22127,1", "\u22127,1", "Значение в поле " + kFieldF + " должно быть больше нуля."},
        Pasted{"BlankLinesFirst", "", "\n \r\n7,1\n8,2", "7,1", "15.9556886690632"}),
    caseName);

TEST_F(Form1Test, ResultShowsFromItsFirstCharacter)
{
    enter("10.0000003", "2", "2", "7.13");
    EXPECT_EQ(calculate(), "-5.33592933711212E-07");
    EXPECT_EQ(box("Text5")->cursorPosition(), 0);
}

TEST_F(Form1Test, ResultHasTheDecimalSeparatorSetAndInputTakesBoth)
{
    forms::setDecimalSeparator(',');
    enter("5", "2", "2", "7.1");
    const std::string withPoint = calculate();
    enter("5", "2", "2", "7,1");
    const std::string withComma = calculate();
    forms::setDecimalSeparator('.');
    EXPECT_EQ(withPoint, "15,9556886690632");
    EXPECT_EQ(withComma, "15,9556886690632");
}

TEST_F(Form1Test, FaultInTheLastTestLeavesTheOutputFieldAsItWas)
{
    enter("5", "2", "2", "7.1");
    ASSERT_EQ(calculate(), "15.9556886690632");
    // L fits only the working format; the fixture checks that Text5 is released.
    enter("1e-320", "0", "2", "7.1");
    EXPECT_EQ(calculate(), "15.9556886690632");
    EXPECT_EQ(failedTests, std::vector<int>{11});
}

TEST_F(Form1Test, NoReferenceIsHeldAfterAClick)
{
    const int windowRefs = form->refCount();
    for (const char* f : {"7.1", "0", "x"}) {
        enter("5", "2", "2", f);
        calculate();
        EXPECT_EQ(form->refCount(), windowRefs) << f;
        for (const auto& box : {form->Text1(), form->Text2(), form->Text3(), form->Text4(), form->Text5()})
            EXPECT_EQ(box->refCount(), 2) << box->name() << " after f = " << f;
    }
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(Form1Test, FailedTextAccessIsReportedWithInterfaceAndOperation)
{
    enter("5", "2", "2", "7.1");
    delete widget("Text3");
    calculate();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0],
        "Не удалось выполнить операцию «чтение текста (Text)» над объектом «Text3»: объект больше не существует. "
        "Код ошибки 0x80010108, интерфейс {33AD4EE1-6699-11CF-B70C-00AA0060D393}.");
}

TEST_F(Form1Test, OutputFieldIsTouchedOnlyAfterTheLastFaultTest)
{
    delete widget("Text5");
    enter("5", "2", "2", "0");
    QTest::mouseClick(widget("Command1"), Qt::LeftButton);
    enter("5", "2", "2", "7.1");
    QTest::mouseClick(widget("Command1"), Qt::LeftButton);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], "Значение в поле «расчетная резонансная частота (f)» не может быть равно нулю.");
    EXPECT_EQ(reports[1],
        "Не удалось выполнить операцию «запись текста (Text)» над объектом «Text5»: объект больше не существует. "
        "Код ошибки 0x80010108, интерфейс {33AD4EE1-6699-11CF-B70C-00AA0060D393}.");
}

} // namespace

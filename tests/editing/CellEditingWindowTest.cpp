// The in-place editing rules in the real window: the position display, which keys and which
// cell loads mark the table modified, the longest text and single-line cells.
#include "opening/WindowSteps.h"

#include "platform/TShape.h"
#include "platform/TStatusBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextEdit>

namespace {

// Five data rows of three columns, the first row taken as labels.
const QByteArray kTable = "\"A\",\"B\",\"C\"\r\n\"a1\",\"b1\",\"c1\"\r\n\"a2\",\"b2\",\"c2\"\r\n"
                          "\"a3\",\"b3\",\"c3\"\r\n\"a4\",\"b4\",\"c4\"\r\n\"a5\",\"b5\",\"c5\"\r\n";

const char* const kTruncated = "Length of text will be truncated.  Text was longer than maximum permissable length.";
const char* const kMultiline = "Cannot use multiline data (linefeeds, etc).  Data was unchanged.";

class CellEditingTest : public WindowTest {
protected:
    void SetUp() override
    {
        OpenText(kTable, "Yes");
        ASSERT_TRUE(form_->FileOpen);
        ClearShownMessages();
    }

    QLineEdit* Editor() { return form_->StringGrid1->Editor(); }

    void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(Editor(), &press);
    }

    // Text arriving in the editor as a paste does: inserted at the cursor, as an edit.
    void Paste(const QString& text) { Editor()->insert(text); }

    bool Yellow() { return form_->Shape1->BrushColor() == kLightYellow; }

    std::vector<QString> MessageTexts()
    {
        std::vector<QString> texts;
        for (const ShownMessage& message : ShownMessages())
            texts.push_back(message.text);
        return texts;
    }
};

TEST_F(CellEditingTest, ThePanelShowsRowAndColumnOfTheCurrentCell)
{
    form_->StringGrid1->SetCurrentCell(3, 5);
    EXPECT_EQ(form_->StatusBar2->PanelText(0), "5 : 3");
    PressKey(Qt::Key_Up);
    EXPECT_EQ(form_->StatusBar2->PanelText(0), "4 : 3");
}

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    bool marks;
};

class KeyRuleTest : public CellEditingTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyRuleTest, MarksTheTableOnlyForEditingKeys)
{
    form_->StringGrid1->SetCurrentCell(2, 3);
    PressKey(GetParam().key, GetParam().modifiers, GetParam().text);
    EXPECT_EQ(Yellow(), GetParam().marks);
    EXPECT_EQ(form_->Modified, GetParam().marks);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyRuleTest, ::testing::Values(
    KeyCase{"Up", Qt::Key_Up, Qt::NoModifier, "", false},
    KeyCase{"Down", Qt::Key_Down, Qt::NoModifier, "", false},
    KeyCase{"Left", Qt::Key_Left, Qt::NoModifier, "", false},
    KeyCase{"Right", Qt::Key_Right, Qt::NoModifier, "", false},
    KeyCase{"PageDown", Qt::Key_PageDown, Qt::NoModifier, "", false},
    KeyCase{"Home", Qt::Key_Home, Qt::NoModifier, "", false},
    KeyCase{"End", Qt::Key_End, Qt::NoModifier, "", false},
    KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier, "", false},
    KeyCase{"F1", Qt::Key_F1, Qt::NoModifier, "", false},
    KeyCase{"F12", Qt::Key_F12, Qt::NoModifier, "", false},
    KeyCase{"TabUnmodified", Qt::Key_Tab, Qt::NoModifier, "", false},
    KeyCase{"Shift", Qt::Key_Shift, Qt::ShiftModifier, "", true},
    KeyCase{"Control", Qt::Key_Control, Qt::ControlModifier, "", true},
    KeyCase{"CtrlC", Qt::Key_C, Qt::ControlModifier, "", true},
    KeyCase{"Alt", Qt::Key_Alt, Qt::AltModifier, "", true},
    KeyCase{"Enter", Qt::Key_Return, Qt::NoModifier, "", true},
    KeyCase{"Delete", Qt::Key_Delete, Qt::NoModifier, "", true},
    KeyCase{"Backspace", Qt::Key_Backspace, Qt::NoModifier, "", true},
    KeyCase{"Letter", Qt::Key_Q, Qt::NoModifier, "q", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CellEditingTest, TabOnAModifiedTableMarksItAgain)
{
    form_->StringGrid1->SetCurrentCell(1, 1);
    form_->MarkModified();
    form_->RichEdit1->setPlainText("changed since");
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(form_->RichEdit1->toPlainText(), "Statistics refreshed on reload");
    EXPECT_TRUE(Yellow());
}

// The engine keeps the loaded texts; arriving at a cell whose grid text differs marks.
TEST_F(CellEditingTest, ArrivingAtAChangedCellMarksTheTable)
{
    form_->StringGrid1->SetCurrentCell(1, 1);
    form_->StringGrid1->SetCurrentCell(2, 2);
    EXPECT_FALSE(Yellow());
    form_->StringGrid1->SetCells(3, 4, "");
    form_->StringGrid1->SetCurrentCell(3, 4);
    EXPECT_TRUE(Yellow());
    EXPECT_EQ(form_->EditorStartText, "");
}

TEST_F(CellEditingTest, WithNoFileOpenALoadOnlyRecordsTheStartText)
{
    form_->FileOpen = false;
    form_->StringGrid1->SetCells(3, 4, "not the engine's");
    form_->StringGrid1->SetCurrentCell(3, 4);
    EXPECT_FALSE(Yellow());
    EXPECT_EQ(form_->EditorStartText, "not the engine's");
}

TEST_F(CellEditingTest, ARowTheEngineDoesNotHaveIsReportedAndKeepsTheStartText)
{
    form_->StringGrid1->SetCurrentCell(1, 1);
    form_->StringGrid1->SetRowCount(8);
    form_->StringGrid1->SetCells(1, 7, "grid only");
    {
        DialogSteps steps{Press("OKBtn")};
        form_->StringGrid1->SetCurrentCell(1, 7);
    }
    EXPECT_EQ(MessageTexts(), std::vector<QString>{"Report problem in beta test code: String Grid Get-Edit-Text"});
    EXPECT_EQ(ShownMessages()[0].title, "Problem");
    EXPECT_EQ(form_->EditorStartText, "a1");
    EXPECT_EQ(Editor()->text(), "grid only");
}

TEST_F(CellEditingTest, TenThousandCharactersStayAndOneMoreIsCutWithAWarning)
{
    form_->StringGrid1->SetCurrentCell(1, 1);
    Editor()->clear();
    Paste(QString(10000, 'x'));
    EXPECT_TRUE(ShownMessages().empty());
    EXPECT_EQ(form_->StringGrid1->Cells(1, 1).size(), 10000);
    {
        DialogSteps steps{Press("OKBtn")};
        Paste("y");
    }
    EXPECT_EQ(MessageTexts(), std::vector<QString>{kTruncated});
    EXPECT_EQ(ShownMessages()[0].title, "Warning");
    EXPECT_EQ(form_->StringGrid1->Cells(1, 1), QString(10000, 'x'));
    EXPECT_EQ(Editor()->text(), QString(10000, 'x'));
}

TEST_F(CellEditingTest, ALineBreakIsRefusedAndTheCellGetsBackItsTextOnArrival)
{
    form_->StringGrid1->SetCurrentCell(2, 3);
    Editor()->end(false);
    PressKey(Qt::Key_Z, Qt::NoModifier, "z");
    ASSERT_EQ(form_->StringGrid1->Cells(2, 3), "b3z");
    {
        DialogSteps steps{Press("OKBtn")};
        Paste("one\ntwo");
    }
    EXPECT_EQ(MessageTexts(), std::vector<QString>{kMultiline});
    EXPECT_EQ(ShownMessages()[0].title, "Problem");
    EXPECT_EQ(form_->StringGrid1->Cells(2, 3), "b3");
    EXPECT_EQ(Editor()->text(), "b3");
}

// The cut comes first and reloads the editor, so the refusal restores the cut text.
TEST_F(CellEditingTest, ALongTextWithALateLineBreakIsCutThenRefused)
{
    form_->StringGrid1->SetCurrentCell(1, 2);
    Editor()->clear();
    {
        DialogSteps steps{Press("OKBtn"), Press("OKBtn")};
        Paste(QString(10005, 'x') + "\r\nmore");
    }
    EXPECT_EQ(MessageTexts(), (std::vector<QString>{kTruncated, kMultiline}));
    EXPECT_EQ(form_->StringGrid1->Cells(1, 2), QString(10000, 'x'));
}

// A start text that itself holds a line break is restored once; the reload does not run
// the rule again.
TEST_F(CellEditingTest, AStartTextWithALineBreakIsRestoredOnce)
{
    form_->StringGrid1->SetCells(2, 2, "line\nbreak");
    form_->StringGrid1->SetCurrentCell(2, 2);
    ASSERT_EQ(form_->EditorStartText, "line\nbreak");
    Editor()->end(false);
    {
        DialogSteps steps{Press("OKBtn")};
        PressKey(Qt::Key_X, Qt::NoModifier, "x");
    }
    EXPECT_EQ(MessageTexts(), std::vector<QString>{kMultiline});
    EXPECT_EQ(form_->StringGrid1->Cells(2, 2), "line\nbreak");
}

} // namespace

// The question before opening while the change light is yellow: No opens at once, Yes saves
// first and opens only when the save was written.
#include "WindowSteps.h"

#include "platform/TShape.h"

namespace {

const QByteArray kFirst = "\"Name\",\"City\"\r\n\"Ada\",\"London\"\r\n";
const QByteArray kSecond = "\"Item\"\r\n\"Tea\"\r\n\"Coffee\"\r\n";

class SavePromptTest : public WindowTest {
protected:
    void SetUp() override
    {
        Open(Write("first.csv", kFirst), "Yes");
        ASSERT_TRUE(form_->FileOpen);
        form_->StringGrid1->SetCells(2, 1, "Paris");
        form_->MarkModified();
        ASSERT_EQ(form_->Shape1->BrushColor(), kLightYellow);
        second_ = Write("second.csv", kSecond);
        ClearShownMessages();
    }

    bool WasAsked() const
    {
        return !ShownMessages().empty() && ShownMessages().front().text == kSaveCurrentQuestion;
    }
    bool ShowsFirst() { return form_->StringGrid1->Cells(1, 0) == "Name"; }

    QString second_;
};

TEST_F(SavePromptTest, NoOpensTheChosenFileWithAGreenLight)
{
    {
        DialogSteps steps{Press("No"), ChooseFile(second_), Press("Yes")};
        form_->Open1Click();
    }
    EXPECT_TRUE(WasAsked());
    EXPECT_EQ(form_->StringGrid1->Cells(1, 2), "Coffee");
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightGreen);
    EXPECT_TRUE(form_->Shape1->isVisible());
}

TEST_F(SavePromptTest, NoThenCancellingTheDialogKeepsTheTableWithAGreenLight)
{
    {
        DialogSteps steps{Press("No"), CancelFileDialog()};
        form_->Open1Click();
    }
    EXPECT_TRUE(ShowsFirst());
    EXPECT_EQ(form_->StringGrid1->Cells(2, 1), "Paris");
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightGreen);
}

TEST_F(SavePromptTest, YesWritesTheExportThenOpens)
{
    const QString exported = folder_.filePath("saved.csv");
    {
        DialogSteps steps{Press("Yes"), ChooseFile(exported), Press("OKBtn"), ChooseFile(second_), Press("Yes")};
        form_->Open1Click();
    }
    EXPECT_TRUE(WasAsked());
    EXPECT_EQ(Read(exported), "\"Name\",\"City\"\r\n\"Ada\",\"Paris\"\r\n");
    EXPECT_EQ(form_->StringGrid1->Cells(1, 1), "Tea");
    EXPECT_EQ(form_->windowTitle(), " File: " + second_);
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightGreen);
}

TEST_F(SavePromptTest, YesWithTheSaveCancelledOpensNothingAndStaysYellow)
{
    {
        DialogSteps steps{Press("Yes"), CancelFileDialog()};
        form_->Open1Click();
    }
    EXPECT_TRUE(ShowsFirst());
    EXPECT_EQ(form_->StringGrid1->Cells(2, 1), "Paris");
    EXPECT_EQ(form_->Shape1->BrushColor(), kLightYellow);
    EXPECT_TRUE(form_->Modified);
}

} // namespace

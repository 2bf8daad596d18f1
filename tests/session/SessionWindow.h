#pragma once
// A real main window whose current directory is a fresh temporary folder (where its exports
// go) and whose export counter lives there too, with the checks the session tests share.

#include "WindowScript.h"

#include "platform/ExportCounterStore.h"
#include "platform/TImage.h"
#include "platform/TPanel.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/TStatusBar.h"
#include "platform/TStringGrid.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

inline FakeFacts FactsIn(const QTemporaryDir& dir)
{
    FakeFacts facts;
    facts.currentDirectory = dir.path().toStdString();
    return facts;
}

class SessionWindowTest : public ::testing::Test {
protected:
    SessionWindowTest()
        : counter_(dir_.filePath("counter.ini"))
        , form_(true, FactsIn(dir_))
    {
    }

    TForm1& Form() { return form_.Form(); }
    // The facts the window sees; a change takes effect at once.
    FakeFacts& Facts() { return form_.Facts(); }
    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    // The files the window wrote into its folder.
    QStringList Exports() const
    {
        return QDir(dir_.path()).entryList({"*.csv", "*.CSV"}, QDir::Files);
    }

    // Opens the text as table.csv through the open dialog, its first row taken as the column
    // labels; the light is then green and the status panels hold the position, the size and
    // the notice.
    void OpenFile(const QByteArray& text)
    {
        const QString path = PathOf("table.csv");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        WindowScript script{ChooseFile(path), "Yes"};
        Form().Open1Click();
        ASSERT_TRUE(Form().FileOpen);
        ASSERT_FALSE(Form().StatusBar2->PanelText(1).isEmpty());
        ClearShownMessages();
    }

    // A new project of the given number of columns with the default names, started while
    // the light is not yellow (so without the save question).
    void StartProject(int columns)
    {
        WindowScript script{TypeInto(QString::number(columns)), "OKBtn"};
        Form().ToolButton9Click();
    }

    void ExpectLight(bool visible, TColor colour)
    {
        EXPECT_EQ(!Form().Shape1->isHidden(), visible);
        EXPECT_EQ(!Form().Shape2->isHidden(), visible);
        EXPECT_EQ(!Form().Shape3->isHidden(), visible);
        EXPECT_EQ(Form().Shape1->BrushColor(), colour);
    }

    void ExpectStatusPanelsEmpty()
    {
        for (int panel = 0; panel < 3; ++panel)
            EXPECT_EQ(Form().StatusBar2->PanelText(panel), "") << "panel " << panel;
    }

    // The grid, the two text views and the frame shapes, shown or hidden together.
    void ExpectTableViews(bool shown)
    {
        TForm1& form = Form();
        for (QWidget* view : {static_cast<QWidget*>(form.StringGrid1), static_cast<QWidget*>(form.RichEdit1),
                              static_cast<QWidget*>(form.RichEdit2), static_cast<QWidget*>(form.Shape4),
                              static_cast<QWidget*>(form.Shape5), static_cast<QWidget*>(form.Shape6),
                              static_cast<QWidget*>(form.Shape7)})
            EXPECT_EQ(!view->isHidden(), shown) << view->objectName().toStdString();
    }

    // The background picture and the title, tools and menus disabled, the views hidden.
    void ExpectEmptyWindow()
    {
        TForm1& form = Form();
        EXPECT_FALSE(form.FileOpen);
        EXPECT_FALSE(form.Image1->isHidden());
        EXPECT_FALSE(form.Label1->isHidden());
        ExpectTableViews(false);
        EXPECT_FALSE(form.ToolButton2->isEnabled());
        EXPECT_FALSE(form.ToolButton3->isEnabled());
        EXPECT_FALSE(form.Save1->isEnabled());
        EXPECT_FALSE(form.CloseCurrent1->isEnabled());
        EXPECT_TRUE(form.New1->isEnabled());
        ExpectStatusPanelsEmpty();
    }

    // The texts of the grid's header row from column 1 on.
    QStringList HeaderLabels()
    {
        QStringList labels;
        for (int col = 1; col < Form().StringGrid1->ColCount(); ++col)
            labels.append(Form().StringGrid1->Cells(col, 0));
        return labels;
    }

    static QStringList DefaultLabels(int columns)
    {
        QStringList labels;
        for (int k = 1; k <= columns; ++k)
            labels.append("Column:" + QString::number(k));
        return labels;
    }

private:
    QTemporaryDir dir_;
    ScopedExportCounterStore counter_;
    FormHarness form_;
};

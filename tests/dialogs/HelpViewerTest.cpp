#include "platform/HelpViewer.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QSet<QString> AnchorsOf(const QTextDocument& document)
{
    QSet<QString> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& name : it.fragment().charFormat().anchorNames())
                anchors.insert(name);
        }
    }
    return anchors;
}

class HelpViewerTest : public ::testing::Test {
protected:
    void TearDown() override { delete HelpViewerWindow(); }
};

struct TopicCase {
    int context;
    const char* anchor;
    const char* heading;
};

class HelpTopicTest : public HelpViewerTest, public ::testing::WithParamInterface<TopicCase> {};

TEST_P(HelpTopicTest, EachContextShowsItsTopicFromTheResources)
{
    ShowHelpTopic(GetParam().context);
    THelpViewer* viewer = HelpViewerWindow();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->FileFound);
    EXPECT_EQ(viewer->HelpFile, ":/help/COLVANE.HLP");
    EXPECT_EQ(viewer->Anchor, GetParam().anchor);
    EXPECT_EQ(viewer->source().fragment(), GetParam().anchor);
    EXPECT_TRUE(AnchorsOf(*viewer->document()).contains(GetParam().anchor))
        << "the help file has no topic " << GetParam().anchor;
    EXPECT_TRUE(viewer->toPlainText().contains(GetParam().heading));
    EXPECT_TRUE(viewer->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Topics, HelpTopicTest,
    ::testing::Values(TopicCase{100, "contents", "Colvane Help: Contents"},
                      TopicCase{200, "format", "Every field is quoted."},
                      TopicCase{210, "faults", "Multiline data (linefeeds in data) not allowed!"},
                      TopicCase{300, "opening", "Does the first row contain column labels?"},
                      TopicCase{400, "editing", "10000 characters"},
                      TopicCase{500, "exporting", ".BCSV"},
                      TopicCase{600, "changelight", "Yellow"},
                      TopicCase{999, "contents", "Colvane Help: Contents"}));

TEST_F(HelpViewerTest, TheHelpNamesEveryFaultMessageOfTheReader)
{
    ShowHelpTopic(kHelpFaultMessages);
    const QString help = HelpViewerWindow()->toPlainText();
    for (const char* line : {"Unquoted text found.", "Problem is near character # N",
                             "This program requires quotes around ALL data",
                             "Unquoted text found near character # N",
                             "A data field is too large near character# N",
                             "Multiline data (linefeeds in data) not allowed!",
                             "Not all rows have same number of columns",
                             "The file is too big to process efficiently in the memory that is available."}) {
        EXPECT_TRUE(help.contains(line)) << line;
    }
}

TEST_F(HelpViewerTest, TheFirstPlaceHoldingTheFileWins)
{
    QTemporaryDir empty, holding;
    QFile file(holding.path() + "/COLVANE.HLP");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><body><h1><a name=\"opening\"></a>Local help</h1></body></html>");
    file.close();

    ScopedHelpSearchPlaces places({empty.path(), holding.path(), ":/help"});
    ShowHelpTopic(kHelpOpening);
    THelpViewer* viewer = HelpViewerWindow();
    EXPECT_TRUE(viewer->FileFound);
    EXPECT_EQ(QDir::cleanPath(viewer->HelpFile), QDir::cleanPath(holding.path() + "/COLVANE.HLP"));
    EXPECT_TRUE(viewer->toPlainText().contains("Local help"));
}

TEST_F(HelpViewerTest, AMissingFileIsReportedInTheHelpWindow)
{
    QTemporaryDir empty;
    ScopedHelpSearchPlaces places({empty.path()});
    ShowHelpTopic(kHelpContents);
    THelpViewer* viewer = HelpViewerWindow();
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(viewer->FileFound);
    EXPECT_TRUE(viewer->toPlainText().startsWith("The help file COLVANE.HLP was not found."));
    EXPECT_TRUE(viewer->toPlainText().contains(QDir::toNativeSeparators(empty.path())));
    EXPECT_TRUE(viewer->isVisible());
}

TEST_F(HelpViewerTest, TheDefaultPlacesBeginWithTheResourcesAndEndInShareColvane)
{
    const QStringList places = HelpSearchPlaces();
    ASSERT_GE(places.size(), 3);
    EXPECT_EQ(places[0], ":/help");
    EXPECT_TRUE(places[2].endsWith("share/colvane"));
}

} // namespace

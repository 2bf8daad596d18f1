#pragma once
// The program's help: COLVANE.HLP, an HTML document whose topics are anchors, shown in a
// help window of its own at the topic of a context number.

#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <optional>

inline constexpr const char* kHelpFileName = "COLVANE.HLP";

// Context numbers of the help topics.
enum HelpContext : int {
    kHelpContents = 100,
    kHelpFileFormat = 200,
    kHelpFaultMessages = 210,
    kHelpOpening = 300,
    kHelpEditing = 400,
    kHelpExporting = 500,
    kHelpChangeLight = 600,
};

// The anchor of a context's topic in the help file; empty for an unknown number.
QString HelpTopicAnchor(int context);

// Where the help file is looked for, in order: the program's resources, the program's
// folder, share/colvane beside the program's folder, then share/colvane in the system's
// data folders.
QStringList HelpSearchPlaces();

// The first place that holds the help file, as a full path; empty when none does.
QString FindHelpFile(const QStringList& places);

// The help window: shows a topic, or says that the help file was not found.
class THelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // Shows the topic of the context in the file; an unknown context shows the contents.
    void ShowTopic(const QString& helpFile, int context);
    // Says in the window that the help file is in none of the places.
    void ShowNotFound(const QStringList& places);

    bool FileFound = false;
    QString HelpFile;
    QString Anchor;
};

// Opens (or brings up) the help window at the topic of the context. With a parent (a
// modal dialog, say) the help window belongs to it, so it can be used while the parent
// runs, and closes with it. Failures are not reported beyond what the window shows.
void ShowHelpTopic(int context, QWidget* parent = nullptr);

// The help window, while one is open.
THelpViewer* HelpViewerWindow();

// Replaces the places the help file is looked for, for the lifetime of the object (tests).
class ScopedHelpSearchPlaces {
public:
    explicit ScopedHelpSearchPlaces(QStringList places);
    ~ScopedHelpSearchPlaces();
    ScopedHelpSearchPlaces(const ScopedHelpSearchPlaces&) = delete;
    ScopedHelpSearchPlaces& operator=(const ScopedHelpSearchPlaces&) = delete;

private:
    std::optional<QStringList> previous_;
};

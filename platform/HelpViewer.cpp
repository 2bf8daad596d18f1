#include "platform/HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QUrl>

namespace {

std::optional<QStringList>& PlacesOverride()
{
    static std::optional<QStringList> places;
    return places;
}

QPointer<THelpViewer>& Viewer()
{
    static QPointer<THelpViewer> viewer;
    return viewer;
}

QUrl UrlOf(const QString& path)
{
    if (path.startsWith(QLatin1String(":/")))
        return QUrl(QLatin1String("qrc") + path);
    return QUrl::fromLocalFile(path);
}

} // namespace

QString HelpTopicAnchor(int context)
{
    switch (context) {
    case kHelpContents: return "contents";
    case kHelpFileFormat: return "format";
    case kHelpFaultMessages: return "faults";
    case kHelpOpening: return "opening";
    case kHelpEditing: return "editing";
    case kHelpExporting: return "exporting";
    case kHelpChangeLight: return "changelight";
    default: return QString();
    }
}

QStringList HelpSearchPlaces()
{
    if (PlacesOverride())
        return *PlacesOverride();
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList places{":/help", programDir, QDir::cleanPath(programDir + "/../share/colvane")};
    for (const QString& dataDir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        places << QDir::cleanPath(dataDir + "/colvane");
    return places;
}

QString FindHelpFile(const QStringList& places)
{
    for (const QString& place : places) {
        const QFileInfo file(place + '/' + kHelpFileName);
        if (file.isFile() && file.isReadable())
            return file.filePath();
    }
    return QString();
}

THelpViewer::THelpViewer(QWidget* parent)
    : QTextBrowser(parent)
{
    setObjectName("HelpViewer");
    setWindowTitle("Colvane Help");
    setWindowFlags(Qt::Window);
    setOpenExternalLinks(false);
    resize(640, 520);
}

void THelpViewer::ShowTopic(const QString& helpFile, int context)
{
    FileFound = true;
    HelpFile = helpFile;
    Anchor = HelpTopicAnchor(context);
    if (Anchor.isEmpty())
        Anchor = HelpTopicAnchor(kHelpContents);
    QUrl url = UrlOf(helpFile);
    url.setFragment(Anchor);
    // The file's name does not tell that it is HTML, so say so.
    setSource(url, QTextDocument::HtmlResource);
}

void THelpViewer::ShowNotFound(const QStringList& places)
{
    FileFound = false;
    HelpFile.clear();
    Anchor.clear();
    QString text = QString("The help file %1 was not found.\n\nIt was looked for in:\n").arg(kHelpFileName);
    for (const QString& place : places)
        text += "    " + QDir::toNativeSeparators(place) + '\n';
    setPlainText(text);
}

void ShowHelpTopic(int context, QWidget* parent)
{
    QPointer<THelpViewer>& viewer = Viewer();
    if (viewer && viewer->parentWidget() != parent)
        delete viewer.data();
    if (!viewer) {
        viewer = new THelpViewer(parent);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    const bool alreadyOpen = viewer->isVisible();
    const QStringList places = HelpSearchPlaces();
    const QString helpFile = FindHelpFile(places);
    if (helpFile.isEmpty())
        viewer->ShowNotFound(places);
    else
        viewer->ShowTopic(helpFile, context);
    viewer->show();
    if (alreadyOpen)
        viewer->raise();
    viewer->activateWindow();
}

THelpViewer* HelpViewerWindow()
{
    return Viewer().data();
}

ScopedHelpSearchPlaces::ScopedHelpSearchPlaces(QStringList places)
    : previous_(PlacesOverride())
{
    PlacesOverride() = std::move(places);
}

ScopedHelpSearchPlaces::~ScopedHelpSearchPlaces()
{
    PlacesOverride() = previous_;
}

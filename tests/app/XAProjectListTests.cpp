// The recent-projects list: order and length, cache files of bookmarks and icons, the list file and its failures.

#include "app/integrations/XAIcons.h"
#include "app/shell/XABookmark.h"
#include "app/shell/XAProjectList.h"
#include "core/XAPropertyList.h"
#include "support/XADesktopTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

QImage redIcon() {
    QImage icon(80, 80, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    return icon;
}

QStringList filesIn(const std::string &folder) {
    return QDir(QString::fromStdString(folder)).entryList(QDir::Files, QDir::Name);
}

void loadSynchronously(XAProjectList &list, bool forced = true) {
    bool done = false;
    list.loadFromDiskForced(forced, [&done] { done = true; });
    QVERIFY(XAWaitFor([&done] { return done; }));
}

} // namespace

class XAProjectListTests : public QObject {
    Q_OBJECT

private slots:
    void init() { environment_ = std::make_unique<XADesktopTestEnvironment>(); }
    void cleanup() { environment_.reset(); }

    void theSamePathTwiceLeavesOneEntryOnTop() {
        XAProjectList list("test", 30);
        const std::string first = environment_->makeProject("a", "First");
        const std::string second = environment_->makeProject("b", "Second");
        list.addProjectWithPath(first, redIcon());
        list.addProjectWithPath(second, redIcon());
        list.addProjectWithPath(first, redIcon());
        QCOMPARE(list.projectReferences().size(), size_t(2));
        QCOMPARE(list.projectReferences()[0].pathOnDisk(), first);
        QCOMPARE(list.projectReferences()[1].pathOnDisk(), second);

        // What was saved reads back in the same order, with resolved paths and the cached icons.
        XAProjectList reloaded("test", 30);
        loadSynchronously(reloaded);
        QCOMPARE(reloaded.projectReferences().size(), size_t(2));
        QCOMPARE(reloaded.projectReferences()[0].pathOnDisk(), first);
        QCOMPARE(reloaded.projectReferences()[0].name(), std::string("First"));
        QVERIFY(!reloaded.projectReferences()[0].bookmarkResolvingError());
        QCOMPARE(reloaded.projectReferences()[0].icon().size(), QSize(50, 50));
        QCOMPARE(reloaded.projectReferences()[0].icon().pixelColor(25, 25), QColor(Qt::red));
    }

    void aThirtyFirstProjectDropsTheOldest() {
        XAProjectList list("test", 30);
        std::vector<std::string> paths;
        for (int index = 0; index < 31; ++index) {
            paths.push_back(environment_->makeProject("p" + std::to_string(index), "P" + std::to_string(index)));
            list.addProjectWithPath(paths.back(), redIcon());
        }
        QCOMPARE(list.projectReferences().size(), size_t(30));
        QCOMPARE(list.projectReferences().front().pathOnDisk(), paths[30]);
        QCOMPARE(list.projectReferences().back().pathOnDisk(), paths[1]);
    }

    void projectsOfTheSameNameGetNumberedCacheFiles() {
        XAProjectList list("test", 30);
        list.addProjectWithPath(environment_->makeProject("one", "App"), redIcon());
        list.addProjectWithPath(environment_->makeProject("two", "App"), redIcon());
        QCOMPARE(filesIn(XAProjectReference::bookmarksDirectoryPath()),
                 QStringList({"App-0.bookmark", "App-1.bookmark"}));
        QCOMPARE(filesIn(XAProjectReference::iconsDirectoryPath()), QStringList({"App-0.png", "App-1.png"}));
    }

    void removingAnEntryDeletesItsFilesOnly() {
        XAProjectList list("test", 30);
        list.addProjectWithPath(environment_->makeProject("one", "Kept"), redIcon());
        const std::string removed = environment_->makeProject("two", "Gone");
        list.addProjectWithPath(removed, redIcon());
        list.removeProject(XAProjectReference(list.projectReferences()[0]));
        QCOMPARE(list.projectReferences().size(), size_t(1));
        QCOMPARE(filesIn(XAProjectReference::bookmarksDirectoryPath()), QStringList({"Kept-0.bookmark"}));
        QCOMPARE(filesIn(XAProjectReference::iconsDirectoryPath()), QStringList({"Kept-0.png"}));
        list.removeProjectAtIndex(5); // outside the list: nothing
        QCOMPARE(list.projectReferences().size(), size_t(1));
    }

    void aMissingBookmarkGivesNoPathAndTheGenericIcon() {
        XAProjectList list("test", 30);
        list.addProjectWithPath(environment_->makeProject("one", "App"), redIcon());
        fs::remove_all(XAProjectReference::bookmarksDirectoryPath());
        fs::remove_all(XAProjectReference::iconsDirectoryPath());
        XAProjectList reloaded("test", 30);
        loadSynchronously(reloaded);
        QCOMPARE(reloaded.projectReferences().size(), size_t(1));
        const XAProjectReference &reference = reloaded.projectReferences()[0];
        QCOMPARE(reference.name(), std::string("App"));
        QCOMPARE(reference.pathOnDisk(), std::string());
        QVERIFY(reference.bookmarkResolvingError());
        QCOMPARE(reference.bookmarkResolvingError()->message, std::string("Missing bookmark data"));
        QCOMPARE(reference.icon(), XAProjectFileTypeIcon());
    }

    void aReplacedProjectMakesTheBookmarkStaleButKeepsThePath() {
        const std::string path = environment_->makeProject("one", "App");
        const std::optional<std::string> bookmark = XABookmarkDataForPath(path, nullptr);
        QVERIFY(bookmark);
        fs::rename(path, path + ".moved"); // keeps its inode busy, so the new project gets another one
        environment_->makeProject("one", "App");
        const XABookmarkResolution resolution = XAResolveBookmarkData(*bookmark);
        QCOMPARE(resolution.path, path);
        QVERIFY(resolution.stale);
        QCOMPARE(resolution.error->message, std::string("The bookmark data is stale"));

        fs::remove_all(path);
        const XABookmarkResolution gone = XAResolveBookmarkData(*bookmark);
        QCOMPARE(gone.path, std::string());
        QVERIFY(gone.error);
    }

    void theListFileIsABinaryPropertyListOfThreeKeysPerEntry() {
        XAProjectList list("test", 30);
        list.addProjectWithPath(environment_->makeProject("one", "App"), redIcon());
        QFile file(QString::fromStdString(list.diskPath()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("bplist00"));
        QCOMPARE(QString::fromStdString(list.diskPath()).section('/', -1), QStringLiteral("ProjectList-test.plist"));
        const std::optional<XAValue> saved = XAPropertyListFromFile(list.diskPath(), nullptr);
        QVERIFY(saved && saved->array() && saved->array()->size() == 1);
        const XADictionary &entry = *saved->array()->front().dictionary();
        QCOMPARE(entry.size(), size_t(3));
        QCOMPARE(*entry.get("name")->string(), std::string("App"));
        QCOMPARE(*entry.get("bookmarkCacheID")->string(), std::string("App-0.bookmark"));
        QCOMPARE(*entry.get("iconCacheID")->string(), std::string("App-0.png"));
    }

    void aCorruptListFilePrunesNothing() {
        XAProjectList list("test", 30);
        list.addProjectWithPath(environment_->makeProject("one", "App"), redIcon());
        QFile file(QString::fromStdString(list.diskPath()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("bplist00 this is not a property list");
        file.close();
        XAProjectList reloaded("test", 30);
        loadSynchronously(reloaded);
        QVERIFY(reloaded.isLoadedFromDisk());
        QVERIFY(reloaded.projectReferences().empty());
        QCOMPARE(filesIn(XAProjectReference::bookmarksDirectoryPath()), QStringList({"App-0.bookmark"}));
        QCOMPARE(filesIn(XAProjectReference::iconsDirectoryPath()), QStringList({"App-0.png"}));
    }

    void anAbsentListPrunesEveryCacheFileButOthers() {
        XAProjectList list("test", 30);
        list.addProjectWithPath(environment_->makeProject("one", "App"), redIcon());
        QFile::remove(QString::fromStdString(list.diskPath()));
        QFile other(QString::fromStdString(XAProjectReference::iconsDirectoryPath() + "/notes.txt"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        XAProjectList reloaded("test", 30);
        loadSynchronously(reloaded);
        QVERIFY(filesIn(XAProjectReference::bookmarksDirectoryPath()).isEmpty());
        QCOMPARE(filesIn(XAProjectReference::iconsDirectoryPath()), QStringList({"notes.txt"}));
    }

    void anUnforcedLoadKeepsTheEntriesInMemory() {
        XAProjectList list("test", 30);
        loadSynchronously(list);
        list.addProjectWithPath(environment_->makeProject("one", "App"), redIcon());
        QFile::remove(QString::fromStdString(list.diskPath()));
        loadSynchronously(list, false);
        QCOMPARE(list.projectReferences().size(), size_t(1));
    }

private:
    std::unique_ptr<XADesktopTestEnvironment> environment_;
};

QTEST_MAIN(XAProjectListTests)
#include "XAProjectListTests.moc"

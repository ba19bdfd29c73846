#include "platform/media_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sys/stat.h>

namespace {

// Three folders laid out as an installed game would find them: the program's own, the player's data
// folder and the installed data folder.
class MediaLookup : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        for (const char *folder : {"prefix/bin", "prefix/share/corvane", "home/corvane"})
            ASSERT_TRUE(QDir(root.path()).mkpath(QLatin1String(folder)));
    }

    QString program() const { return root.filePath(QStringLiteral("prefix/bin")); }
    QString player() const { return root.filePath(QStringLiteral("home/corvane")); }
    QString installed() const { return root.filePath(QStringLiteral("prefix/share/corvane")); }
    QStringList fallbacks() const {
        return mediaFallbackFolders(program(), root.filePath(QStringLiteral("home")));
    }

    static QString put(const QString &folder, const QString &name) {
        QFile file(QDir(folder).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
        return file.fileName();
    }

    QTemporaryDir root;
};

TEST_F(MediaLookup, FallbackFoldersAreThePlayersThenTheInstalledOneBesideTheProgram) {
    EXPECT_EQ(fallbacks(), QStringList({player(), installed()}));
    // Without a home folder only the installed folder is left.
    EXPECT_EQ(mediaFallbackFolders(program(), QString()), QStringList({installed()}));
}

TEST_F(MediaLookup, TakesTheFirstFolderThatHoldsTheFile) {
    enum Folder { Program, Player, Installed, None };
    struct Case {
        const char *what;
        std::initializer_list<Folder> holding;
        Folder expected;
    };
    const QString folders[] = {program(), player(), installed()};
    for (const Case &c : {
             Case{"beside the program wins over both", {Program, Player, Installed}, Program},
             Case{"the player's own wins over the installed one", {Player, Installed}, Player},
             Case{"the installed one when no other has it", {Installed}, Installed},
             Case{"the player's alone", {Player}, Player},
             Case{"missing everywhere", {}, None},
         }) {
        for (const QString &folder : folders)
            QFile::remove(QDir(folder).filePath(QStringLiteral("whoosh.wav")));
        for (Folder folder : c.holding)
            put(folders[folder], QStringLiteral("whoosh.wav"));

        const QString found = locateMediaFile(program() + QStringLiteral("/whoosh.wav"), fallbacks());

        EXPECT_EQ(found, c.expected == None ? QString() : folders[c.expected] + QStringLiteral("/whoosh.wav"))
            << c.what;
    }
}

TEST_F(MediaLookup, FindsAClipWhoseNameIsBuiltWithABackslash) {
    const QString clip = put(installed(), QStringLiteral("win.swf"));

    EXPECT_EQ(locateMediaFile(program() + QStringLiteral("\\win.swf"), fallbacks()), clip);
}

// A directory, a FIFO or a dangling link under a media name must not be opened: a FIFO would block the
// game until something wrote to it. Each is passed over for the next folder, or reads as missing.
TEST_F(MediaLookup, PassesOverWhatIsNoRegularFile) {
    const QString besideProgram = program() + QStringLiteral("/clap.wav");
    ASSERT_TRUE(QDir(program()).mkdir(QStringLiteral("clap.wav")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(player() + QStringLiteral("/clap.wav")).constData(), 0600), 0);
    ASSERT_TRUE(
        QFile::link(root.filePath(QStringLiteral("nowhere.wav")), installed() + QStringLiteral("/clap.wav")));

    EXPECT_EQ(locateMediaFile(besideProgram, fallbacks()), QString());

    const QString real = put(root.filePath(QStringLiteral("home")), QStringLiteral("real.wav"));
    QFile::remove(installed() + QStringLiteral("/clap.wav"));
    ASSERT_TRUE(QFile::link(real, installed() + QStringLiteral("/clap.wav")));
    EXPECT_EQ(locateMediaFile(besideProgram, fallbacks()), installed() + QStringLiteral("/clap.wav"))
        << "a link to a real sound plays";
}

} // namespace

#include "DesktopFolderOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QObject>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace tavoclip {
namespace {

// Stands in for the desktop's file manager: QDesktopServices hands file
// addresses to it instead of to the desktop.
class FileManager : public QObject {
    Q_OBJECT
public:
    QList<QUrl> shown;
public slots:
    void Show(const QUrl& url) { shown.append(url); }
};

TEST(DesktopFolderOpenerTest, AsksTheDesktopOnlyForAFolderThatExists)
{
    FileManager manager;
    // The handler API names its method; there is no functor form.
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &manager, "Show");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DesktopFolderOpener opener;

    EXPECT_FALSE(opener.OpenFolder((dir.path() + "/not made").toStdString()));
    EXPECT_FALSE(opener.OpenFolder(""));
    QFile file(dir.path() + "/a file");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(opener.OpenFolder(file.fileName().toStdString()));
    EXPECT_TRUE(manager.shown.isEmpty());

    EXPECT_TRUE(opener.OpenFolder(dir.path().toStdString()));
    ASSERT_EQ(manager.shown.size(), 1);
    EXPECT_EQ(QDir(manager.shown[0].toLocalFile()), QDir(dir.path()));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

}  // namespace
}  // namespace tavoclip

#include "DesktopFolderOpenerTest.moc"

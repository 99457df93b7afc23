#include "CanberraSoundPlayer.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavoclip {
namespace {

// Without a sound server (as on a build machine) playing must give up at
// once; with one, a half-second wave plays to its end. Either way it returns.
TEST(CanberraSoundPlayerTest, PlayReturnsForAWaveFileAndForAMissingOne)
{
    QTemporaryDir dir;
    const QString wave = dir.filePath("sound.wav");
    ASSERT_EQ(QProcess::execute("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=duration=0.5", "-y", wave}), 0);
    CanberraSoundPlayer player(std::chrono::seconds(5));
    player.PlayAndWait(wave.toStdString());
    player.PlayAndWait(dir.filePath("missing.wav").toStdString());
    player.PlayAndWait("");
    SUCCEED();
}

}  // namespace
}  // namespace tavoclip

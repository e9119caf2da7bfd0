// The sound player on SDL's disk audio output: what it writes is the wave's
// samples, once, repeated or looped, and nothing for a broken file.
#include "system/playsound.h"
#include "system/wavefile.h"

#include "foundation/tickregistry.h"

#include "sdltest.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

using namespace Veltor;
using VeltorTest::SdlSandbox;
using VeltorTest::WaitFor;

namespace {

// 0.1 s of 16-bit mono samples that are never silent, in a pattern of its
// own per seed.
std::vector<qint16> Pattern(int seed) {
  std::vector<qint16> samples(2205);
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = qint16(seed * 1000 + 1 + int(i % 700));
  return samples;
}

QByteArray Bytes(const std::vector<qint16>& samples) {
  return QByteArray(reinterpret_cast<const char*>(samples.data()), int(samples.size() * 2));
}

// Lets the output play out: True when it went quiet within the time.
bool PlayedOut(int ms = 3000) {
  const auto service = TSoundService::Acquire();
  return WaitFor([&] { return !service->Playing(); }, ms);
}

// Where the sound starts after the device's leading silence, and what follows.
struct Output {
  int Lead = 0;
  QByteArray Sound;
};

Output Split(const QByteArray& out) {
  Output result;
  while (result.Lead < out.size() && out[result.Lead] == 0) ++result.Lead;
  result.Lead &= ~1;  // whole samples
  result.Sound = out.mid(result.Lead);
  return result;
}

bool Silent(const QByteArray& bytes) { return bytes.count('\0') == bytes.size(); }

}  // namespace

// Both one-shot commands write the wave's samples and read back as psStopped;
// the waiting one returns only when the sound has ended.
TEST(PlaySound, OnceWritesTheWaveSamplesAndFallsBackToStopped) {
  for (const tPlayState command : {psStartExit, psStartWait}) {
    SdlSandbox sandbox;
    const std::vector<qint16> samples = Pattern(1);
    // A name far longer than any fixed buffer.
    const QString path = sandbox.Path(QString(150, QLatin1Char('n')) + ".wav");
    ASSERT_TRUE(WriteWaveFile(path, samples, 22050));
    {
      TPlaySound player;
      player.SetWaveFile(path);
      player.SetPlayState(command);
      EXPECT_EQ(player.PlayState(), psStopped);
      EXPECT_EQ(TSoundService::Acquire()->Playing(), command == psStartExit);
      ASSERT_TRUE(PlayedOut());
      // The device is given up once the sound is over.
      EXPECT_TRUE(WaitFor(
          [] {
            QCoreApplication::processEvents();
            return !TSoundService::Acquire()->DeviceOpen();
          },
          3000));
    }
    const Output out = Split(sandbox.AudioOut());
    EXPECT_EQ(out.Lead % 2, 0);
    EXPECT_EQ(out.Sound.left(samples.size() * 2), Bytes(samples));
    EXPECT_TRUE(Silent(out.Sound.mid(samples.size() * 2)));
  }
}

TEST(PlaySound, ContinuousRepeatsTheFileItStartedWithUntilStopped) {
  SdlSandbox sandbox;
  const std::vector<qint16> first = Pattern(1), second = Pattern(2);
  ASSERT_TRUE(WriteWaveFile(sandbox.Path("a.wav"), first, 22050));
  ASSERT_TRUE(WriteWaveFile(sandbox.Path("b.wav"), second, 22050));
  TPlaySound player;
  player.SetRepDelay(0.3);
  player.SetWaveFile(sandbox.Path("a.wav"));
  player.SetPlayState(psContinous);
  EXPECT_EQ(player.PlayState(), psContinous);
  EXPECT_TRUE(player.RepeatArmed());
  ASSERT_TRUE(PlayedOut());
  // Another file takes effect only at the next change of PlayState.
  player.SetWaveFile(sandbox.Path("b.wav"));
  // 300 ms are 5 ticks of 55.5 ms.
  for (int i = 0; i < 4; ++i) TimerTick();
  EXPECT_FALSE(TSoundService::Acquire()->Playing());
  TimerTick();
  EXPECT_TRUE(TSoundService::Acquire()->Playing());
  EXPECT_TRUE(player.RepeatArmed());
  ASSERT_TRUE(PlayedOut());

  player.SetPlayState(psStopped);
  EXPECT_FALSE(player.RepeatArmed());
  const QByteArray out = sandbox.AudioOut();
  for (int i = 0; i < 10; ++i) TimerTick();
  EXPECT_FALSE(TSoundService::Acquire()->Playing());

  const QByteArray a = Bytes(first);
  const int at = out.indexOf(a);
  ASSERT_GE(at, 0);
  const int again = out.indexOf(a, at + a.size());
  ASSERT_GT(again, at);
  EXPECT_TRUE(Silent(out.mid(at + a.size(), again - at - a.size())));
  EXPECT_TRUE(Silent(out.mid(again + a.size())));
  EXPECT_EQ(sandbox.AudioOut(), out);  // stopped: nothing more written
}

TEST(PlaySound, ZeroDelayLoopsSeamlessly) {
  SdlSandbox sandbox;
  const std::vector<qint16> samples = Pattern(3);
  ASSERT_TRUE(WriteWaveFile(sandbox.Path("loop.wav"), samples, 22050));
  TPlaySound player;
  player.SetRepDelay(0);
  player.SetWaveFile(sandbox.Path("loop.wav"));
  player.SetPlayState(psContinous);
  EXPECT_FALSE(player.RepeatArmed());
  // Still playing well after three lengths of the sound.
  EXPECT_FALSE(PlayedOut(350));
  player.SetPlayState(psStopped);
  const Output out = Split(sandbox.AudioOut());
  const QByteArray once = Bytes(samples);
  EXPECT_EQ(out.Sound.left(3 * once.size()), once + once + once);
}

TEST(PlaySound, BrokenFilesAndMissingDevicesPlayNothing) {
  SdlSandbox sandbox;
  const auto write = [&](const char* name, const QByteArray& bytes) {
    QFile file(sandbox.Path(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  };
  ASSERT_TRUE(write("notes.wav", "RIFF but not really a wave file at all"));
  ASSERT_TRUE(write("cut.wav", WaveBytes(Pattern(1), 22050).left(40)));

  TPlaySound player;
  for (const QString& name :
       {QString(), sandbox.Path("missing.wav"), sandbox.Path("notes.wav"), sandbox.Path("cut.wav"), sandbox.Path("")}) {
    player.SetWaveFile(name);
    player.SetPlayState(psStartWait);
    player.SetPlayState(psStartExit);
    player.SetPlayState(psContinous);
    for (int i = 0; i < 40; ++i) TimerTick();
    player.SetPlayState(psStopped);
    EXPECT_FALSE(QFile::exists(sandbox.Path("audio.raw"))) << name.toStdString();
  }
}

TEST(PlaySound, WithoutAnAudioDeviceNothingIsPlayedOrRaised) {
  SdlSandbox sandbox("no-such-driver");
  ASSERT_TRUE(WriteWaveFile(sandbox.Path("a.wav"), Pattern(1), 22050));
  TPlaySound player;
  player.SetWaveFile(sandbox.Path("a.wav"));
  player.SetPlayState(psStartWait);
  EXPECT_EQ(player.PlayState(), psStopped);
  player.SetPlayState(psContinous);
  TimerTick();
  EXPECT_FALSE(TSoundService::Acquire()->Ok());
  EXPECT_FALSE(TSoundService::Acquire()->Playing());
}

TEST(PlaySound, RepDelayIsClampedAndRoundedToMilliseconds) {
  TPlaySound player;
  EXPECT_EQ(player.RepDelay(), 2.0);
  EXPECT_EQ(player.PlayState(), psStopped);
  const std::pair<double, double> cases[] = {{0.1, 0.3}, {500, 120}, {-1, 0.3}, {0.3, 0.3},
                                             {120, 120}, {7.5, 7.5}, {0, 0}};
  for (const auto& [in, out] : cases) {
    player.SetRepDelay(in);
    EXPECT_EQ(player.RepDelay(), out) << in;
  }
  player.SetRepDelay(0.3125);
  EXPECT_EQ(player.RepeatMs(), 312);  // halves go to the even neighbour
  player.SetRepDelay(0.3135);
  EXPECT_EQ(player.RepeatMs(), 314);
}

TEST(PlaySound, TheLibrarySoundsAreOurOwnWaves) {
  InitSystemSounds();
  const auto chime = LoadWave(ChimeSound());
  const auto click = LoadWave(ClickSound());
  ASSERT_TRUE(chime && click);
  EXPECT_EQ(chime->Freq, kSoundFreq);
  EXPECT_EQ(chime->Channels, 1);
  EXPECT_EQ(chime->Samples, Bytes(ChimeSamples()));
  EXPECT_EQ(click->Samples, Bytes(ClickSamples()));
  EXPECT_GT(chime->DurationMs(), 500);
}

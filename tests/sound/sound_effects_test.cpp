#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/resource_pack.hpp"
#include "platform/resources.hpp"
#include "platform/speaker_null_sink.hpp"
#include "records/game_status_record.hpp"
#include "sound/sound_bank.hpp"
#include "sound/sound_effects.hpp"
#include "sound/wave_bytes.hpp"

namespace {

using platform::headless::StartedClips;

class SoundEffectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Load(0);
    sound::OpenSpeaker();
    records::GameStatus = {};
    records::GameStatus.SoundOn = 1;
    records::GameStatus.BallStyle = 1;
    platform::headless::ClearStartedClips();
  }
  void TearDown() override {
    sound::CloseSpeaker();
    for (auto& clip : sound::SoundBank) clip.Unload();
    platform::UseEmbeddedResources();
    records::GameStatus = {};
    sound::PipeSoundClass = 0;
    sound::PipeSoundSide = 0;
    sound::SetEventObserver(nullptr);
    platform::headless::ClearStartedClips();
  }

  // Loads the bank from a pack of tiny clips, one of them damaged if asked.
  void Load(int damagedId) {
    std::vector<platform::PackEntry> entries;
    for (const sound::SoundRow& row : sound::kSoundTable) {
      const int id = row.id;
      // Each clip's samples say which resource it is.
      auto wave =
          wave_bytes::Wave({}, std::vector<std::uint8_t>(2, static_cast<std::uint8_t>(id - 600)));
      if (id == damagedId) wave.resize(20);
      entries.push_back({platform::ResourceKind::Wave, static_cast<std::uint32_t>(id), wave});
    }
    ASSERT_TRUE(platform::BuildResourcePack(entries, pack_));
    platform::UseResourcePack(pack_);
    sound::LoadSoundBank();
  }

  // What one event plays: the resource started, or 0 for silence.
  int Played(int event) {
    platform::headless::ClearStartedClips();
    sound::PlaySoundEffect(event);
    const auto started = StartedClips();
    EXPECT_LE(started.size(), 1u) << event;
    return started.empty() ? 0 : started.front();
  }

  int Pipe(int heatClass, int side, int stereo) {
    records::GameStatus.StereoSound = static_cast<std::uint8_t>(stereo);
    sound::PipeSoundClass = heatClass;
    sound::PipeSoundSide = side;
    return Played(sound::effect::PipeSuction);
  }

  std::vector<std::uint8_t> pack_;
};

TEST_F(SoundEffectsTest, TheBankLoadsInItsOrderAndOpensAtFullClipVolume) {
  const int order[23] = {744, 745, 746, 747, 748, 749, 750, 751, 752, 753, 754, 755,
                         756, 757, 735, 736, 737, 738, 739, 740, 741, 742, 743};
  for (int slot = 0; slot < 23; ++slot) {
    EXPECT_EQ(sound::SoundBank[slot].Tag(), order[slot]);
    EXPECT_EQ(sound::SoundBank[slot].Samples().front(), order[slot] - 600);
    EXPECT_EQ(sound::SoundBank[slot].Volume(), 64u);
  }
  EXPECT_TRUE(sound::Speaker.IsOpen());
  EXPECT_EQ(sound::BankSound(753), &sound::SoundBank[9]);
  EXPECT_EQ(sound::BankSound(734), nullptr);
}

TEST_F(SoundEffectsTest, ADamagedClipIsSilentAndTheOthersStillPlay) {
  Load(743);
  sound::OpenSpeaker();
  EXPECT_TRUE(sound::SoundBank[22].Empty());
  EXPECT_EQ(Pipe(1, 3, 1), 0);
  EXPECT_EQ(Pipe(1, 4, 1), 742);
}

TEST_F(SoundEffectsTest, EachEventPlaysItsOwnSound) {
  EXPECT_EQ(Played(1), 750);
  EXPECT_EQ(Played(2), 746);
  EXPECT_EQ(Played(4), 745);
  EXPECT_EQ(Played(5), 753);
  EXPECT_EQ(Played(6), 748);
  EXPECT_EQ(Played(7), 747);
  EXPECT_EQ(Played(8), 744);
  EXPECT_EQ(Played(12), 741);
  EXPECT_EQ(Played(13), 749);
  for (int silent : {0, 9, 10, 11, 14, -1, 1000}) EXPECT_EQ(Played(silent), 0) << silent;
  // Only the shiny balls knock; moon and rock balls land in silence.
  records::GameStatus.BallStyle = 2;
  EXPECT_EQ(Played(1), 0);
  records::GameStatus.BallStyle = 3;
  EXPECT_EQ(Played(1), 0);
}

TEST_F(SoundEffectsTest, MuteSilencesEveryEventFromTheVeryNextOne) {
  int heard = 0;
  records::GameStatus.SoundOn = 0;
  sound::PipeSoundClass = 1;
  for (int event = 0; event <= 14; ++event) heard += Played(event) != 0;
  EXPECT_EQ(heard, 0);
  records::GameStatus.SoundOn = 1;
  EXPECT_EQ(Played(4), 745);
  records::GameStatus.SoundOn = 2;  // only 1 means on
  EXPECT_EQ(Played(4), 0);
}

TEST_F(SoundEffectsTest, PipeSoundsFollowHeatClassSideAndStereo) {
  const int centre[4] = {754, 755, 735, 738};
  const int right[4] = {743, 757, 737, 740};
  const int left[4] = {742, 756, 736, 739};
  for (int c = 1; c <= 4; ++c) {
    for (int side = 1; side <= 4; ++side) EXPECT_EQ(Pipe(c, side, 0), centre[c - 1]);
    EXPECT_EQ(Pipe(c, 1, 1), centre[c - 1]);
    EXPECT_EQ(Pipe(c, 2, 1), centre[c - 1]);
    EXPECT_EQ(Pipe(c, 3, 1), right[c - 1]);
    EXPECT_EQ(Pipe(c, 4, 1), left[c - 1]);
    EXPECT_EQ(Pipe(c, 0, 1), centre[c - 1]);
  }
  for (int c : {0, 5, -1}) {
    EXPECT_EQ(Pipe(c, 3, 1), 0);
    EXPECT_EQ(Pipe(c, 1, 0), 0);
  }
}

std::vector<int> observed;

TEST_F(SoundEffectsTest, TheObserverHearsEveryRequestEvenSilentOnes) {
  observed.clear();
  sound::SetEventObserver([](int event) { observed.push_back(event); });
  records::GameStatus.SoundOn = 0;
  sound::PlaySoundEffect(9);
  sound::PlaySoundEffect(4);
  EXPECT_EQ(observed, (std::vector<int>{9, 4}));
  EXPECT_TRUE(StartedClips().empty());
}

}  // namespace

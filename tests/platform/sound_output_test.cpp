#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/audio/mixer.hpp"
#include "platform/audio/speaker.hpp"
#include "platform/audio/speaker_null_sink.hpp"
#include "platform/audio/wave_clip.hpp"
#include "platform/desktop/sdl_audio.hpp"
#include "platform/headless/headless.hpp"
#include "sound/wave_bytes.hpp"
#include "support/table_file.hpp"

namespace {

using platform::SoundClip;
using platform::Speaker;
using wave_bytes::Bytes;

// A clip holding the given samples (interleaved when stereo).
SoundClip ClipOf(int tag, const std::vector<std::uint8_t>& samples, int channels) {
  SoundClip clip;
  const auto format = channels == 2 ? wave_bytes::Stereo() : wave_bytes::Format{};
  EXPECT_EQ(clip.Load(wave_bytes::Wave(format, samples), tag), platform::WaveFault::None);
  return clip;
}

// A mono clip of `frames` samples all at `level`.
SoundClip Clip(int tag, std::uint8_t level, std::size_t frames = 64) {
  return ClipOf(tag, std::vector<std::uint8_t>(frames, level), 1);
}

std::vector<std::int16_t> Render(Speaker& speaker, std::size_t frames) {
  std::vector<std::int16_t> out(2 * frames);
  speaker.Render(out);
  return out;
}

class SpeakerTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::headless::ClearStartedClips(); }
  void TearDown() override {
    platform::InstallBackend(nullptr, platform::ScreenConfig{});
    platform::SetWaveOutVolume(platform::MasterFull);
    platform::headless::ClearStartedClips();
  }
};

// A back end with a sound card the test can look into. `sdl` takes SDL's
// audio instead, to run the desktop's own card path.
class CardBackend final : public platform::Backend {
 public:
  struct Card final : platform::AudioOutput {
    explicit Card(CardBackend& b) : backend(b) {}
    ~Card() override { backend.card = nullptr; }
    void Lock() override { backend.everLocked = ++backend.locks == 1 || backend.everLocked; }
    void Unlock() override { --backend.locks; }
    CardBackend& backend;
  };

  std::uint32_t Now() override { return now; }
  void WaitForInput(std::uint32_t) override {}
  void Present(const platform::Bitmap&, const platform::FrameChanges&) override {}
  std::uint32_t RefreshInterval() override { return 16; }
  void Sleep(std::uint32_t) override {}
  std::unique_ptr<platform::AudioOutput> OpenAudio(bool isStereo, platform::AudioFill f,
                                                   void* u) override {
    ++opens;
    if (refuse) return nullptr;
    if (sdl) return platform::OpenSdlAudio(isStereo, f, u);
    stereo = isStereo;
    fill = f;
    user = u;
    auto opened = std::make_unique<Card>(*this);
    card = opened.get();
    return opened;
  }

  // What the card would ask for next.
  std::vector<std::int16_t> Pull(std::size_t samples) const {
    std::vector<std::int16_t> out(samples, 999);
    fill(user, out.data(), samples);
    return out;
  }

  bool sdl = false;
  bool refuse = false;  // no card to be had
  int opens = 0;
  std::uint32_t now = 0;
  Card* card = nullptr;
  int locks = 0;
  bool everLocked = false;
  bool stereo = false;
  platform::AudioFill fill = nullptr;
  void* user = nullptr;
};

// The null sink notes every clip started while open, in the clips' own format only.
TEST_F(SpeakerTest, OnlyAnOpenSpeakerPlaysAndOnlyClipsOfItsFormat) {
  const SoundClip clip = Clip(753, 140), empty;
  Speaker speaker;
  EXPECT_FALSE(speaker.PlaySound(clip, 0));
  EXPECT_FALSE(speaker.Open(44100, 8, true, 0, 8));
  EXPECT_FALSE(speaker.Open(22050, 16, true, 0, 8));
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));
  EXPECT_FALSE(speaker.PlaysOnDevice());
  EXPECT_FALSE(speaker.PlaySound(empty, 0));
  EXPECT_TRUE(speaker.PlaySound(clip, 0));
  speaker.Close();
  EXPECT_EQ(speaker.SoundingVoices(), 0);
  EXPECT_FALSE(speaker.PlaySound(clip, 0));
  EXPECT_EQ(platform::headless::StartedClips(), std::vector<int>{753});
}

TEST_F(SpeakerTest, AClipAskedForAgainAtOnceRestartsInsteadOfDoubling) {
  const SoundClip knock = Clip(750, 200, 5000);
  Speaker speaker;
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));
  for (int i = 0; i < 6; ++i) speaker.PlaySound(knock, 0);
  EXPECT_EQ(speaker.SoundingVoices(), 1);
  EXPECT_EQ(platform::headless::StartedClips().size(), 6u);  // every request is still noted
  // Once it has been heard for a while, a new knock sounds alongside it.
  Render(speaker, platform::RestartWindowFrames);
  speaker.PlaySound(knock, 0);
  EXPECT_EQ(speaker.SoundingVoices(), 2);
}

TEST_F(SpeakerTest, ANinthClipSilencesTheOldestAndTheVolumeIsOneLevelForBothSides) {
  Speaker speaker;
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));
  const SoundClip first = Clip(1, 255, 1000);
  speaker.PlaySound(first, 0);
  EXPECT_EQ(Render(speaker, 1), (std::vector<std::int16_t>{16255, 16255}));
  std::vector<SoundClip> others;
  for (int i = 0; i < 8; ++i) others.push_back(Clip(2 + i, 138, 1000));
  for (const SoundClip& clip : others) speaker.PlaySound(clip, 0);
  EXPECT_EQ(speaker.SoundingVoices(), 8);
  EXPECT_EQ(Render(speaker, 1), (std::vector<std::int16_t>{10239, 10239})) << "8 x +10, no +127";
  speaker.Close();

  // Sound in the right channel only, as the stereo pipe variants have it.
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));
  const SoundClip rightOnly = ClipOf(757, {128, 228, 128, 228}, 2);
  EXPECT_EQ(platform::GetWaveOutVolume(), platform::MasterFull);
  platform::SetWaveOutVolume(24247);  // what the game sets for 37 %
  EXPECT_EQ(platform::GetWaveOutVolume(), 24247u);
  speaker.PlaySound(rightOnly, 0);
  EXPECT_EQ(Render(speaker, 1), (std::vector<std::int16_t>{0, 4735}));
  platform::SetWaveOutVolume(0x12345678);  // beyond 16 bits: full, not a wrapped level
  EXPECT_EQ(platform::GetWaveOutVolume(), platform::MasterFull);
}

TEST_F(SpeakerTest, TheBackEndChoosesWhereTheMixGoes) {
  const SoundClip clip = Clip(750, 200);
  Speaker speaker;
  // No back end: the null sink.
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));
  EXPECT_FALSE(speaker.PlaysOnDevice());

  // The headless back end stays silent even where SDL's video and a sound
  // card are up: nothing guesses the back end from what SDL has started.
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  platform::headless::Start();
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));
  EXPECT_FALSE(speaker.PlaysOnDevice());
  EXPECT_TRUE(speaker.PlaySound(clip, 0));
  speaker.Close();
  platform::headless::Stop();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  unsetenv("SDL_VIDEODRIVER");
  EXPECT_EQ(platform::headless::StartedClips(), (std::vector<int>{750}));

  // A back end with a card: the mix goes there, under the card's lock.
  CardBackend backend;
  platform::InstallBackend(&backend, platform::ScreenConfig{});
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));
  ASSERT_NE(backend.card, nullptr);
  EXPECT_TRUE(speaker.PlaysOnDevice());
  EXPECT_TRUE(backend.stereo);
  EXPECT_TRUE(speaker.PlaySound(clip, 0));
  EXPECT_TRUE(backend.everLocked);
  EXPECT_EQ(backend.locks, 0);
  EXPECT_EQ(backend.Pull(4), (std::vector<std::int16_t>{9215, 9215, 9215, 9215}));
  EXPECT_EQ(platform::headless::StartedClips(), (std::vector<int>{750}));  // nothing new noted
  // Closing lets the card go; a speaker that goes away does too.
  speaker.Close();
  EXPECT_EQ(backend.card, nullptr);
  {
    Speaker another;
    ASSERT_TRUE(another.Open(22050, 8, false, 0, 8));
    EXPECT_NE(backend.card, nullptr);
  }
  EXPECT_EQ(backend.card, nullptr);
  unsetenv("SDL_AUDIODRIVER");
}

TEST_F(SpeakerTest, AMonoCardHearsBothSidesAtHalfWeight) {
  // Left only at +100 for 600 frames: more than one round of the mono fill.
  // At full level +100 is 12799 on the left and nothing on the right.
  std::vector<std::uint8_t> left(1200, 128);
  for (std::size_t i = 0; i < left.size(); i += 2) left[i] = 228;
  const SoundClip clip = ClipOf(736, left, 2);
  CardBackend backend;
  platform::InstallBackend(&backend, platform::ScreenConfig{});
  Speaker speaker;
  ASSERT_TRUE(speaker.Open(22050, 8, false, 0, 8));
  EXPECT_FALSE(backend.stereo);
  speaker.PlaySound(clip, 0);
  const auto first = backend.Pull(599);
  EXPECT_EQ(first, std::vector<std::int16_t>(599, 6399));
  EXPECT_EQ(speaker.SoundingVoices(), 1);
  const auto last = backend.Pull(3);
  EXPECT_EQ(last, (std::vector<std::int16_t>{6399, 0, 0}));
  EXPECT_EQ(speaker.SoundingVoices(), 0);
}

// SDL's dummy driver takes the place of a sound card: the whole desktop card
// path runs, and a machine without audio does not fail the test. A card
// unplugged while the game runs is let go at once; the game plays on in
// silence and asks for a card again now and then, less often while none comes.
TEST_F(SpeakerTest, ARealCardIsUsedLetGoWhenLostAndSoughtAgain) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  // Events outlive the cards, as the desktop's window keeps them going.
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
  CardBackend backend;
  backend.sdl = true;
  backend.now = 5000;
  platform::InstallBackend(&backend, platform::ScreenConfig{});
  const SoundClip clip = Clip(750, 200, 2205);
  Speaker speaker;
  ASSERT_TRUE(speaker.Open(22050, 8, false, 0, 8));
  EXPECT_TRUE(speaker.PlaySound(clip, 0x10000000));
  speaker.Close();
  EXPECT_FALSE(speaker.PlaysOnDevice());
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the card gave SDL's audio back";
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));  // a closed card opens again
  ASSERT_TRUE(speaker.PlaysOnDevice());
  SDL_AudioDeviceID ours = 0;
  for (SDL_AudioDeviceID id = 1; id < 16 && ours == 0; ++id) {
    if (SDL_GetAudioDeviceStatus(id) == SDL_AUDIO_PLAYING) ours = id;
  }
  ASSERT_NE(ours, 0u);
  const auto removed = [](SDL_AudioDeviceID device, Uint8 capture) {
    SDL_Event event{};
    event.type = SDL_AUDIODEVICEREMOVED;
    event.adevice.which = device;
    event.adevice.iscapture = capture;
    SDL_PushEvent(&event);
  };
  removed(ours + 1, 0);  // another card
  removed(ours, 1);      // a microphone of the same number
  EXPECT_TRUE(speaker.PlaySound(clip, 0));
  EXPECT_TRUE(speaker.PlaysOnDevice());
  removed(ours, 0);
  EXPECT_TRUE(speaker.PlaySound(clip, 0));
  EXPECT_FALSE(speaker.PlaysOnDevice());
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "the lost card was not let go";
  EXPECT_EQ(platform::headless::StartedClips(), std::vector<int>{750}) << "noted once silent";

  backend.refuse = true;
  const auto playAfter = [&](std::uint32_t ms) {
    backend.now += ms;
    speaker.PlaySound(clip, 0);
    return backend.opens;
  };
  EXPECT_EQ(playAfter(Speaker::FirstRetryMs - 1), 2);
  EXPECT_EQ(playAfter(1), 3);
  EXPECT_EQ(playAfter(2 * Speaker::FirstRetryMs - 1), 3);
  EXPECT_EQ(playAfter(1), 4);
  for (int tries = 5; tries < 10; ++tries) {
    EXPECT_EQ(playAfter(Speaker::LongestRetryMs), tries) << "waits at most a minute";
  }
  backend.refuse = false;
  playAfter(Speaker::LongestRetryMs);
  EXPECT_TRUE(speaker.PlaysOnDevice()) << "the card came back";
  speaker.Close();
  removed(ours, 0);  // seen by nothing that is gone
  SDL_QuitSubSystem(SDL_INIT_EVENTS);

  // No card to be had, or no sound at all: the game plays on in silence and
  // says so once, in a line of its own; ALSA's reports stay quiet.
  setenv("SDL_AUDIODRIVER", "alsa", 1);
  setenv("AUDIODEV", "no-such-card", 1);
  testing::internal::CaptureStderr();
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));
  EXPECT_FALSE(speaker.PlaysOnDevice());
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8));
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(speaker.PlaysOnDevice());
  EXPECT_TRUE(speaker.PlaySound(clip, 0));
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_EQ(said.find("no-such-driver"), std::string::npos) << "not said at the first: " << said;
  unsetenv("AUDIODEV");
  unsetenv("SDL_AUDIODRIVER");
}

using platform::Voice;

Voice Sounding(const std::vector<std::uint8_t>& samples, int channels, unsigned gain = 64,
               std::uint32_t startedAt = 0) {
  Voice v;
  v.samples = samples.data();
  v.frames = static_cast<std::uint32_t>(samples.size() / channels);
  v.channels = channels;
  v.gain = gain;
  v.startedAt = startedAt;
  return v;
}

std::vector<std::int16_t> Mix(std::span<Voice> voices, std::size_t frames,
                              unsigned master = platform::MasterFull) {
  std::vector<std::int16_t> out(2 * frames, 12345);
  platform::MixVoices(voices, master, out);
  return out;
}

// "A*B" in a row is B written A times.
std::vector<std::string> Expand(const std::vector<std::string>& words) {
  std::vector<std::string> out;
  for (const std::string& word : words) {
    const std::size_t star = word.find('*');
    const int times = star == std::string::npos ? 1 : std::stoi(word.substr(0, star));
    out.insert(out.end(), times, star == std::string::npos ? word : word.substr(star + 1));
  }
  return out;
}

// Rows of voices, the master level and the 16-bit stereo frames mixed from them
// (tests/data/mixer.txt).
TEST(Mixer, EachMixComesOutAsItsRowSays) {
  for (const testing_support::Row& row : testing_support::ReadTable("mixer.txt")) {
    SCOPED_TRACE(row.where);
    const std::vector<std::string> words = Expand(row.fields);
    const auto equals = std::find(words.begin(), words.end(), "=");
    ASSERT_NE(equals, words.end());
    std::vector<std::vector<std::uint8_t>> samples;
    samples.reserve(words.size());  // the voices point into them
    std::vector<Voice> voices;
    for (auto word = words.begin(); word + 1 < equals; ++word) {
      const std::size_t colon = word->find(':');
      const int channels = (*word)[0] == 's' ? 2 : 1;
      std::vector<std::uint8_t>& bytes = samples.emplace_back();
      std::stringstream list(word->substr(colon + 1));
      for (std::string one; std::getline(list, one, ',');) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(one)));
      }
      const unsigned gain = colon > 1 ? static_cast<unsigned>(std::stoi(word->substr(1))) : 64;
      voices.push_back(Sounding(bytes, channels, gain));
    }
    std::vector<std::int16_t> expected;
    for (auto word = equals + 1; word != words.end(); ++word) {
      expected.push_back(static_cast<std::int16_t>(std::stoi(*word)));
    }
    const auto master = static_cast<unsigned>(std::stoul(*(equals - 1)));
    EXPECT_EQ(Mix(voices, expected.size() / 2, master), expected);
  }
}

TEST(Mixer, VoicesRunAcrossCallsAndAreFreedWhenTheyEnd) {
  std::vector<std::uint8_t> ramp(600);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<std::uint8_t>(129 + i % 100);
  std::array<Voice, 1> voices = {Sounding(ramp, 1)};
  const auto first = Mix(voices, 400);  // more than one internal block
  EXPECT_EQ(voices[0].position, 400u);
  EXPECT_EQ(first[2 * 399], (129 + 399 % 100 - 128) * 128 - 1);
  const auto second = Mix(voices, 300);
  EXPECT_EQ(second[2 * 199], (129 + 599 % 100 - 128) * 128 - 1);
  EXPECT_EQ(second[2 * 200], 0);  // the clip is over: silence, not old samples
  EXPECT_EQ(voices[0].samples, nullptr);
}

TEST(Mixer, ANewClipTakesAFreeVoiceElseTheOldest) {
  const std::vector<std::uint8_t> s = {130}, other = {130};
  std::array<Voice, 3> voices = {Sounding(s, 1, 64, 7), Voice{}, Sounding(s, 1, 64, 5)};
  voices[0].position = voices[2].position = platform::RestartWindowFrames;
  EXPECT_EQ(&platform::ClaimVoice(voices, other.data()), &voices[1]);
  voices[1] = Sounding(s, 1, 64, 8);
  voices[1].position = platform::RestartWindowFrames;
  EXPECT_EQ(&platform::ClaimVoice(voices, other.data()), &voices[2]);
  // The same clip asked for again just after its start takes its own voice back.
  voices[0].position = platform::RestartWindowFrames - 1;
  EXPECT_EQ(&platform::ClaimVoice(voices, s.data()), &voices[0]);
  // Start stamps wrap after four billion clips; the oldest is still found.
  voices = {Sounding(s, 1, 64, 2), Sounding(s, 1, 64, 0xFFFFFFF0u), Sounding(s, 1, 64, 1)};
  for (auto& v : voices) v.position = platform::RestartWindowFrames;
  EXPECT_EQ(&platform::ClaimVoice(voices, other.data()), &voices[1]);
}

// Bytes of a clip file as a row writes them (tests/data/wave_files.txt).
Bytes FileOf(const testing_support::Row& row) {
  Bytes file;
  for (std::size_t i = 3; i < row.size(); ++i) {
    const std::string& word = row[i];
    const auto number = [&] { return static_cast<std::uint32_t>(std::stoul(word.substr(4))); };
    if (word.rfind("u16:", 0) == 0) wave_bytes::Put(file, number(), 2);
    if (word.rfind("u32:", 0) == 0) wave_bytes::Put(file, number(), 4);
    if (word.size() == 2) file.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
    if (word.size() == 4) {
      for (char c : word) file.push_back(c == '_' ? ' ' : c);
    }
  }
  return file;
}

// Whatever a damaged or cut file gives, an accepted clip lies inside the bytes
// (the sanitizers watch the reads) and holds whole frames.
TEST(WaveClip, EachFileReadsAsItsRowSaysAndNoBentCopyReadsOutsideIt) {
  const char* const faults[] = {"None",   "NotRiffWave", "Truncated", "NoFormat",
                                "NotPcm", "WrongFormat", "NoSamples", "PartialFrame"};
  for (const testing_support::Row& row : testing_support::ReadTable("wave_files.txt")) {
    SCOPED_TRACE(row.where);
    const Bytes file = FileOf(row);
    platform::WaveData data;
    EXPECT_EQ(faults[static_cast<int>(platform::ParseWave(file, &data))], row[0]);
    SoundClip clip;
    const bool good = clip.Load(file, 736) == platform::WaveFault::None;
    EXPECT_EQ(clip.Empty(), !good) << "a refused clip plays nothing";
    if (!good) continue;
    EXPECT_EQ(clip.Channels(), row.Int(1));
    EXPECT_EQ(clip.Samples().size(), static_cast<std::size_t>(row.Int(2)));
    EXPECT_TRUE(std::equal(clip.Samples().begin(), clip.Samples().end(), file.end() - row.Int(2)));
    for (std::size_t n = 0; n < file.size(); ++n) {
      EXPECT_NE(platform::ParseWave({file.data(), n}, &data), platform::WaveFault::None) << n;
    }
    for (std::size_t at = 0; at < 44; ++at) {
      for (int value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
        Bytes bent = file;
        bent[at] = static_cast<std::uint8_t>(value);
        if (platform::ParseWave(bent, &data) != platform::WaveFault::None) continue;
        EXPECT_TRUE(data.channels == 1 || data.channels == 2);
        EXPECT_GE(data.samples.data(), bent.data());
        EXPECT_LE(data.samples.data() + data.samples.size(), bent.data() + bent.size());
        EXPECT_EQ(data.samples.size() % data.channels, 0u);
      }
    }
  }
}

}  // namespace

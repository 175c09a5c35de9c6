#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace records {

static_assert(std::endian::native == std::endian::little,
              "stored records are little-endian memory images");

// The stored "GameStatus" value: settings, bookkeeping and the kept game. Its
// memory image is the stored format, so every field sits at its stored offset.
// The engine keeps its kept-game fields here, so keeping and resuming a game
// is a plain copy of this record.
struct GameStatusRecord {
  std::int32_t reserved0;          // 0x000
  std::int32_t reserved4;          // 0x004
  std::uint8_t Initialised;        // 0x008
  std::uint8_t padding9[3];        // 0x009
  std::uint32_t GamesPlayed;       // 0x00C
  std::uint8_t reserved10[24];     // 0x010
  std::int32_t VolumePercent;      // 0x028
  std::uint8_t HelpEnabled;        // 0x02C
  std::uint8_t UseJoystick;        // 0x02D
  std::uint8_t reserved2E;         // 0x02E
  std::uint8_t SoundOn;            // 0x02F
  std::int32_t Mode;               // 0x030
  std::int32_t reserved34;         // 0x034
  std::uint32_t GameSpeed;         // 0x038
  std::int32_t Score;              // 0x03C
  std::int32_t Level;              // 0x040
  std::uint8_t SupplyStart;        // 0x044
  std::uint8_t padding45[3];       // 0x045
  std::int32_t PaintColour;        // 0x048
  std::int32_t Reserve;            // 0x04C
  std::int32_t BallColour[36];     // 0x050
  std::int32_t BallLetter[36];     // 0x0E0
  std::uint32_t BallStyle;         // 0x170
  std::int32_t spare174;           // 0x174
  std::int32_t PipeHeatTop[6];     // 0x178
  std::int32_t spare190;           // 0x190
  std::int32_t PipeHeatBottom[6];  // 0x194
  std::int32_t spare1AC;           // 0x1AC
  std::int32_t PipeHeatLeft[6];    // 0x1B0
  std::int32_t spare1C8;           // 0x1C8
  std::int32_t PipeHeatRight[6];   // 0x1CC
  std::int32_t spare1E4;           // 0x1E4
  std::int32_t WordSlot[9];        // 0x1E8, positions 1..9 of the bonus word at [0..8]
  std::int32_t PanicTime;          // 0x20C
  std::int32_t spare210;           // 0x210
  std::int32_t PipeActive[24];     // 0x214, pipes 1..24 at [0..23]
  std::uint8_t StereoSound;        // 0x274
  std::uint8_t padding275[3];      // 0x275
};

static_assert(sizeof(GameStatusRecord) == 632);
static_assert(offsetof(GameStatusRecord, Initialised) == 0x008);
static_assert(offsetof(GameStatusRecord, GamesPlayed) == 0x00C);
static_assert(offsetof(GameStatusRecord, VolumePercent) == 0x028);
static_assert(offsetof(GameStatusRecord, HelpEnabled) == 0x02C);
static_assert(offsetof(GameStatusRecord, UseJoystick) == 0x02D);
static_assert(offsetof(GameStatusRecord, SoundOn) == 0x02F);
static_assert(offsetof(GameStatusRecord, Mode) == 0x030);
static_assert(offsetof(GameStatusRecord, GameSpeed) == 0x038);
static_assert(offsetof(GameStatusRecord, Score) == 0x03C);
static_assert(offsetof(GameStatusRecord, Level) == 0x040);
static_assert(offsetof(GameStatusRecord, SupplyStart) == 0x044);
static_assert(offsetof(GameStatusRecord, PaintColour) == 0x048);
static_assert(offsetof(GameStatusRecord, Reserve) == 0x04C);
static_assert(offsetof(GameStatusRecord, BallColour) == 0x050);
static_assert(offsetof(GameStatusRecord, BallLetter) == 0x0E0);
static_assert(offsetof(GameStatusRecord, BallStyle) == 0x170);
static_assert(offsetof(GameStatusRecord, PipeHeatTop) == 0x178);
static_assert(offsetof(GameStatusRecord, PipeHeatBottom) == 0x194);
static_assert(offsetof(GameStatusRecord, PipeHeatLeft) == 0x1B0);
static_assert(offsetof(GameStatusRecord, PipeHeatRight) == 0x1CC);
static_assert(offsetof(GameStatusRecord, WordSlot) == 0x1E8);
static_assert(offsetof(GameStatusRecord, PanicTime) == 0x20C);
static_assert(offsetof(GameStatusRecord, PipeActive) == 0x214);
static_assert(offsetof(GameStatusRecord, StereoSound) == 0x274);
// The unnamed places travel with the record too; pin them so no field ever slides over one.
static_assert(offsetof(GameStatusRecord, reserved0) == 0x000);
static_assert(offsetof(GameStatusRecord, reserved4) == 0x004);
static_assert(offsetof(GameStatusRecord, padding9) == 0x009);
static_assert(offsetof(GameStatusRecord, reserved10) == 0x010);
static_assert(offsetof(GameStatusRecord, reserved2E) == 0x02E);
static_assert(offsetof(GameStatusRecord, reserved34) == 0x034);
static_assert(offsetof(GameStatusRecord, padding45) == 0x045);
static_assert(offsetof(GameStatusRecord, spare174) == 0x174);
static_assert(offsetof(GameStatusRecord, spare190) == 0x190);
static_assert(offsetof(GameStatusRecord, spare1AC) == 0x1AC);
static_assert(offsetof(GameStatusRecord, spare1C8) == 0x1C8);
static_assert(offsetof(GameStatusRecord, spare1E4) == 0x1E4);
static_assert(offsetof(GameStatusRecord, spare210) == 0x210);
static_assert(offsetof(GameStatusRecord, padding275) == 0x275);
static_assert(std::is_trivially_copyable_v<GameStatusRecord> &&
                  std::has_unique_object_representations_v<GameStatusRecord>,
              "the record is copied and stored as raw bytes");

// The one record, static for the whole run; all zero until the records are loaded.
extern GameStatusRecord GameStatus;

}  // namespace records

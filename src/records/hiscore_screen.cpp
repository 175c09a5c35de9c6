#include "records/hiscore_screen.hpp"

namespace records {

HiScoreLayout HiScoreLayoutOf(std::uint32_t) {
  return HiScoreLayout{0, 88, 286, 18, 92, 36, 24, 146};
}

bool ModeColour(int, int&, int&, int&) {
  return false;
}

void PaintHiScoreScreen(platform::DeviceContext&) {}

}  // namespace records

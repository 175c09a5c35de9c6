#include "records/game_status_record.hpp"

namespace records {

GameStatusRecord GameStatus{};

}  // namespace records

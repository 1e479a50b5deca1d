#pragma once

// The status messages of the table, by id; the windows turn them into words.

#include "Languages.h"

namespace vestorine {

// Status message indices.
enum MessageId : int {
    MsgBlank = 0,
    MsgInviteDeal = 1,
    MsgInvitePick = 2,
    MsgInviteCarry = 3,
    MsgInviteReveal = 4,
    MsgLost = 5,
    MsgWon = 6,
};

inline constexpr int MessageCount = 7;

} // namespace vestorine

#pragma once

#include <optional>

#include "GameState.h"
#include "Statistics.h"

namespace vestorine {

// What the statistics learn from each step of a game; nothing when a step changes no count.
// A game counts from its first card and ends once: won, lost at its first misplaced card, or
// abandoned when a new deal or the end of the program cuts it short.

// A game under way in this phase counted when it started and has not ended yet.
bool hasStarted(GamePhase phase);

// A card turned up by Pick starts a game.
std::optional<StatisticsEvent> pickEvent(const std::optional<int>& picked);
// A chain closed with every card placed wins.
std::optional<StatisticsEvent> placeEvent(const PlaceResult& placed);
// The reveal that decides the game wins or loses it.
std::optional<StatisticsEvent> revealEvent(const RevealResult& revealed);
// Cutting the game short in this phase (a new deal, quitting): abandoned while it runs.
std::optional<StatisticsEvent> interruptionEvent(GamePhase phase);

// A game left unfinished by a copy gone, replaced by a new deal: abandoned once it had started.
std::optional<StatisticsEvent> replacedGameEvent(const GameRecord& left);

} // namespace vestorine

#include "GameEvents.h"

namespace vestorine {

std::optional<StatisticsEvent> pickEvent(const std::optional<int>& picked) {
    if (!picked)
        return std::nullopt;
    return StatisticsEvent::GameStarted;
}

std::optional<StatisticsEvent> placeEvent(const PlaceResult& placed) {
    if (placed.outcome == PlaceOutcome::ChainClosed && placed.AllPlaced)
        return StatisticsEvent::WonByChain;
    return std::nullopt;
}

std::optional<StatisticsEvent> revealEvent(const RevealResult& revealed) {
    if (!revealed.decided)
        return std::nullopt;
    switch (revealed.verdict) {
    case RevealVerdict::Won:
        return StatisticsEvent::WonAtReveal;
    case RevealVerdict::Lost:
        return StatisticsEvent::Lost;
    case RevealVerdict::Continue:
        break;
    }
    return std::nullopt;
}

std::optional<StatisticsEvent> interruptionEvent(GamePhase phase) {
    if (phase == GamePhase::CarryingTalon || phase == GamePhase::Revealing)
        return StatisticsEvent::Abandoned;
    return std::nullopt;
}

} // namespace vestorine

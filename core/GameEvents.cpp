#include "GameEvents.h"

#include "CardBack.h"
#include "RandomSource.h"

namespace vestorine {

namespace {

// A game put back from its record draws nothing.
class NoRandom final : public RandomSource {
public:
    void seedFromClock() override {}
    int uniform(int low, int) override { return low; }
};

} // namespace

bool hasStarted(GamePhase phase) {
    return phase == GamePhase::CarryingTalon || phase == GamePhase::Revealing;
}

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
    if (hasStarted(phase))
        return StatisticsEvent::Abandoned;
    return std::nullopt;
}

std::optional<StatisticsEvent> replacedGameEvent(const GameRecord& left) {
    // The game's own rules say where it stands, as they would if it were still played.
    CardBackChoice back;
    NoRandom none;
    GameState game(back, none);
    game.restore(left);
    return interruptionEvent(game.phase());
}

} // namespace vestorine

// How one call of the store ended, with its own reason: nothing is kept between calls.
#pragma once

#include <string>
#include <utility>

enum class StoreOutcome {
    Done,
    NotFound,  // no cocktail of that name, or one that cannot be read
    Refused,   // the store's limits refuse the record; nothing changed
    Busy,      // another program holds the store for longer than the wait
    Damaged,   // the file is a damaged database
    Foreign,   // the file is something other than a cocktail database
    Failed,    // anything else: the reason says what
};

struct [[nodiscard]] StoreStatus {
    StoreOutcome outcome = StoreOutcome::Done;
    std::string reason;  // in words, empty when Done

    static StoreStatus Ok() { return {}; }
    static StoreStatus Fail(StoreOutcome outcome, std::string reason) { return {outcome, std::move(reason)}; }
    bool ok() const { return outcome == StoreOutcome::Done; }
};

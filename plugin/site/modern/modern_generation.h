// One run of the modern site: the classic run's steps, status texts and failure rules, with
// the modern pages.
#pragma once

#include "site/generation.h"

GenerationResult GenerateModernSite(SQLite::Database& database, const PluginSettings& settings,
                                    const std::string& outDirectory, const std::string& topPage,
                                    GenerationObserver& observer);

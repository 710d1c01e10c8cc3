// The skeleton written at the start of every run: the entry frameset, the inner frameset,
// the main menu, the top page and the footer. None of them reads the database.
#pragma once

#include <string>

#include "site/site_context.h"

bool WriteIndexPage(SiteContext& site, const std::string& indexFileName);
bool WriteMainFrameset(SiteContext& site);
bool WriteMenuPage(SiteContext& site);
bool WriteTopPage(SiteContext& site);
bool WriteTailPage(SiteContext& site);

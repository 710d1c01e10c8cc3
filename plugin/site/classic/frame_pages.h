// The skeleton put at the start of every run: the entry frameset, the inner frameset, the
// main menu, the top page and the footer. None of them reads the database.
#pragma once

#include <string>

#include "core/settings.h"
#include "site/site_page.h"

SitePage RenderIndexPage(const PluginSettings& settings, const std::string& indexFileName);
SitePage RenderMainFrameset(const PluginSettings& settings);
SitePage RenderMenuPage(const PluginSettings& settings);
SitePage RenderTopPage(const PluginSettings& settings);
// `year` is the local year of the run, for the rights line.
SitePage RenderTailPage(const PluginSettings& settings, int year);

// The host's output side: browsing and editing the generated site, and the manual.
#pragma once

#include <string>

class CFolivexDoc;

// Opens the site's entry page (HTMLOutDirectory + "/" + HTMLIndexFileName) with its
// associated program; reports a missing setting or a failed start.
void BrowseHtml(const CFolivexDoc& doc);

// Lets the user choose a page and starts the configured HTML editor on it.
void EditHtml(const CFolivexDoc& doc);

// Opens "Folivex Manual.txt" in `programDirectory` (file-system bytes); a failure stays
// silent.
void OpenManual(const std::string& programDirectory);

// The host's output side: browsing and editing the generated site, the manual, and the
// commands that hand the plug-in its own windows.
#pragma once

class CFolivexDoc;

// Opens the site's entry page (HTMLOutDirectory + "/" + HTMLIndexFileName) with its
// associated program; reports a missing setting or a failed start.
void BrowseHtml(CFolivexDoc* doc);

// Lets the user choose a page and starts the configured HTML editor on it.
void EditHtml(CFolivexDoc* doc);

// Opens "Folivex Manual.txt" from the program directory; a failure stays silent.
void OpenManual(CFolivexDoc* doc);

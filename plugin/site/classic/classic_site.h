// The classic frames site in its fixed order: the five frame pages, then each category menu
// with its list pages, the list of all cocktails and the detail pages, with a status text and
// a step of the progress bar after the frame pages and after each later step.
#pragma once

#include <string>

#include "site/generation.h"
#include "site/site_model.h"
#include "site/site_writer.h"

// The first status text, shown by the caller from the start, while the store is still read.
const std::string& ClassicStartStatus();

// Shows every later status text. `year` is the local year of the run, for the footer's rights
// line. False when the run failed.
bool PutClassicSite(const SiteSource& source, const std::string& indexFileName, int year, PageSink& sink,
                    GenerationObserver& observer);

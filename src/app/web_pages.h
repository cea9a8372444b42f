// Pages of the maker's web site, opened in the default browser.
#pragma once

extern const char* const helpPage;
extern const char* const updatePage;
extern const char* const aboutPage;

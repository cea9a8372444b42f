#include "web_pages.h"

// The maker's site: one host for every page.
#define WEB_SITE_HOST "http://www.quorbel.example"

const char* const helpPage = WEB_SITE_HOST "/thread-12518-1-1.html";
const char* const updatePage = WEB_SITE_HOST "/thread-12519-1-1.html";
const char* const aboutPage = WEB_SITE_HOST "/thread-9282-1-1.html";

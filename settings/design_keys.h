// A design section stores the working keys of BGBRUSH, TODAY and MARKED
// under "SECTION_KEY" names. (The record keys are written in one place,
// settings_sections.cpp, and keep their names there.)
#pragma once

constexpr const char* kDesignStyleKey = "BGBRUSH_STYLE";
constexpr const char* kDesignColorKey = "BGBRUSH_COLOR";
constexpr const char* kDesignHatchKey = "BGBRUSH_HATCH";

constexpr const char* kDesignTransparentKey = "BGBRUSH_TRANSPARENT";
constexpr const char* kDesignOrgFileKey = "BGBRUSH_ORGFILE";
constexpr const char* kDesignBitmapKey = "BGBRUSH_BITMAP";
constexpr const char* kDesignTodayColorKey = "TODAY_COLOR";
constexpr const char* kDesignMarkedTodayKey = "MARKED_TODAYCOLOR";
constexpr const char* kDesignMarkedColorKey = "MARKED_COLOR";

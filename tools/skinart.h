#pragma once
// The skin's artwork, drawn from its rules: frame, mask and scroll-bar layouts, and the
// small pictures (close cross, phone, logo, banner, tree icons).

#include <string>

// Writes every bitmap and icon of the skin into szDir under its file name in res/
// (e.g. "frame_active.bmp"). Returns false when a file cannot be written.
bool WriteSkinArt(const std::string& strDir);
